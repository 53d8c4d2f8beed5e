#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/ToolUnderTest.h"
#include "vocabulary/ControlIds.h"

namespace lc::testing {
namespace {

struct LabelTexts {
    platform::ControlId id;
    const char* chinese;
    const char* english;
};

constexpr LabelTexts Labels[] = {
    {ids::RecordingGroup, "时间配置区", "Recording Settings"},
    {ids::StartDelayCaption, "启动延时：", "Delay To Start:"},
    {ids::StartDelayUnit, "分钟", "m"},
    {ids::IntervalCaption, "采集间隔：", "Intervals:"},
    {ids::IntervalUnit, "分钟", "m"},
    {ids::AutoStartCaption, "自动启动", "Auto Start"},
    {ids::DurationDisplay, "最大记录时长：", "Lasting Days:"},
    {ids::AlertGroup, "告警配置区", "Alert Settings"},
    {ids::ChannelCaption, "通道选择：", "Channel:"},
    {ids::UnitCaption, "温度单位：", "Temp. Unit:"},
    {ids::ReportLanguageCaption, "报告语言：", "Report Language:"},
    {ids::LowTempCaption, "低温警告：", "Low Temp.:"},
    {ids::HighTempCaption, "高温警告：", "High Temp.:"},
    {ids::AlertCaption, "开启警告", "Enable Alert"},
    {ids::LowHumidityCaption, "低湿警告：", "Low Humidity:"},
    {ids::HighHumidityCaption, "高湿警告：", "High Humidity:"},
    {ids::InformationGroup, "信息配置区", "Information Settings"},
    {ids::BrandCaption, "商标：", "Brand:"},
    {ids::DeviceNameCaption, "设备名称：", "Device Name:"},
    {ids::CustomTextCaption, "自定义信息：", "Self Definition:"},
    {ids::WebAddressCaption, "网址：", "Website:"},
    {ids::DeviceIdCaption, "设备ID：", "Device ID:"},
    {ids::AutoIncreaseCaption, "自动增加", "Auto Increase"},
    {ids::IgnoreLastCaption, "忽略最后", "Ignore the Last"},
    {ids::IgnoreLastUnit, "个记录", "Items"},
    {ids::LockCaption, "锁定配置", "Lock Settings"},
    {ids::OptionGroup, "辅助参数配置区", "Option Settings"},
    {ids::ZoneCaption, "时区选择：", "TimeZone:"},
    {ids::DateFormatCaption, "日期格式：", "Date Format:"},
    {ids::DateTimeCaption, "日期与时间：", "Date and Time:"},
    {ids::PushDeleteCaption, "允许按键删除记录", "Allow Push to Delete"},
    {ids::WindowLanguageCaption, "Language:", "语言："},
};

std::vector<std::string> Items(const ToolUnderTest& tool, platform::ControlId id) {
    std::vector<std::string> items;
    for (const std::u16string& item : tool.controls.items(id)) {
        items.push_back(platform::Utf16ToUtf8(item));
    }
    return items;
}

void SwitchTo(ToolUnderTest& tool, UiLanguage language) {
    ASSERT_TRUE(tool.controls.userSelect(ids::WindowLanguageCombo, static_cast<int>(language)));
}

TEST(LanguageSwitch, RewritesEveryLabelAndBothListsKeepingTheirSelections) {
    ToolUnderTest tool;
    tool.controls.userSelect(ids::ChannelCombo, 2);
    tool.controls.userSelect(ids::DateFormatCombo, 0);
    const int redrawsBefore = tool.controls.redraws();

    SwitchTo(tool, UiLanguage::English);
    for (const LabelTexts& label : Labels) {
        EXPECT_EQ(tool.text(label.id), label.english) << label.id;
    }
    EXPECT_EQ(Items(tool, ids::ChannelCombo),
              (std::vector<std::string>{"Temp.", "Humidity", "Temp. + Humidity"}));
    EXPECT_EQ(Items(tool, ids::DateFormatCombo),
              (std::vector<std::string>{"DD/MM/YY", "MM/DD/YY", "YY/MM/DD"}));
    EXPECT_EQ(tool.controls.selection(ids::ChannelCombo), 2);
    EXPECT_EQ(tool.controls.selection(ids::DateFormatCombo), 0);
    EXPECT_EQ(tool.state().uiLanguage, UiLanguage::English);
    EXPECT_GT(tool.controls.redraws(), redrawsBefore);

    SwitchTo(tool, UiLanguage::Chinese);
    for (const LabelTexts& label : Labels) {
        EXPECT_EQ(tool.text(label.id), label.chinese) << label.id;
    }
    EXPECT_EQ(Items(tool, ids::ChannelCombo), (std::vector<std::string>{"温度", "湿度", "温度 + 湿度"}));
    EXPECT_EQ(Items(tool, ids::DateFormatCombo),
              (std::vector<std::string>{"日/月/年", "月/日/年", "年/月/日"}));
    EXPECT_EQ(tool.controls.selection(ids::ChannelCombo), 2);
    EXPECT_EQ(tool.controls.selection(ids::DateFormatCombo), 0);
    EXPECT_EQ(tool.state().uiLanguage, UiLanguage::Chinese);
}

TEST(LanguageSwitch, LeavesUnitsDisplaysAndEditsAlone) {
    ToolUnderTest tool;
    tool.controls.userType(ids::BrandEdit, u"ACME");
    SwitchTo(tool, UiLanguage::English);
    EXPECT_EQ(tool.text(ids::LowTempUnit), "℃");
    EXPECT_EQ(tool.text(ids::BatteryCaption), "电池类型:");
    EXPECT_EQ(tool.text(ids::DateDisplay), "2019/01/01");
    EXPECT_EQ(tool.text(ids::BrandEdit), "ACME");
    EXPECT_EQ(tool.text(ids::ZoneCombo), "UTC+08:00");
    EXPECT_EQ(tool.text(ids::BatteryCombo), "1.5V碱性电池");
}

TEST(LanguageSwitch, EnglishSelectsTheEnglishReportWithoutAskingForTheDateRule) {
    ToolUnderTest tool;
    ASSERT_EQ(tool.controls.selection(ids::ReportLanguageCombo), 1);

    SwitchTo(tool, UiLanguage::English);
    EXPECT_EQ(tool.text(ids::ReportLanguageCombo), "English");
    EXPECT_EQ(tool.state().changeFlags.bits, 0u);

    tool.controls.select(ids::ReportLanguageCombo, 1);
    SwitchTo(tool, UiLanguage::Chinese);
    EXPECT_EQ(tool.text(ids::ReportLanguageCombo), "简体中文");
}

TEST(LanguageSwitch, CaptionsTheWriteButtonByWriteReadyWithoutTouchingItsState) {
    struct Case {
        std::int32_t writeReady;
        UiLanguage language;
        const char* caption;
    };
    const Case cases[] = {
        {0, UiLanguage::English, "Please plug into device"},
        {0, UiLanguage::Chinese, "请插入设备"},
        {1, UiLanguage::English, "Write Configuring(HID)"},
        {1, UiLanguage::Chinese, "写入配置(HID)"},
    };
    for (const Case& c : cases) {
        ToolUnderTest tool;
        // A finished write: the button says "Configuring..." and stays disabled.
        tool.controls.setText(ids::WriteButton, u"Configuring...");
        tool.state().writeReady = c.writeReady;
        if (c.language == UiLanguage::Chinese) {
            SwitchTo(tool, UiLanguage::English);
        }
        SwitchTo(tool, c.language);
        EXPECT_EQ(tool.text(ids::WriteButton), c.caption);
        EXPECT_FALSE(tool.controls.isEnabled(ids::WriteButton));
    }
}

}  // namespace
}  // namespace lc::testing
