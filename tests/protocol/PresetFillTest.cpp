// The fill paths through the loggers a technician meets (sim/LoggerPresets.h), on the real window
// logic, its link worker and the virtual HID bus.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "sim/LoggerPresets.h"
#include "tests/app/ToolUnderTest.h"
#include "vocabulary/ControlIds.h"

namespace lc::testing {
namespace {

// The controls the form fill may touch, as the technician sees them.
struct Shown {
    std::string text;
    bool enabled;
    bool checked;
    int selection;
    bool operator==(const Shown&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Shown& s) {
        return out << '"' << s.text << '"' << (s.enabled ? " enabled" : " disabled")
                   << (s.checked ? " checked" : "") << " selection " << s.selection;
    }
};
using FormSnapshot = std::map<platform::ControlId, Shown>;

constexpr platform::ControlId FormControls[] = {
    ids::ZoneCombo,      ids::DateFormatCombo, ids::ChannelCombo,    ids::ReportLanguageCombo,
    ids::BatteryCombo,   ids::UnitCombo,       ids::StartDelayEdit,  ids::IntervalEdit,
    ids::LowTempEdit,    ids::HighTempEdit,    ids::LowHumidityEdit, ids::HighHumidityEdit,
    ids::IgnoreLastEdit, ids::BrandEdit,       ids::DeviceNameEdit,  ids::CustomTextEdit,
    ids::WebAddressEdit, ids::DeviceIdEdit,    ids::PushDeleteBox,   ids::AlertBox,
};

FormSnapshot Snapshot(const fakes::FakeControls& controls) {
    FormSnapshot snapshot;
    for (const platform::ControlId id : FormControls) {
        snapshot[id] = {platform::Utf16ToUtf8(controls.text(id)), controls.isEnabled(id),
                        controls.isChecked(id), controls.selection(id)};
    }
    return snapshot;
}

// Names the controls in which two snapshots differ, for a readable failure.
void ExpectSameForm(const FormSnapshot& actual, const FormSnapshot& expected) {
    for (const auto& [id, shown] : expected) {
        EXPECT_EQ(actual.at(id), shown) << "control " << id;
    }
}

// The tool after its first tick, with a logger plugged in and taken, and one tick more for the
// refreshes the fill asked for.
struct TakenLogger {
    explicit TakenLogger(const sim::LoggerDescription& description) {
        tool.tick();
        logger = &tool.plugInAndTake(description);
        tool.tick();
    }
    ToolUnderTest tool;
    sim::VirtualLogger* logger = nullptr;
};

bool Accepted(ToolUnderTest& tool) {
    return tool.state().writeReady == 1 && tool.controls.isEnabled(ids::WriteButton) &&
           tool.text(ids::WriteButton) == "写入配置(HID)";
}

TEST(PresetCatalogue, OffersTheDemonstrationLoggerFirstAndEveryPresetUnderItsOwnName) {
    const auto presets = sim::PresetCatalogue();
    ASSERT_GE(presets.size(), 7u);
    EXPECT_EQ(presets.front().describe().block, sim::DemoLoggerBlock());
    std::set<std::string> names;
    for (const sim::LoggerPreset& preset : presets) {
        EXPECT_TRUE(names.insert(preset.name).second) << preset.name;
        EXPECT_EQ(preset.describe().identity.vendorId, 0x8888) << preset.name;
    }
}

// Settings path (capability bit 0x01): the form shows what the logger stores.
TEST(PresetFill, ALoggerWithStoredSettingsShowsThemAll) {
    struct Sensors {
        bool channelCombo, unitCombo, temperatureEdits, humidityEdits;  // enabled
        bool operator==(const Sensors&) const = default;
    };
    struct Case {
        const char* name;
        sim::LoggerDescription (*describe)();
        std::map<platform::ControlId, std::string> shown;  // edit texts, and the item each combo shows
        Sensors enabled;
        bool pushDelete;
    };
    const Case cases[] = {
        {"demonstration logger",
         sim::DemoLogger,
         {{ids::ZoneCombo, "UTC+08:00"},
          {ids::DateFormatCombo, "年/月/日"},
          {ids::ChannelCombo, "温度+湿度"},
          {ids::ReportLanguageCombo, "简体中文"},
          {ids::BatteryCombo, "3V纽扣电池"},
          {ids::UnitCombo, "℃"},
          {ids::StartDelayEdit, "0"},
          {ids::IntervalEdit, "10"},
          {ids::LowTempEdit, "2.0"},
          {ids::HighTempEdit, "8.0"},
          {ids::LowHumidityEdit, "20.0"},
          {ids::HighHumidityEdit, "80.0"},
          {ids::IgnoreLastEdit, "0"},
          {ids::BrandEdit, "DEMOBRAND"},
          {ids::DeviceNameEdit, "Demo TH Logger"},
          {ids::CustomTextEdit, "Virtual logger for demonstration"},
          {ids::WebAddressEdit, "www.example.com"},
          {ids::DeviceIdEdit, "DEMO-000001"}},
         {true, true, true, true},
         false},
        {"humidity only",
         sim::HumidityOnlyLogger,
         {{ids::ZoneCombo, "UTC+08:00"},
          {ids::DateFormatCombo, "年/月/日"},
          {ids::ChannelCombo, "湿度"},
          {ids::ReportLanguageCombo, "简体中文"},
          {ids::BatteryCombo, "3.6V锂电池"},
          {ids::UnitCombo, "℃"},
          {ids::StartDelayEdit, "30"},
          {ids::IntervalEdit, "5"},
          {ids::LowHumidityEdit, "10.0"},
          {ids::HighHumidityEdit, "90.0"},
          {ids::IgnoreLastEdit, "2"},
          {ids::BrandEdit, "HUMIBRAND"},
          {ids::DeviceNameEdit, "Store RH Logger"},
          {ids::CustomTextEdit, "Humidity only"},
          {ids::WebAddressEdit, "www.example.org"},
          {ids::DeviceIdEdit, "RH-000042"}},
         {false, false, false, true},
         true},
        {"model 4, Fahrenheit, English reports",  // model 4 has no humidity: those edits keep their texts
         sim::CalibratedModel4Logger,
         {{ids::ZoneCombo, "UTC+01:00"},
          {ids::DateFormatCombo, "日/月/年"},
          {ids::ChannelCombo, "温度"},
          {ids::ReportLanguageCombo, "English"},
          {ids::BatteryCombo, "3V纽扣电池"},
          {ids::UnitCombo, "℉"},
          {ids::StartDelayEdit, "0"},
          {ids::IntervalEdit, "15"},
          {ids::LowTempEdit, "23.0"},
          {ids::HighTempEdit, "77.0"},
          {ids::IgnoreLastEdit, "0"},
          {ids::BrandEdit, "CALIBRAND"},
          {ids::DeviceNameEdit, "Model 4 Logger"},
          {ids::CustomTextEdit, "Calibrated until 2035"},
          {ids::WebAddressEdit, "www.example.net"},
          {ids::DeviceIdEdit, "M4-000004"}},
         {false, true, true, false},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TakenLogger taken(c.describe());
        const fakes::FakeControls& controls = taken.tool.controls;
        for (const auto& [id, text] : c.shown) {
            EXPECT_EQ(taken.tool.text(id), text) << "control " << id;
        }
        const Sensors enabled{
            controls.isEnabled(ids::ChannelCombo), controls.isEnabled(ids::UnitCombo),
            controls.isEnabled(ids::HighTempEdit) && controls.isEnabled(ids::LowTempEdit),
            controls.isEnabled(ids::HighHumidityEdit) && controls.isEnabled(ids::LowHumidityEdit)};
        EXPECT_EQ(enabled, c.enabled);
        EXPECT_EQ(controls.isEnabled(ids::LowTempEdit), controls.isEnabled(ids::HighTempEdit));
        EXPECT_EQ(controls.isEnabled(ids::LowHumidityEdit), controls.isEnabled(ids::HighHumidityEdit));
        EXPECT_EQ(controls.isChecked(ids::PushDeleteBox), c.pushDelete);
        EXPECT_TRUE(controls.isChecked(ids::AlertBox));
        EXPECT_TRUE(controls.isEnabled(ids::AlertBox));
        EXPECT_TRUE(Accepted(taken.tool));
        EXPECT_TRUE(taken.tool.messages.shown.empty());
    }
}

// Model path (capability bit 0x01 clear): after the demonstration logger, an old-generation
// temperature-only logger changes only the controls that say what it measures.
TEST(PresetFill, ALoggerWithoutStoredSettingsSuitsTheSensorControlsAndKeepsTheRest) {
    TakenLogger taken(sim::DemoLogger());
    ToolUnderTest& tool = taken.tool;
    tool.unplugAndTake(*taken.logger);
    FormSnapshot expected = Snapshot(tool.controls);

    tool.plugInAndTake(sim::OldGenerationLogger());
    tool.tick();

    expected[ids::ChannelCombo] = {"温度", false, false, 0};  // not the demonstration's both
    expected[ids::UnitCombo].enabled = false;                 // no Fahrenheit; the selection stays
    for (const platform::ControlId id : {ids::LowTempEdit, ids::HighTempEdit}) {
        expected[id].enabled = true;
    }
    for (const platform::ControlId id : {ids::LowHumidityEdit, ids::HighHumidityEdit}) {
        expected[id].enabled = false;
    }
    expected[ids::AlertBox].checked = true;
    expected[ids::AlertBox].enabled = true;
    expected[ids::ZoneCombo].enabled = true;
    expected[ids::DateFormatCombo].enabled = true;
    ExpectSameForm(Snapshot(tool.controls), expected);
    EXPECT_EQ(tool.text(ids::DeviceIdEdit), "DEMO-000001");  // the model path shows no stored ID
    EXPECT_TRUE(Accepted(tool));
    EXPECT_TRUE(tool.messages.shown.empty());

    // Old-generation firmware: the date format follows the report language.
    ASSERT_TRUE(tool.controls.userSelect(ids::ReportLanguageCombo, 0));
    tool.tick();
    EXPECT_EQ(tool.controls.selection(ids::DateFormatCombo), 0);
}

// Lock path: with the settings-lock box checked before the next logger is plugged in, the form stays
// as the last logger left it, though the new one stores other settings; only the device ID follows.
TEST(PresetFill, WithTheSettingsLockedTheNextLoggerChangesOnlyTheDeviceId) {
    TakenLogger taken(sim::DemoLogger());
    ToolUnderTest& tool = taken.tool;
    tool.unplugAndTake(*taken.logger);
    ASSERT_TRUE(tool.controls.userClick(ids::LockBox));
    ASSERT_TRUE(tool.controls.isChecked(ids::LockBox));
    tool.tick();
    FormSnapshot expected = Snapshot(tool.controls);

    tool.plugInAndTake(sim::HumidityOnlyLogger());
    tool.tick();

    expected[ids::DeviceIdEdit].text = "RH-000042";
    ExpectSameForm(Snapshot(tool.controls), expected);
    EXPECT_TRUE(Accepted(tool));
    EXPECT_TRUE(tool.messages.shown.empty());
}

// Loggers the tool refuses with a message, or leaves alone without one: the form keeps its defaults
// and the button does not offer the write. A refused logger still asks for the capacity and
// threshold-edit refresh (the lock box is unchecked), and with the default form's alert box unchecked
// that refresh disables the four threshold edits.
TEST(PresetFill, ARefusedOrIgnoredLoggerLeavesTheFormAsItWas) {
    struct Case {
        const char* name;
        sim::LoggerDescription (*describe)();
        platform::LocalTime pcTime;
        std::vector<std::string> messages;
        std::uint8_t deviceType;
        bool thresholdEditsDisabled;
    };
    const platform::LocalTime usualDay{2024, 6, 15, 10, 15, 0};
    const Case cases[] = {
        {"needs tool 3.19",
         sim::NewerToolLogger,
         usualDay,
         {"此配置工具版本过低！\r\n请使用V3.19或更高版本配置工具！"},
         0xA0,
         true},
        {"device type 0x84", sim::DeviceType84Logger, usualDay, {}, 0x84, false},
        {"model 4 on its expiry day",
         sim::CalibratedModel4Logger,
         {2035, 12, 31, 10, 15, 0},
         {"校准数据已经过期,\r\n请将设备发回厂家重新校准!"},
         0x83,
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolUnderTest tool;
        tool.clock.time = c.pcTime;
        tool.tick();
        FormSnapshot expected = Snapshot(tool.controls);
        tool.plugInAndTake(c.describe());
        tool.tick();
        EXPECT_EQ(tool.messages.texts(), c.messages);
        for (const platform::ControlId id :
             {ids::LowTempEdit, ids::HighTempEdit, ids::LowHumidityEdit, ids::HighHumidityEdit}) {
            expected[id].enabled = !c.thresholdEditsDisabled;
        }
        ExpectSameForm(Snapshot(tool.controls), expected);
        EXPECT_EQ(tool.state().deviceInfo.deviceType, c.deviceType);
        EXPECT_FALSE(tool.controls.isEnabled(ids::WriteButton));
        EXPECT_EQ(tool.text(ids::WriteButton), "请插入设备");
        EXPECT_EQ(tool.state().writeReady, 0);
    }
}

// The model-4 logger in its last 29 days of calibration: warned, then accepted.
TEST(PresetFill, AModel4LoggerNearItsExpiryIsWarnedWithTheDaysLeftAndAccepted) {
    ToolUnderTest tool;
    tool.clock.time = {2035, 12, 10, 10, 15, 0};
    tool.tick();
    tool.plugInAndTake(sim::CalibratedModel4Logger());
    tool.tick();
    EXPECT_EQ(tool.messages.texts(), std::vector<std::string>{"设备校准数据将在21天后过期!"});
    EXPECT_EQ(tool.text(ids::DeviceNameEdit), "Model 4 Logger");
    EXPECT_TRUE(Accepted(tool));
}

// The logger that refuses configuration is shown like any other, but its write is refused.
TEST(PresetFill, ALockedLoggerIsShownButItsWriteIsRefused) {
    TakenLogger taken(sim::LockedLogger());
    ToolUnderTest& tool = taken.tool;
    EXPECT_EQ(tool.text(ids::DeviceIdEdit), "DEMO-LOCKED");
    ASSERT_TRUE(Accepted(tool));
    ASSERT_TRUE(tool.controls.userClick(ids::WriteButton));
    tool.tick();
    EXPECT_EQ(tool.messages.texts(), std::vector<std::string>{"配置操作被拒绝"});
    EXPECT_EQ(CommandsReceived(*taken.logger, 0x94), 0);
}

}  // namespace
}  // namespace lc::testing
