#include <gtest/gtest.h>

#include <string>

#include "tests/app/ToolUnderTest.h"
#include "vocabulary/ControlIds.h"

namespace lc::testing {
namespace {

struct ControlDefault {
    platform::ControlId id;
    const char* text;  // for a combo, the selected item
    int selection;     // -1 for controls that are no combo
    bool checked;
    bool enabled;
};

// What a technician sees in a freshly opened window, before any logger.
constexpr ControlDefault FreshWindow[] = {
    {ids::ZoneCombo, "UTC+08:00", 8, false, true},
    {ids::DateFormatCombo, "年/月/日", 2, false, true},
    {ids::ChannelCombo, "温度", 0, false, true},
    {ids::UnitCombo, "℃", 0, false, true},
    {ids::ReportLanguageCombo, "简体中文", 1, false, true},
    {ids::BatteryCombo, "1.5V碱性电池", 2, false, false},
    {ids::WindowLanguageCombo, "中文", 0, false, true},
    {ids::StartDelayEdit, "60", -1, false, true},
    {ids::IntervalEdit, "5", -1, false, true},
    {ids::LowTempEdit, "2.0", -1, false, true},
    {ids::HighTempEdit, "8.0", -1, false, true},
    {ids::LowHumidityEdit, "20.0", -1, false, true},
    {ids::HighHumidityEdit, "80.0", -1, false, true},
    {ids::BrandEdit, "", -1, false, true},
    {ids::DeviceNameEdit, "", -1, false, true},
    {ids::CustomTextEdit, "", -1, false, true},
    {ids::WebAddressEdit, "", -1, false, false},
    {ids::DeviceIdEdit, "", -1, false, false},
    {ids::IgnoreLastEdit, "0", -1, false, true},
    {ids::AutoStartBox, "", -1, true, true},
    {ids::AlertBox, "", -1, false, true},
    {ids::LockBox, "", -1, false, true},
    {ids::PushDeleteBox, "", -1, false, true},
    {ids::AutoIncreaseBox, "", -1, false, false},
    {ids::WriteButton, "请插入设备", -1, false, false},
    {ids::DurationDisplay, "最大记录时长:", -1, false, true},
};

TEST(FreshWindow, ShowsTheDefaultsOfEveryControl) {
    ToolUnderTest tool;
    for (const ControlDefault& expected : FreshWindow) {
        SCOPED_TRACE(expected.id);
        EXPECT_EQ(tool.text(expected.id), expected.text);
        if (expected.selection >= 0) {
            EXPECT_EQ(tool.controls.selection(expected.id), expected.selection);
        }
        EXPECT_EQ(tool.controls.isChecked(expected.id), expected.checked);
        EXPECT_EQ(tool.controls.isEnabled(expected.id), expected.enabled);
    }
}

TEST(FreshWindow, HoldsTheDefaultThresholdsAndNoPendingWork) {
    ToolUnderTest tool;
    const WindowState& state = tool.state();
    // The edits' own change notifications while they were filled must not survive as work.
    EXPECT_EQ(state.changeFlags.bits, 0u);
    EXPECT_DOUBLE_EQ(state.thresholds.lowC, 2.0);
    EXPECT_DOUBLE_EQ(state.thresholds.lowF, 35.6);
    EXPECT_DOUBLE_EQ(state.thresholds.highC, 8.0);
    EXPECT_DOUBLE_EQ(state.thresholds.highF, 46.4);
    EXPECT_EQ(state.deviceInfo.tempLimitLow, -2000);
    EXPECT_EQ(state.deviceInfo.tempLimitHigh, 2000);
    EXPECT_EQ(state.configPacket.writeStage, WriteStage::NoPacket);
    EXPECT_EQ(state.session.updateState.load(), UpdateState::Idle);
    EXPECT_EQ(state.writeReady, 0);
    EXPECT_TRUE(tool.timer.running());
    EXPECT_EQ(tool.timer.periodMs(), 50);
}

}  // namespace
}  // namespace lc::testing
