#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "link/LinkWorker.h"
#include "link/ReadInfoBlock.h"
#include "platform/Text.h"
#include "protocol/DecodeDeviceInfo.h"
#include "protocol/firmware/FirmwareTick.h"
#include "protocol/firmware/FirmwareUpdate.h"
#include "sim/BlockFields.h"
#include "sim/LoggerPresets.h"
#include "sim/VirtualHidBus.h"
#include "tests/fakes/FakeControls.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/fakes/FakeUiDispatch.h"
#include "tests/integration/firmware/CaseName.h"
#include "tests/integration/firmware/TestImages.h"
#include "vocabulary/ControlIds.h"

namespace lc {
namespace {

using namespace std::chrono_literals;

struct LoggerModel {
    std::uint16_t firmwareVersion;
    std::uint8_t modelCode;
    std::uint8_t deviceType;
};

constexpr LoggerModel OldModel98{0x4068, 98, 0xA0};

sim::LoggerDescription VirtualLoggerOf(const LoggerModel& model) {
    sim::LoggerDescription description = sim::DemoLogger();
    sim::PutFirmwareVersion(description.block, model.firmwareVersion);
    description.block[sim::field::ModelCode] = model.modelCode;
    description.block[sim::field::CapabilityFlags] |= 0x0C;
    description.block[sim::field::DeviceType] = model.deviceType;
    description.block[sim::field::HardwareCode] = 0x00;
    description.restartDelay = 100ms;
    return description;
}

bool IsFirmwareFrame(const platform::HidReport& report) {
    return report[1] == 0x93 || report[1] == 0x7F;
}

// The bus as the tool sees it, watching that no write on a handle starts while another is under way.
// The first firmware frame's write can be made slow to return, after the logger has it, as a write
// to a real device may be.
class WriteWatch : public platform::HidAccess {
  public:
    explicit WriteWatch(platform::HidAccess& bus) : bus_(bus) {}

    std::vector<platform::HidInterfaceInfo> enumerate() override { return bus_.enumerate(); }
    platform::HidHandle openForReading(const std::string& path) override { return bus_.openForReading(path); }
    platform::HidHandle openForWriting(const std::string& path) override { return bus_.openForWriting(path); }
    void close(platform::HidHandle handle) override { bus_.close(handle); }
    platform::HidTransfer read(platform::HidHandle handle, platform::HidReport& report,
                               int timeoutMs) override {
        return bus_.read(handle, report, timeoutMs);
    }
    platform::HidTransfer write(platform::HidHandle handle, const platform::HidReport& report,
                                int timeoutMs) override {
        if (writesUnderWay_.fetch_add(1) != 0) {
            overlapped_.store(true);
        }
        const bool slow = report[1] == 0x93 && slowFirstFrame_.exchange(false);
        const platform::HidTransfer written = bus_.write(handle, report, timeoutMs);
        if (slow) {
            std::this_thread::sleep_for(50ms);
        }
        writesUnderWay_.fetch_sub(1);
        return written;
    }
    bool exists(const std::string& path) override { return bus_.exists(path); }

    void slowFirstFrame() { slowFirstFrame_.store(true); }
    bool overlapped() const { return overlapped_.load(); }

  private:
    platform::HidAccess& bus_;
    std::atomic<int> writesUnderWay_{0};
    std::atomic<bool> slowFirstFrame_{false};
    std::atomic<bool> overlapped_{false};
};

// The tool's side of the link as the window has it: the real link worker on a virtual bus, the fake
// controls and message box, and the test thread as the UI thread.
class FirmwareTransfer : public ::testing::Test {
  protected:
    FirmwareTransfer() { controls.select(ids::WindowLanguageCombo, 0); }

    // Pumps the UI thread's queue until done() holds; false after the time limit.
    template <typename Done>
    bool PumpUntil(Done done, std::chrono::milliseconds limit = 20s) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < deadline) {
            dispatch.runPending();
            if (done()) {
                return true;
            }
            std::this_thread::sleep_for(1ms);
        }
        return false;
    }

    // What the tick does with an opening: takes the notice, reads the block, decodes it, and offers
    // the write button.
    DeviceInfo TakeOpenedLogger() {
        worker.start();
        EXPECT_TRUE(PumpUntil([&] { return session.linkEvent.load() == LinkEvent::Opened; }));
        session.linkEvent.store(LinkEvent::None);
        EXPECT_TRUE(ReadInfoBlock(Link{session, hid, messages}, block->bytes));
        DeviceInfo info;
        ReadLoggerIdentity(*block, info);
        DecodeDeviceInfo(*block, info);
        controls.setText(ids::WriteButton, u"写入配置(HID)");
        controls.enable(ids::WriteButton, true);
        return info;
    }

