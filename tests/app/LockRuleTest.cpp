#include <gtest/gtest.h>

#include "tests/app/ToolUnderTest.h"
#include "vocabulary/ControlIds.h"

namespace lc::testing {
namespace {

constexpr platform::ControlId LockedWithTheForm[] = {
    ids::ZoneCombo,           ids::DateFormatCombo, ids::StartDelayEdit,
    ids::IntervalEdit,        ids::ChannelCombo,    ids::UnitCombo,
    ids::ReportLanguageCombo, ids::BatteryCombo,    ids::PushDeleteBox,
    ids::BrandEdit,           ids::DeviceNameEdit,  ids::CustomTextEdit,
    ids::WebAddressEdit,      ids::IgnoreLastEdit,  ids::AlertBox,
};

// The lock box, the first tick done: the lock rule runs on the tick after each click.
struct LockedForm : ::testing::Test {
    LockedForm() { tool.tick(); }

    void clickLockAndTick() {
        ASSERT_TRUE(tool.controls.userClick(ids::LockBox));
        tool.tick();
    }

    ToolUnderTest tool;
};

TEST_F(LockedForm, LockingDisablesTheSettingsAndLeavesTheRestAlone) {
    clickLockAndTick();
    for (platform::ControlId id : LockedWithTheForm) {
        EXPECT_FALSE(tool.controls.isEnabled(id)) << id;
    }
    tool.expectThresholdEdits(false, false);
    EXPECT_TRUE(tool.controls.isEnabled(ids::AutoStartBox));
    EXPECT_TRUE(tool.controls.isEnabled(ids::LockBox));
    EXPECT_TRUE(tool.controls.isEnabled(ids::WindowLanguageCombo));
    EXPECT_FALSE(tool.controls.isEnabled(ids::DeviceIdEdit));
    EXPECT_FALSE(tool.state().changeFlags.isSet(change::ApplyLock));
}

TEST_F(LockedForm, UnlockingEnablesTheSettingsAndTheWebAddress) {
    clickLockAndTick();
    clickLockAndTick();
    for (platform::ControlId id : LockedWithTheForm) {
        EXPECT_TRUE(tool.controls.isEnabled(id)) << id;
    }
    EXPECT_FALSE(tool.controls.isEnabled(ids::DeviceIdEdit));
}

TEST_F(LockedForm, UnlockingEnablesTheThresholdEditsByAlertBoxAndChannel) {
    struct Case {
        bool alerts;
        int channel;
        bool temperature;
        bool humidity;
    };
    const Case cases[] = {
        {false, 0, false, false}, {false, 2, false, false}, {true, 0, true, false},
        {true, 1, false, true},   {true, 2, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.channel);
        tool.controls.setChecked(ids::AlertBox, c.alerts);
        tool.controls.select(ids::ChannelCombo, c.channel);
        clickLockAndTick();
        tool.expectThresholdEdits(false, false);
        clickLockAndTick();
        tool.expectThresholdEdits(c.temperature, c.humidity);
    }
}

}  // namespace
}  // namespace lc::testing
