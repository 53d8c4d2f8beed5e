#include <gtest/gtest.h>

#include <mutex>
#include <vector>

#include "link/FirmwareFrameSender.h"
#include "tests/link/LinkBench.h"

namespace lc::testing {
namespace {

// Records which frames the worker asks for.
class RecordingFrameSender : public FirmwareFrameSender {
  public:
    void SendFirmwareFrame(bool again) override {
        std::lock_guard lock(mutex_);
        calls_.push_back(again);
    }
    std::vector<bool> calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }

  private:
    mutable std::mutex mutex_;
    std::vector<bool> calls_;
};

// A logger mid-transfer: the first data frame has gone out from the UI thread.
struct TransferBench : LinkBench {
    RecordingFrameSender sender;
    sim::VirtualLogger* logger = nullptr;

    explicit TransferBench(LinkTiming timing = {}) {
        logger = &bus.plugIn(sim::DemoLogger());
        session.txReport[1] = 0x93;
        session.imageLength.store(62464);
        session.imageOffset.store(56);
        session.updateState.store(UpdateState::Transferring);
        start(&sender, timing);
        takeNotice(LinkEvent::Opened);
    }
};

TEST(FirmwareAcknowledgement, AnAcceptedFrameBringsTheNextOneAfterTheReadIsOutstanding) {
    TransferBench bench;

    bench.bus.sendInputReport(*bench.logger, Frame(0x93, 6));

    ASSERT_TRUE(bench.pumpUntil([&] { return !bench.sender.calls().empty(); }));
    EXPECT_EQ(bench.sender.calls(), std::vector<bool>{false});
    EXPECT_EQ(bench.session.rxMarker.load(), ReadOutstanding);  // consumed, and the next read issued
    EXPECT_EQ(bench.session.updateState.load(), UpdateState::Transferring);
    EXPECT_TRUE(bench.messages.shown.empty());
}

TEST(FirmwareAcknowledgement, AForeignReplyToADataFrameRejectsTheTransfer) {
    TransferBench bench;

    bench.bus.sendInputReport(*bench.logger, Frame(0x90, 7));

    ASSERT_TRUE(bench.pumpUntil([&] { return !bench.messages.shown.empty(); }));
    EXPECT_EQ(bench.messages.texts(), std::vector<std::string>{"升级操作被拒绝!"});
    EXPECT_EQ(bench.session.updateState.load(), UpdateState::Idle);
    EXPECT_EQ(bench.session.imageLength.load(), 0u);
    EXPECT_EQ(bench.session.imageOffset.load(), 0u);
    std::this_thread::sleep_for(30ms);
    EXPECT_TRUE(bench.sender.calls().empty());
}

TEST(FirmwareAcknowledgement, SilenceForASecondWritesTheSameFrameAgain) {
    TransferBench bench;

    ASSERT_TRUE(bench.pumpUntil([&] { return !bench.sender.calls().empty(); }, 1500ms));

    EXPECT_EQ(bench.sender.calls(), std::vector<bool>{true});
}

TEST(FirmwareAcknowledgement, ALoggerThatAcknowledgesNoRepeatIsLetGoAndOpenedAfresh) {
    LinkTiming quick;
    quick.firmwareFramePace = 100ms;
    quick.firmwareFrameRepeats = 3;
    TransferBench bench(quick);

    // Let go as if it had left, so that the window abandons the transfer with its interruption message.
    ASSERT_TRUE(bench.pumpUntil([&] { return bench.session.linkEvent.load() == LinkEvent::Removed; }, 5s));
    EXPECT_EQ(bench.sender.calls(), std::vector<bool>(3, true));
    EXPECT_EQ(bench.session.writeHandle.load(), platform::InvalidHidHandle);
    EXPECT_TRUE(bench.messages.shown.empty());

    bench.session.updateState.store(UpdateState::Idle);  // as the window does when it abandons it
    bench.session.linkEvent.store(LinkEvent::None);
    EXPECT_TRUE(bench.takeNotice(LinkEvent::Opened));
    EXPECT_EQ(bench.sender.calls().size(), 3u);
}

TEST(FirmwareAcknowledgement, AnAcknowledgementStartsTheRepeatCountAfresh) {
    LinkTiming quick;
    quick.firmwareFramePace = 300ms;
    quick.firmwareFrameRepeats = 2;
    TransferBench bench(quick);
    ASSERT_TRUE(bench.pumpUntil([&] { return bench.sender.calls().size() == 2; }));

    bench.bus.sendInputReport(*bench.logger, Frame(0x93, 6));

    ASSERT_TRUE(bench.pumpUntil([&] { return bench.sender.calls().size() == 5; }, 5s));
    EXPECT_EQ(bench.sender.calls(), (std::vector<bool>{true, true, false, true, true}));
    EXPECT_EQ(bench.session.linkEvent.load(), LinkEvent::None);
}

}  // namespace
}  // namespace lc::testing
