#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "sim/BlockFields.h"
#include "sim/LoggerPresets.h"
#include "tests/integration/WindowOnBus.h"
#include "tests/integration/firmware/TestImages.h"
#include "vocabulary/ControlIds.h"

namespace lc {
namespace {

using namespace std::chrono_literals;

// The whole tool carrying every image.
class FirmwareEndToEnd : public ::testing::Test {
  protected:
    FirmwareEndToEnd() { tool.timer.fire(); }

    std::string Button() const { return tool.text(ids::WriteButton); }

    // A model-98 logger one version behind the image, shown and ready for the write.
    sim::VirtualLogger& plugInOlderLogger(std::uint8_t hardwareCode = 0x00) {
        sim::LoggerDescription description = sim::OlderFirmwareLogger();
        description.block[sim::field::HardwareCode] = hardwareCode;
        description.restartDelay = 100ms;
        sim::VirtualLogger& logger = tool.bus.plugIn(description);
        EXPECT_TRUE(tool.runWindowUntil([&] { return Button() == "写入配置(HID)"; }));
        return logger;
    }

    testing::TemporaryFolder folder;
    testing::WindowOnBus tool{testing::SupplyEveryImage(folder)};
};

TEST_F(FirmwareEndToEnd, OnePressUpdatesTheFirmwareThenWritesTheSettingsOnceTheLoggerIsBack) {
    const sim::VirtualLogger& logger = plugInOlderLogger();

    ASSERT_TRUE(tool.controls.userClick(ids::WriteButton));
    tool.timer.fire();
    EXPECT_EQ(tool.window.state().session.updateState.load(), UpdateState::Transferring);
    EXPECT_FALSE(tool.controls.isEnabled(ids::WriteButton));
    EXPECT_EQ(tool.timer.periodMs(), 50);
    tool.timer.fire();
    EXPECT_EQ(tool.timer.periodMs(), 100);

    std::vector<std::string> captions;
    ASSERT_TRUE(tool.runWindowUntil([&] {
        if (captions.empty() || captions.back() != Button()) {
            captions.push_back(Button());
        }
        return testing::CommandsReceived(logger, 0x94) == 1;
    }));

    EXPECT_EQ(logger.receivedImage(), testing::ImageBytes(KindOf(FirmwareModel::Model98)));
    EXPECT_EQ(logger.firmwareViolations(), std::vector<std::string>{});
    EXPECT_EQ(sim::GetFirmwareVersion(logger.block()), 0x4069);
    // The settings go to the restarted logger, after the closing frame, without a second press.
    const std::vector<platform::HidReport> reports = logger.receivedReports();
    const auto closing =
        std::ranges::find_if(reports, [](const platform::HidReport& r) { return r[1] == 0x7F; });
    const auto store =
        std::ranges::find_if(reports, [](const platform::HidReport& r) { return r[1] == 0x94; });
    EXPECT_LT(closing, store);
    EXPECT_EQ(testing::CommandsReceived(logger, 0x7F), 1);
    EXPECT_EQ(tool.window.state().session.updateState.load(), UpdateState::Idle);
    EXPECT_EQ(Button(), "配置中...");
    EXPECT_TRUE(tool.messages.shown.empty());
    // The restart caption stays on show while the logger is away, until the write takes the button.
    ASSERT_GE(captions.size(), 2u);
    EXPECT_EQ(captions[captions.size() - 2], "正在更新固件");
}

TEST_F(FirmwareEndToEnd, ALoggerThatComesBackStillOlderIsUpdatedAgainBeforeTheWrite) {
    sim::VirtualLogger& logger = plugInOlderLogger();
    logger.keepFirmwareAtRestarts(1);

    ASSERT_TRUE(tool.controls.userClick(ids::WriteButton));
    tool.timer.fire();
    ASSERT_TRUE(tool.runWindowUntil([&] { return testing::CommandsReceived(logger, 0x94) == 1; }));

    EXPECT_EQ(testing::CommandsReceived(logger, 0x7F), 2);
    EXPECT_EQ(sim::GetFirmwareVersion(logger.block()), 0x4069);
    EXPECT_EQ(logger.firmwareViolations(), std::vector<std::string>{});
    EXPECT_TRUE(tool.messages.shown.empty());
}

TEST_F(FirmwareEndToEnd, AnImageForOtherHardwareIsRefusedAndTheSettingsAreWrittenAsTheyAre) {
    const sim::VirtualLogger& logger = plugInOlderLogger(0x01);

    ASSERT_TRUE(tool.controls.userClick(ids::WriteButton));
    tool.timer.fire();
    ASSERT_TRUE(tool.runWindowUntil([&] { return testing::CommandsReceived(logger, 0x94) == 1; }));

    EXPECT_EQ(tool.messages.texts(), std::vector<std::string>{"固件PID/VID不匹配!"});
    EXPECT_EQ(testing::CommandsReceived(logger, 0x93), 0);
    EXPECT_EQ(sim::GetFirmwareVersion(logger.block()), 0x4068);
    EXPECT_EQ(Button(), "配置中...");
}

TEST_F(FirmwareEndToEnd, PulledOutDuringTheTransferTheToolSaysSoAndTakesTheLoggerAgain) {
    sim::VirtualLogger& logger = plugInOlderLogger();
    logger.leaveAtRequest(200);

    ASSERT_TRUE(tool.controls.userClick(ids::WriteButton));
    tool.timer.fire();
    ASSERT_TRUE(tool.runWindowUntil([&] { return Button() == "请插入设备"; }));
    EXPECT_EQ(tool.messages.texts(), std::vector<std::string>{"升级中断,请确保设备连接良好!"});
    EXPECT_EQ(tool.window.state().session.updateState.load(), UpdateState::Idle);

    tool.bus.plugBackIn(logger);
    EXPECT_TRUE(tool.runWindowUntil([&] { return Button() == "写入配置(HID)"; }));
    EXPECT_TRUE(tool.controls.isEnabled(ids::WriteButton));
    EXPECT_EQ(testing::CommandsReceived(logger, 0x94), 0);
}

}  // namespace
}  // namespace lc