    std::vector<platform::HidReport> FirmwareFramesReceived(const sim::VirtualLogger& logger) const {
        std::vector<platform::HidReport> frames;
        for (const platform::HidReport& report : logger.receivedReports()) {
            if (IsFirmwareFrame(report)) {
                frames.push_back(report);
            }
        }
        return frames;
    }

    std::string ButtonText() const { return platform::Utf16ToUtf8(controls.text(ids::WriteButton)); }

    testing::TemporaryFolder folder;
    FirmwareImages images = testing::SupplyEveryImage(folder);
    sim::VirtualHidBus bus;
    WriteWatch hid{bus};
    DeviceSession session;
    std::unique_ptr<InfoBlock> block = std::make_unique<InfoBlock>();
    fakes::FakeControls controls;
    fakes::FakeMessageBox messages;
    fakes::FakeUiDispatch dispatch;
    FirmwareUpdate update{session, images, hid, platform::Ui{controls, messages}, dispatch};
    LinkWorker worker{session, hid, dispatch, messages, &update};
};

TEST_F(FirmwareTransfer, TheLoggerTakesTheWholeImageAndComesBackWithItsVersion) {
    sim::VirtualLogger& logger = bus.plugIn(VirtualLoggerOf(OldModel98));
    ASSERT_TRUE(update.StartFirmwareUpdate(TakeOpenedLogger()));
    EXPECT_FALSE(controls.isEnabled(ids::WriteButton));

    ASSERT_TRUE(PumpUntil([&] { return session.linkEvent.load() == LinkEvent::Removed; }));
    EXPECT_EQ(session.updateState.load(), UpdateState::AwaitingRestart);
    EXPECT_EQ(ButtonText(), "正在更新固件");
    const std::span<const std::uint8_t> image = images.find(FirmwareModel::Model98)->bytes();
    EXPECT_TRUE(std::ranges::equal(logger.receivedImage(), image));
    EXPECT_EQ(logger.firmwareViolations(), std::vector<std::string>{});
    EXPECT_EQ(FirmwareFramesReceived(logger).size(), 1116u + 2u);

    // The tick takes the removal and, once the logger is back and read, asks for the write.
    session.linkEvent.store(LinkEvent::None);
    const DeviceInfo restarted = TakeOpenedLogger();
    EXPECT_EQ(restarted.firmwareVersion, 0x4069);
    ChangeFlags flags;
    EXPECT_TRUE(TakeFirmwareRestart(session, flags));
    EXPECT_TRUE(flags.isSet(change::WriteRequest));
    EXPECT_EQ(session.updateState.load(), UpdateState::Idle);
    EXPECT_FALSE(update.StartFirmwareUpdate(restarted));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FirmwareTransfer, TheWorkerWritesNoFrameWhileTheFirstOneIsStillBeingWritten) {
    sim::VirtualLogger& logger = bus.plugIn(VirtualLoggerOf(OldModel98));
    const DeviceInfo info = TakeOpenedLogger();
    hid.slowFirstFrame();
    ASSERT_TRUE(update.StartFirmwareUpdate(info));

    ASSERT_TRUE(PumpUntil([&] { return session.updateState.load() == UpdateState::AwaitingRestart; }));
    EXPECT_FALSE(hid.overlapped());
    EXPECT_EQ(logger.firmwareViolations(), std::vector<std::string>{});
}

TEST_F(FirmwareTransfer, ARefusedFrameEndsTheTransfer) {
    sim::VirtualLogger& logger = bus.plugIn(VirtualLoggerOf(OldModel98));
    logger.refuseFirmwareFrame(5, 0x90);
    ASSERT_TRUE(update.StartFirmwareUpdate(TakeOpenedLogger()));

    ASSERT_TRUE(PumpUntil([&] { return !messages.shown.empty(); }));
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"升级操作被拒绝!"});
    EXPECT_EQ(session.updateState.load(), UpdateState::Idle);
    EXPECT_EQ(session.imageLength.load(), 0u);
    std::this_thread::sleep_for(1200ms);  // past a read timeout: nothing is written again
    EXPECT_EQ(FirmwareFramesReceived(logger).size(), 5u);
    EXPECT_FALSE(controls.isEnabled(ids::WriteButton));
}

TEST_F(FirmwareTransfer, ALostAcknowledgementBringsTheSameFrameAgainAfterASecond) {
    sim::VirtualLogger& logger = bus.plugIn(VirtualLoggerOf(OldModel98));
    const DeviceInfo info = TakeOpenedLogger();
    logger.swallowReplies(1);
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(update.StartFirmwareUpdate(info));

    ASSERT_TRUE(PumpUntil([&] { return FirmwareFramesReceived(logger).size() >= 2; }));
    EXPECT_GE(std::chrono::steady_clock::now() - started, 950ms);
    const std::vector<platform::HidReport> frames = FirmwareFramesReceived(logger);
    EXPECT_EQ(frames[1], frames[0]);

    ASSERT_TRUE(PumpUntil([&] { return session.updateState.load() == UpdateState::AwaitingRestart; }));
    EXPECT_TRUE(std::ranges::equal(logger.receivedImage(), images.find(FirmwareModel::Model98)->bytes()));
    EXPECT_EQ(logger.firmwareViolations(), std::vector<std::string>{});
}

