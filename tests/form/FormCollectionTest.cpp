#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "form/ConfigDraft.h"
#include "form/FormCollection.h"
#include "platform/CodePage936.h"
#include "platform/Text.h"
#include "tests/form/FormWindow.h"

namespace lc {
namespace {

constexpr std::uint8_t TemperatureHumidityFahrenheit = 0xE0;
constexpr int English = 1;

// A connected logger of every capability, -40.0 to 85.0 °C, and a form the technician filled in.
class CollectionWindow : public testing::FormWindow {
  public:
    CollectionWindow() {
        info.capabilityFlags = TemperatureHumidityFahrenheit;
        info.firmwareVersion = 0x4066;
        info.tempLimitLow = -400;
        info.tempLimitHigh = 850;
        controls.setText(ids::BrandEdit, u"ACME");
        controls.setText(ids::DeviceNameEdit, u"Cold room 3");
        controls.setText(ids::DeviceIdEdit, u"A-0001");
    }

    bool collect() { return CollectConfigDraft(ui, info, thresholds, draft); }

    ConfigDraft draft;
};

template <std::size_t N>
std::string FieldText(const std::array<std::uint8_t, N>& field) {
    return std::string(field.begin(), std::find(field.begin(), field.end(), std::uint8_t{0}));
}

template <std::size_t N>
bool ZeroFrom(const std::array<std::uint8_t, N>& field, std::size_t position) {
    return std::all_of(field.begin() + static_cast<std::ptrdiff_t>(position), field.end(),
                       [](std::uint8_t byte) { return byte == 0; });
}

struct RefusalCase {
    const char* what;
    std::function<void(CollectionWindow&)> arrange;
    const char* message;
    platform::ControlId focus;
};

TEST(CollectConfigDraft, RefusesEachInvalidFieldWithOneMessageAndItsFocus) {
    const RefusalCase cases[] = {
        {"a zone beyond twelve hours",
         [](CollectionWindow& w) {
             w.controls.resetItems(ids::ZoneCombo);
             w.controls.addItem(ids::ZoneCombo, u"UTC+13:00");
             w.controls.select(ids::ZoneCombo, 0);
         },
         "时区参数错误: 数值必须在0至12之内!", -1},
        {"start delay above a day",
         [](CollectionWindow& w) { w.controls.setText(ids::StartDelayEdit, u"1441"); },
         "启动延时参数错误: 数值必须在0至1440之内!", ids::StartDelayEdit},
        {"empty interval", [](CollectionWindow& w) { w.controls.setText(ids::IntervalEdit, u""); },
         "采样间隔参数错误: 内容为空", ids::IntervalEdit},
        {"humidity on a temperature logger",
         [](CollectionWindow& w) {
             w.info.capabilityFlags = 0xA0;
             w.controls.select(ids::ChannelCombo, 1);
         },
         "当前设备不支持湿度通道,\r\n请修改通道选择参数!", -1},
        {"both channels on a humidity logger",
         [](CollectionWindow& w) {
             w.info.capabilityFlags = 0xC0;
             w.controls.select(ids::ChannelCombo, 2);
         },
         "当前设备不支持同时测量温湿度,\r\n请修改通道选择参数!", -1},
        {"temperature on a humidity logger", [](CollectionWindow& w) { w.info.capabilityFlags = 0xC0; },
         "当前设备不支持温度通道,\r\n请修改通道选择参数!", -1},
        {"Fahrenheit on a Celsius logger, before any threshold is read",
         [](CollectionWindow& w) {
             w.info.capabilityFlags = 0x60;
             w.controls.select(ids::UnitCombo, 1);
             w.controls.setText(ids::LowTempEdit, u"x");
         },
         "当前设备不支持℉温度单位, 请修改温度单位选择参数!", -1},
        {"low temperature below the logger's range",
         [](CollectionWindow& w) { w.controls.setText(ids::LowTempEdit, u"-40.5"); },
         "低温警告参数错误: 数值必须在-40.0至85.0之内!", ids::LowTempEdit},
        {"high temperature not a number",
         [](CollectionWindow& w) { w.controls.setText(ids::HighTempEdit, u"abc"); },
         "高温警告参数错误: 存在非法字符!", ids::HighTempEdit},
        {"equal temperatures", [](CollectionWindow& w) { w.controls.setText(ids::LowTempEdit, u"8.0"); },
         "高温警告值必须大于低温警告值", ids::LowTempEdit},
        {"equal temperatures in English",
         [](CollectionWindow& w) {
             w.controls.select(ids::WindowLanguageCombo, English);
             w.controls.setText(ids::HighTempEdit, u"2.0");
         },
         "High Temp must be greater than Low Temp", ids::LowTempEdit},
        {"low humidity above 100",
         [](CollectionWindow& w) { w.controls.setText(ids::LowHumidityEdit, u"100.5"); },
         "低湿警告参数错误: 数值必须在0.0至100.0之内!", ids::LowHumidityEdit},
        {"high humidity not a number",
         [](CollectionWindow& w) { w.controls.setText(ids::HighHumidityEdit, u"7O"); },
         "高湿警告参数错误: 存在非法字符!", ids::HighHumidityEdit},
        {"low humidity above high",
         [](CollectionWindow& w) { w.controls.setText(ids::LowHumidityEdit, u"90.0"); },
         "高湿警告值必须大于低湿警告值", ids::LowHumidityEdit},
        {"equal humidities in English",
         [](CollectionWindow& w) {
             w.controls.select(ids::WindowLanguageCombo, English);
             w.controls.setText(ids::LowHumidityEdit, u"80.0");
         },
         "High Humidity  must be greater than Low Humidity", ids::LowHumidityEdit},
        {"brand of 21 characters",
         [](CollectionWindow& w) { w.controls.setText(ids::BrandEdit, std::u16string(21, u'B')); },
         "商标参数错误: 字符串太长!", ids::BrandEdit},
        {"empty brand", [](CollectionWindow& w) { w.controls.setText(ids::BrandEdit, u""); },
         "商标参数错误: 不能为空!", ids::BrandEdit},
        {"empty device name", [](CollectionWindow& w) { w.controls.setText(ids::DeviceNameEdit, u""); },
         "设备名称错误: 不能为空!", ids::DeviceNameEdit},
        {"custom text of 51 Chinese characters",
         [](CollectionWindow& w) { w.controls.setText(ids::CustomTextEdit, std::u16string(51, u'温')); },
         "自定义信息错误: 字符串太长!", ids::CustomTextEdit},
        {"web address with a Chinese character",
         [](CollectionWindow& w) { w.controls.setText(ids::WebAddressEdit, u"www.温度.cn"); },
         "网址错误: 存在非法字符!", ids::WebAddressEdit},
        {"device ID with a Chinese character",
         [](CollectionWindow& w) { w.controls.setText(ids::DeviceIdEdit, u"A-设备"); },
         "设备ID错误: 存在非法字符!", ids::DeviceIdEdit},
        {"empty device ID", [](CollectionWindow& w) { w.controls.setText(ids::DeviceIdEdit, u""); },
         "设备ID错误: 不能为空!", ids::DeviceIdEdit},
        {"ignoring 100 records", [](CollectionWindow& w) { w.controls.setText(ids::IgnoreLastEdit, u"100"); },
         "忽略点数参数错误: 数值必须在0至99之内!", ids::IgnoreLastEdit},
        {"a logger that refuses configuration",
         [](CollectionWindow& w) {
             w.info.firmwareVersion = 0x4061;
             w.info.stateFlags = 0x04;
         },
         "配置操作被拒绝", -1},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.what);
        CollectionWindow window;
        c.arrange(window);
        EXPECT_FALSE(window.collect());
        EXPECT_EQ(window.messages.texts(), std::vector<std::string>{c.message});
        EXPECT_EQ(window.controls.focused(), c.focus);
    }
}

TEST(CollectConfigDraft, SplitsTheZoneIntoHoursAndMinutesOfTheSameSign) {
    struct ZoneCase {
        int index;
        std::int8_t hours;
        std::int8_t minutes;
    };
    const ZoneCase cases[] = {{35, -5, -30}, {25, 0, -30}, {0, 12, 0}, {24, 0, 0}, {15, 4, 30}};
    for (const ZoneCase& c : cases) {
        CollectionWindow window;
        window.controls.select(ids::ZoneCombo, c.index);
        SCOPED_TRACE(platform::Utf16ToUtf8(window.controls.text(ids::ZoneCombo)));
        ASSERT_TRUE(window.collect());
        EXPECT_EQ(window.draft.zoneHours, c.hours);
        EXPECT_EQ(window.draft.zoneMinutes, c.minutes);
    }
}

TEST(CollectConfigDraft, AnAcceptedFormFillsEveryField) {
    CollectionWindow window;
    window.controls.select(ids::DateFormatCombo, 1);
    window.controls.select(ids::ChannelCombo, 2);
    window.controls.select(ids::UnitCombo, 1);
    window.controls.select(ids::ReportLanguageCombo, 0);
    window.controls.select(ids::BatteryCombo, 3);
    window.controls.setChecked(ids::PushDeleteBox, true);
    window.controls.setChecked(ids::AlertBox, true);
    window.controls.setText(ids::StartDelayEdit, u"0");
    window.controls.setText(ids::IntervalEdit, u" 15");
    window.controls.setText(ids::LowTempEdit, u"33.0");
    window.controls.setText(ids::HighTempEdit, u"77.5");
    window.controls.setText(ids::LowHumidityEdit, u"30.5");
    window.controls.setText(ids::HighHumidityEdit, u"70");
    window.controls.setText(ids::BrandEdit, u"BrandOfTwentyLetters");
    window.controls.setText(ids::CustomTextEdit, u"冷库");
    window.controls.setText(ids::WebAddressEdit, u"http://example.com/a?b=1");
    window.controls.setText(ids::IgnoreLastEdit, u"99");

    ASSERT_TRUE(window.collect());
    EXPECT_TRUE(window.messages.shown.empty());
    const ConfigDraft& d = window.draft;
    EXPECT_EQ(d.zoneHours, 8);
    EXPECT_EQ(d.zoneMinutes, 0);
    EXPECT_EQ(d.dateFormat, 1);
    EXPECT_EQ(d.startDelayMinutes, 0);
    EXPECT_EQ(d.intervalMinutes, 15);
    EXPECT_EQ(d.channel, 3);
    EXPECT_EQ(d.temperatureUnit, 1);
    EXPECT_NEAR(window.thresholds.lowC, 0.55001, 1e-9);
    EXPECT_NEAR(window.thresholds.highC, 25.30001, 1e-9);
    EXPECT_DOUBLE_EQ(d.lowHumidity, 30.5);
    EXPECT_DOUBLE_EQ(d.highHumidity, 70.0);
    EXPECT_EQ(d.reportLanguage, 0);
    EXPECT_EQ(d.batteryType, 3);
    EXPECT_EQ(d.pushDelete, 1);
    EXPECT_EQ(d.alertEnabled, 1);
    EXPECT_EQ(std::string(d.brand.begin(), d.brand.end()), "BrandOfTwentyLetters");
    EXPECT_EQ(FieldText(d.deviceName), "Cold room 3");
    EXPECT_TRUE(ZeroFrom(d.deviceName, 11));
    EXPECT_EQ(FieldText(d.customText), platform::ToCodePage936(u"冷库"));
    EXPECT_TRUE(ZeroFrom(d.customText, 4));
    EXPECT_EQ(FieldText(d.webAddress), "http://example.com/a?b=1");
    EXPECT_EQ(FieldText(d.deviceId), "A-0001");
    EXPECT_TRUE(ZeroFrom(d.deviceId, 6));
    EXPECT_EQ(d.ignoreLast, 99);
}

TEST(CollectConfigDraft, AShorterTextLeavesNoTailOfTheEarlierOne) {
    CollectionWindow window;
    window.controls.setText(ids::BrandEdit, u"A very long brand");
    window.controls.setText(ids::CustomTextEdit, u"Keep below zero");
    ASSERT_TRUE(window.collect());
    window.controls.setText(ids::BrandEdit, u"AB");
    window.controls.setText(ids::CustomTextEdit, u"");
    ASSERT_TRUE(window.collect());
    EXPECT_EQ(FieldText(window.draft.brand), "AB");
    EXPECT_TRUE(ZeroFrom(window.draft.brand, 2));
    EXPECT_TRUE(ZeroFrom(window.draft.customText, 0));
}

TEST(CollectConfigDraft, ThresholdsOfAnUnmeasuredQuantityWithDisabledEditsKeepTheirLastValues) {
    CollectionWindow window;
    ASSERT_TRUE(window.collect());
    window.controls.enable(ids::LowHumidityEdit, false);
    window.controls.enable(ids::HighHumidityEdit, false);
    window.controls.setText(ids::LowHumidityEdit, u"bad");
    window.controls.setText(ids::HighHumidityEdit, u"");
    ASSERT_TRUE(window.collect());
    EXPECT_DOUBLE_EQ(window.draft.lowHumidity, 20.0);
    EXPECT_DOUBLE_EQ(window.draft.highHumidity, 80.0);

    CollectionWindow fresh;
    fresh.controls.enable(ids::LowHumidityEdit, false);
    fresh.controls.enable(ids::HighHumidityEdit, false);
    ASSERT_TRUE(fresh.collect());
    EXPECT_DOUBLE_EQ(fresh.draft.lowHumidity, 0.0);
    EXPECT_DOUBLE_EQ(fresh.draft.highHumidity, 0.0);
}

TEST(CollectConfigDraft, TheLockOfFirmwareBeforeItsIntroductionIsIgnored) {
    CollectionWindow window;
    window.info.firmwareVersion = 0x4060;
    window.info.stateFlags = 0x04;
    EXPECT_TRUE(window.collect());
    EXPECT_TRUE(window.messages.shown.empty());
}

}  // namespace
}  // namespace lc
