#include "protocol/FormFill.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/CodePage936.h"
#include "platform/Text.h"
#include "tests/fakes/FakeControls.h"
#include "tests/protocol/InfoBlockFixture.h"
#include "vocabulary/ControlIds.h"

namespace lc {
namespace {

using namespace infoblock;
using testing::InfoBlockBuilder;

std::string CodePage(const char16_t* text) {
    return platform::ToCodePage936(text);
}

// The controls that say what a logger measures.
struct SensorControls {
    int channel;
    bool channelEnabled;
    int unit;
    bool unitEnabled;
    int temperatureEditsEnabled;  // of the high and low edit, 0..2
    int humidityEditsEnabled;

    static SensorControls Of(const fakes::FakeControls& controls) {
        const auto enabledOf = [&](platform::ControlId high, platform::ControlId low) {
            return int{controls.isEnabled(high)} + int{controls.isEnabled(low)};
        };
        return {controls.selection(ids::ChannelCombo),
                controls.isEnabled(ids::ChannelCombo),
                controls.selection(ids::UnitCombo),
                controls.isEnabled(ids::UnitCombo),
                enabledOf(ids::HighTempEdit, ids::LowTempEdit),
                enabledOf(ids::HighHumidityEdit, ids::LowHumidityEdit)};
    }
    bool operator==(const SensorControls&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const SensorControls& s) {
        return out << "channel " << s.channel << (s.channelEnabled ? "+" : "-") << " unit " << s.unit
                   << (s.unitEnabled ? "+" : "-") << " temperature edits " << s.temperatureEditsEnabled
                   << " humidity edits " << s.humidityEditsEnabled;
    }
};

class FormFillTest : public ::testing::Test {
  protected:
    void fill() {
        DeviceInfo info;
        info.modelCode = Byte(logger.block, ModelCode);
        info.capabilityFlags = Byte(logger.block, CapabilityFlags);
        FillForm(controls, logger.block, info, thresholds, changes);
    }
    std::string text(platform::ControlId id) const { return platform::Utf16ToUtf8(controls.text(id)); }
    bool enabled(platform::ControlId id) const { return controls.isEnabled(id); }
    int selection(platform::ControlId id) const { return controls.selection(id); }

