#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/LoggerPresets.h"
#include "tests/app/ToolUnderTest.h"
#include "vocabulary/ControlIds.h"

namespace lc::testing {
namespace {

// The demonstration logger shown, the button offering the write.
struct ReadyLogger : ::testing::Test {
    ReadyLogger() : logger(plugIn()) {}

    sim::VirtualLogger& plugIn() {
        tool.tick();
        return tool.plugInAndTake(sim::DemoLogger());
    }

    long storeCommandsReceived() const { return CommandsReceived(logger, 0x94); }

    ToolUnderTest tool;
    sim::VirtualLogger& logger;
};

TEST_F(ReadyLogger, AValidFormIsWrittenInTheSameTickAndTheButtonWaitsForRemoval) {
    tool.controls.userType(ids::DeviceNameEdit, u"Cold room 3");
    ASSERT_TRUE(tool.controls.userClick(ids::WriteButton));
    tool.tick();
    EXPECT_EQ(storeCommandsReceived(), 1);
    EXPECT_EQ(tool.text(ids::WriteButton), "配置中...");
    EXPECT_FALSE(tool.controls.isEnabled(ids::WriteButton));
    EXPECT_EQ(tool.state().configPacket.writeStage, WriteStage::NoPacket);
    tool.tick();
    EXPECT_EQ(tool.text(ids::WriteButton), "配置中...");

    // Plugged in again, the logger shows what was written.
    tool.unplugAndTake(logger);
    tool.bus.plugBackIn(logger);
    ASSERT_TRUE(tool.noticePosted(LinkEvent::Opened));
    tool.tick();
    EXPECT_EQ(tool.text(ids::DeviceNameEdit), "Cold room 3");
    EXPECT_EQ(tool.text(ids::WriteButton), "写入配置(HID)");
}

TEST_F(ReadyLogger, PulledOutMidWriteTellsOfTheSendFailureAloneAndAsksForALogger) {
    logger.leaveAtRequest(5);  // within the custom text
    tool.controls.userClick(ids::WriteButton);
    tool.tick();
    ASSERT_TRUE(tool.noticePosted(LinkEvent::Removed));
    tool.tick();
    // The packet went with the failure, so the removal has no interrupted write to tell of.
    EXPECT_EQ(tool.messages.texts(), std::vector<std::string>{"配置失败(命令发送失败)!"});
    EXPECT_EQ(tool.text(ids::WriteButton), "请插入设备");
}

TEST_F(ReadyLogger, TwoClicksWithinOneTickAreOneWrite) {
    tool.controls.userClick(ids::WriteButton);
    tool.controls.userClick(ids::WriteButton);
    tool.tick();
    tool.tick();
    EXPECT_EQ(storeCommandsReceived(), 1);
}

TEST_F(ReadyLogger, ARefusedFieldLeavesTheButtonOfferingTheWrite) {
    tool.controls.userSelect(ids::WindowLanguageCombo, 1);
    tool.controls.userType(ids::StartDelayEdit, u"2000");
    tool.controls.userClick(ids::WriteButton);
    tool.tick();
    ASSERT_EQ(tool.messages.shown.size(), 1u);
    EXPECT_EQ(storeCommandsReceived(), 0);
    EXPECT_EQ(tool.text(ids::WriteButton), "Write Configuring(HID)");
    EXPECT_TRUE(tool.controls.isEnabled(ids::WriteButton));
    EXPECT_EQ(tool.state().writeReady, 1);
    EXPECT_EQ(tool.controls.focused(), ids::StartDelayEdit);
}

}  // namespace
}  // namespace lc::testing