TEST_F(FirmwareTransfer, AReportLeftPublishedDoesNotStallTheFirstFrame) {
    sim::VirtualLogger& logger = bus.plugIn(VirtualLoggerOf(OldModel98));
    const DeviceInfo info = TakeOpenedLogger();
    sim::InputReport stray;
    stray.bytes = {0x01, 0x55, 6};
    session.replyAwaited.store(true);  // kept for a transaction that still holds it
    bus.sendInputReport(logger, stray);
    ASSERT_TRUE(PumpUntil([&] { return session.rxMarker.load() >= 0; }));

    ASSERT_TRUE(update.StartFirmwareUpdate(info));
    EXPECT_TRUE(PumpUntil([&] { return FirmwareFramesReceived(logger).size() > 100; }, 900ms));
}

struct Interruption {
    const char* what;
    friend void PrintTo(const Interruption& tested, std::ostream* out) { *out << tested.what; }
    int language;
    const char* message;
};

class PulledOut : public FirmwareTransfer, public ::testing::WithParamInterface<Interruption> {};

TEST_P(PulledOut, TheTickAbandonsTheTransferWithTheInterruptionMessage) {
    sim::VirtualLogger& logger = bus.plugIn(VirtualLoggerOf(OldModel98));
    controls.select(ids::WindowLanguageCombo, GetParam().language);
    const DeviceInfo info = TakeOpenedLogger();
    logger.leaveAtRequest(200);
    ASSERT_TRUE(update.StartFirmwareUpdate(info));
    const platform::Ui ui{controls, messages};
    EXPECT_TRUE(WatchFirmwareTransfer(session, ui));

    // The worker closes the handles before it posts the removal.
    ASSERT_TRUE(PumpUntil([&] { return session.linkEvent.load() == LinkEvent::Removed; }));
    EXPECT_EQ(session.writeHandle.load(), platform::InvalidHidHandle);
    EXPECT_FALSE(WatchFirmwareTransfer(session, ui));

    EXPECT_EQ(messages.texts(), std::vector<std::string>{GetParam().message});
    EXPECT_EQ(session.updateState.load(), UpdateState::Idle);
    EXPECT_EQ(session.imageLength.load(), 0u);
    EXPECT_EQ(session.imageOffset.load(), 0u);
    EXPECT_FALSE(WatchFirmwareTransfer(session, ui));
    EXPECT_EQ(messages.shown.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    FirmwareTransfer, PulledOut,
    ::testing::Values(Interruption{"Chinese", 0, "升级中断,请确保设备连接良好!"},
                      Interruption{"English", 1, "Update interrupt,please keep the device connected!"}),
    testing::CaseName());

TEST_F(FirmwareTransfer, TwoLoggersGetNothingAndTheButtonStaysOnOffer) {
    const sim::VirtualLogger& first = bus.plugIn(VirtualLoggerOf(OldModel98));
    bus.plugIn(VirtualLoggerOf(OldModel98));
    const DeviceInfo info = TakeOpenedLogger();
    ASSERT_EQ(session.loggerCount.load(), 2);

    EXPECT_TRUE(update.StartFirmwareUpdate(info));

    EXPECT_EQ(messages.texts(), std::vector<std::string>{"升级失败,请确保只有一个设备插入USB!"});
    EXPECT_EQ(session.updateState.load(), UpdateState::Idle);
    EXPECT_TRUE(controls.isEnabled(ids::WriteButton));
    EXPECT_EQ(ButtonText(), "写入配置(HID)");
    std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(FirmwareFramesReceived(first).empty());
}

TEST_F(FirmwareTransfer, AMalformedImageIsNeverSent) {
    std::vector<std::uint8_t> spoiled = testing::ImageBytes(KindOf(FirmwareModel::Model98));
    spoiled.resize(0xF200);
    testing::WriteImageFile(folder.path(), KindOf(FirmwareModel::Model98).fileName, spoiled);
    images = FirmwareImages::Load({folder.path()});
    const sim::VirtualLogger& logger = bus.plugIn(VirtualLoggerOf(OldModel98));

    EXPECT_FALSE(update.StartFirmwareUpdate(TakeOpenedLogger()));

    std::this_thread::sleep_for(100ms);
    EXPECT_TRUE(FirmwareFramesReceived(logger).empty());
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace lc