    fakes::FakeControls controls;
    InfoBlockBuilder logger;
    AlertThresholds thresholds;
    ChangeFlags changes;
};

TEST_F(FormFillTest, StoredSettingsAppearInTheForm) {
    logger.logger(0x65, 0xE1)
        .byte(ZoneHours, static_cast<std::uint8_t>(-5))
        .byte(ZoneMinutes, static_cast<std::uint8_t>(-30))
        .byte(ReportLanguageCode, 1)
        .byte(DateFormatCode, 1)
        .byte(ChannelCode, 3)
        .byte(UnitCode, 1)
        .byte(BatteryCode, 2)
        .dword(StartDelaySeconds, 3600)
        .dword(IntervalSeconds, 59)
        .word(HighTempRaw, static_cast<std::uint16_t>(-100))
        .word(LowTempRaw, 506)
        .word(HighHumidityRaw, 755)
        .word(LowHumidityRaw, 200)
        .word(IgnoreLastCount, 99)
        .text(DeviceName, CodePage(u"冷库记录仪"))
        .text(DeviceId, "ID-0042")
        .text(WebAddress, "www.example.com")
        .text(CustomText, CodePage(u"疫苗专用"))
        .text(BrandText, "Frost")
        .byte(PushDeleteFlag, 7)
        .byte(AlertFlag, 1);
    controls.enable(ids::ZoneCombo, false);
    controls.enable(ids::AlertBox, false);

    fill();

    EXPECT_EQ(text(ids::ZoneCombo), "UTC-05:30");
    EXPECT_TRUE(enabled(ids::ZoneCombo));
    EXPECT_TRUE(enabled(ids::DateFormatCombo));
    EXPECT_EQ(selection(ids::ReportLanguageCombo), 1);
    EXPECT_EQ(selection(ids::DateFormatCombo), 1);
    EXPECT_EQ(selection(ids::ChannelCombo), 2);
    EXPECT_TRUE(enabled(ids::ChannelCombo));
    EXPECT_EQ(selection(ids::UnitCombo), 1);
    EXPECT_TRUE(enabled(ids::UnitCombo));
    EXPECT_EQ(selection(ids::BatteryCombo), 2);
    EXPECT_EQ(text(ids::StartDelayEdit), "60");
    EXPECT_EQ(text(ids::IntervalEdit), "0");
    EXPECT_DOUBLE_EQ(thresholds.highC, -5.0);
    EXPECT_DOUBLE_EQ(thresholds.highF, 23.0);
    EXPECT_DOUBLE_EQ(thresholds.lowC, 25.3);
    EXPECT_DOUBLE_EQ(thresholds.lowF, 25.3 * 1.8 + 32);
    EXPECT_TRUE(changes.isSet(change::RefreshUnit));
    EXPECT_EQ(text(ids::HighHumidityEdit), "75.5");
    EXPECT_EQ(text(ids::LowHumidityEdit), "20.0");
    EXPECT_TRUE(enabled(ids::HighHumidityEdit));
    EXPECT_TRUE(enabled(ids::LowHumidityEdit));
    EXPECT_EQ(text(ids::IgnoreLastEdit), "99");
    EXPECT_EQ(text(ids::DeviceNameEdit), "冷库记录仪");
    EXPECT_EQ(text(ids::DeviceIdEdit), "ID-0042");
    EXPECT_EQ(text(ids::WebAddressEdit), "www.example.com");
    EXPECT_EQ(text(ids::CustomTextEdit), "疫苗专用");
    EXPECT_EQ(text(ids::BrandEdit), "Frost");
    EXPECT_TRUE(controls.isChecked(ids::PushDeleteBox));
    EXPECT_TRUE(controls.isChecked(ids::AlertBox));
    EXPECT_TRUE(enabled(ids::AlertBox));
    EXPECT_GT(controls.control(ids::DeviceIdEdit).invalidations, 0);
    EXPECT_GT(controls.control(ids::WebAddressEdit).invalidations, 0);
}

TEST_F(FormFillTest, StoredCodesOutOfRangeFallBack) {
    struct Case {
        std::uint8_t language, dateFormat, battery, unit;
        std::uint16_t ignoreLast;
        int languageShown, dateFormatShown, batteryShown, unitShown;
        const char* ignoreLastShown;
    };
    const Case cases[] = {
        {5, 9, 4, 2, 100, 0, 0, 0, 0, "0"},
        {1, 9, 3, 1, 65535, 1, 2, 3, 1, "0"},
        {0, 2, 0, 0, 0, 0, 2, 0, 0, "0"},
    };
    for (const Case& c : cases) {
        logger.logger(0x65, 0xE1)
            .byte(ReportLanguageCode, c.language)
            .byte(DateFormatCode, c.dateFormat)
            .byte(BatteryCode, c.battery)
            .byte(UnitCode, c.unit)
            .word(IgnoreLastCount, c.ignoreLast);
        fill();
        EXPECT_EQ(selection(ids::ReportLanguageCombo), c.languageShown) << int{c.language};
        EXPECT_EQ(selection(ids::DateFormatCombo), c.dateFormatShown) << int{c.dateFormat};
        EXPECT_EQ(selection(ids::BatteryCombo), c.batteryShown);
        EXPECT_EQ(selection(ids::UnitCombo), c.unitShown);
        EXPECT_EQ(text(ids::IgnoreLastEdit), c.ignoreLastShown);
    }
}

TEST_F(FormFillTest, StoredChannelAndUnitFollowTheLoggersSensors) {
    struct Case {
        std::uint8_t model, capabilities, channelCode;
        SensorControls shown;  // the temperature edits are left to the capacity refresh
    };
    const Case cases[] = {
        {0x65, 0x61, 1, {0, true, 0, false, 2, 0}},  // both sensors, temperature stored
        {0x65, 0x61, 2, {1, true, 0, false, 2, 2}},
        {0x45, 0x41, 3, {1, false, 0, false, 2, 2}},  // humidity only
        {0x25, 0xA1, 3, {0, false, 1, true, 2, 0}},   // temperature only, Fahrenheit capable
        {0x04, 0x61, 3, {2, true, 0, false, 2, 0}},   // model 4 has no humidity whatever the combo offers
        {0x06, 0x61, 3, {2, true, 0, false, 2, 2}},
    };
    for (const Case& c : cases) {
        controls.enable(ids::HighHumidityEdit, true);
        controls.enable(ids::LowHumidityEdit, true);
        logger.logger(c.model, c.capabilities).byte(ChannelCode, c.channelCode).byte(UnitCode, 1);
        fill();
        EXPECT_EQ(SensorControls::Of(controls), c.shown)
            << "model " << int{c.model} << " caps " << int{c.capabilities};
    }
}

TEST_F(FormFillTest, HumidityTextsStayWhenTheLoggerHasNone) {
    controls.setText(ids::HighHumidityEdit, u"80.0");
    logger.logger(0x25, 0x21).word(HighHumidityRaw, 755);
    fill();
    EXPECT_EQ(text(ids::HighHumidityEdit), "80.0");
    EXPECT_FALSE(enabled(ids::HighHumidityEdit));
}

TEST_F(FormFillTest, TextSlotsShowWhatComesBeforeTheirTerminatorOrTheirWholeWidth) {
    logger.logger(0x65, 0xE1)
        .text(DeviceName, "ABCDEFGHIJKLMNOPQRSTUVWXYZ")  // all 20 bytes used, no terminator
        .text(BrandText, std::string("\0tail", 5))
        .text(WebAddress, std::string("short\0old-longer-address", 24))
        .text(CustomText, std::string(100, 'x'))
        .text(DeviceId, CodePage(u"一二三四五六七八九十"));  // 20 bytes, no terminator
    fill();
    EXPECT_EQ(text(ids::DeviceNameEdit), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(text(ids::BrandEdit), "");
    EXPECT_EQ(text(ids::WebAddressEdit), "short");
    EXPECT_EQ(text(ids::CustomTextEdit), std::string(100, 'x'));
    EXPECT_EQ(text(ids::DeviceIdEdit), "一二三四五六七八九十");
}

TEST_F(FormFillTest, WithoutStoredSettingsOnlyTheModelsControlsChange) {
    struct Case {
        std::uint8_t model, capabilities;
        SensorControls shown;
    };
    // Before each fill the channel shows 2 and the unit 1.
    const Case cases[] = {
        {0x45, 0x00, {1, false, 1, false, 0, 2}},  // model code says humidity only
        {0x65, 0x00, {2, true, 0, false, 2, 2}},   // model code says both, no Fahrenheit
        {0x65, 0x80, {2, true, 1, true, 2, 2}},   {0x25, 0x00, {0, false, 1, false, 2, 0}},
        {0x01, 0x40, {1, false, 1, false, 0, 2}},  // model 1 says it in its capabilities
        {0x89, 0xE0, {2, true, 1, true, 2, 2}},    // model 9, top bit ignored
        {0x06, 0x00, {0, false, 1, false, 2, 0}},  // neither sensor named: temperature
        {0x04, 0xC0, {0, false, 1, true, 2, 0}},   // model 4 measures temperature
    };
    for (const Case& c : cases) {
        controls.select(ids::ChannelCombo, 2);
        controls.select(ids::UnitCombo, 1);
        controls.setText(ids::StartDelayEdit, u"15");
        controls.setChecked(ids::AlertBox, false);
        controls.enable(ids::AlertBox, false);
        logger.block = InfoBlock{};
        logger.byte(ModelCode, c.model).byte(CapabilityFlags, c.capabilities).dword(StartDelaySeconds, 600);
        fill();
        const std::string where =
            "model " + std::to_string(c.model) + " caps " + std::to_string(c.capabilities);
        EXPECT_EQ(SensorControls::Of(controls), c.shown) << where;
        EXPECT_TRUE(controls.isChecked(ids::AlertBox)) << where;
        EXPECT_TRUE(enabled(ids::AlertBox)) << where;
        EXPECT_EQ(text(ids::StartDelayEdit), "15") << where;
    }
    EXPECT_FALSE(changes.isSet(change::RefreshUnit));
    EXPECT_DOUBLE_EQ(thresholds.highC, AlertThresholds{}.highC);
}

}  // namespace
}  // namespace lc
