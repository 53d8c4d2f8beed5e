#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "sim/LoggerPresets.h"
#include "tests/integration/WindowOnBus.h"
#include "tests/integration/firmware/TestImages.h"
#include "vocabulary/ControlIds.h"

namespace lc::testing {
namespace {

using namespace std::chrono_literals;

std::string ButtonOf(const WindowOnBus& tool) {
    return tool.text(ids::WriteButton);
}

TEST(StalledLogger, AWriteItNeverTakesFailsWithinSecondsAndTheWindowGoesOn) {
    WindowOnBus tool;
    tool.timer.fire();
    sim::VirtualLogger& logger = tool.bus.plugIn(sim::DemoLogger());
    ASSERT_TRUE(tool.runWindowUntil([&] { return ButtonOf(tool) == "写入配置(HID)"; }));
    const std::size_t readRequests = logger.receivedReports().size();
    // Its endpoint takes nothing: every write is held until its time limit.
    tool.bus.injectFault(logger, sim::VirtualHidBus::Fault::StallWrite, 1000);

    ASSERT_TRUE(tool.controls.userClick(ids::WriteButton));
    const auto pressed = std::chrono::steady_clock::now();
    tool.timer.fire();  // the tick that builds and sends the packet

    EXPECT_LT(std::chrono::steady_clock::now() - pressed, 6s) << "the window stayed frozen";
    EXPECT_EQ(tool.messages.texts(), std::vector<std::string>{"配置失败(命令发送失败)!"});
    EXPECT_EQ(logger.receivedReports().size(), readRequests);
    EXPECT_TRUE(tool.timer.running());
}

TEST(SilentLogger, AFirmwareTransferItStopsAcknowledgingIsAbandonedAndTheLoggerShownAgain) {
    TemporaryFolder folder;
    WindowOnBus tool{SupplyEveryImage(folder)};
    tool.timer.fire();
    sim::VirtualLogger& logger = tool.bus.plugIn(sim::OlderFirmwareLogger());
    ASSERT_TRUE(tool.runWindowUntil([&] { return ButtonOf(tool) == "写入配置(HID)"; }));

    ASSERT_TRUE(tool.controls.userClick(ids::WriteButton));
    tool.timer.fire();
    ASSERT_TRUE(tool.runWindowUntil([&] { return CommandsReceived(logger, 0x93) >= 20; }));
    // The frame then in flight and every repeat of it go unacknowledged; after that it answers again.
    logger.swallowReplies(1 + 5);

    ASSERT_TRUE(tool.runWindowUntil([&] { return !tool.messages.shown.empty(); }));
    EXPECT_EQ(tool.messages.texts(), std::vector<std::string>{"升级中断,请确保设备连接良好!"});
    EXPECT_EQ(tool.window.state().session.updateState.load(), UpdateState::Idle);
    // Still plugged in: opened again, read and offered for a write.
    EXPECT_TRUE(tool.runWindowUntil([&] { return ButtonOf(tool) == "写入配置(HID)"; }));
    EXPECT_TRUE(tool.controls.isEnabled(ids::WriteButton));
    EXPECT_EQ(CommandsReceived(logger, 0x7F), 0);
    EXPECT_EQ(CommandsReceived(logger, 0x94), 0);
}

}  // namespace
}  // namespace lc::testing
