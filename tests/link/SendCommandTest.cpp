#include <gtest/gtest.h>

#include <array>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "link/SendCommand.h"
#include "tests/link/LinkBench.h"

namespace lc::testing {
namespace {

platform::HidReport Patterned() {
    platform::HidReport report;
    report.fill(0x5A);
    return report;
}

class SendCommandWithoutLogger : public ::testing::TestWithParam<std::pair<std::uint8_t, int>> {};

TEST_P(SendCommandWithoutLogger, LeavesTheReportAlone) {
    const auto [command, result] = GetParam();
    LinkBench bench;
    bench.session.txReport = Patterned();

    EXPECT_EQ(SendCommand(bench.link, command, 6, 0, {}), result);

    EXPECT_EQ(bench.session.txReport, Patterned());
    EXPECT_TRUE(bench.messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Commands, SendCommandWithoutLogger,
                         ::testing::Values(std::pair<std::uint8_t, int>{0x15, 1},
                                           std::pair<std::uint8_t, int>{0x94, 0},
                                           std::pair<std::uint8_t, int>{0x7F, 0}));

TEST(SendCommand, SendsTheFrameAndLeavesTheReplyPublished) {
    LinkBench bench;
    sim::VirtualLogger& logger = bench.openLogger();
    const std::array<std::uint8_t, 3> payload{0x0A, 0x0B, 0x0C};

    ASSERT_EQ(SendCommand(bench.link, 0x15, 9, 0x12345678, payload), 0);

    // Bits 24..31 of the offset stay behind.
    platform::HidReport expected{0x01, 0x15, 9, 0x78, 0x56, 0x34, 0x0A, 0x0B, 0x0C};
    ASSERT_EQ(logger.receivedReports().size(), 1u);
    EXPECT_EQ(logger.receivedReports()[0], expected);
    EXPECT_EQ(bench.session.rxMarker.load(), 0);
    EXPECT_EQ(bench.session.rxReport[1], 0x15);
}

TEST(SendCommand, AReportTheLoggerRefusesIsWrittenAgainEveryHalfSecondUntilTaken) {
    LinkBench bench;
    sim::VirtualLogger& logger = bench.openLogger();
    logger.refuseOutputReports(2);
    const auto started = std::chrono::steady_clock::now();

    EXPECT_EQ(SendCommand(bench.link, 0x15, 6, 0, {}), 0);

    EXPECT_GE(std::chrono::steady_clock::now() - started, 900ms);
    EXPECT_EQ(logger.receivedReports().size(), 1u);
}

TEST(SendCommand, ALoggerPulledOutWhileTheWorkerHoldsForItsMessageEndsTheRequest) {
    LinkBench bench;
    sim::VirtualLogger& logger = bench.openLogger();
    bench.bus.sendInputReport(logger, Frame(0x55, 5));  // an illegal frame: the worker tells and waits
    const auto deadline = std::chrono::steady_clock::now() + 2s;
    while (!bench.uiDispatch.hasPending() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(1ms);
    }
    ASSERT_TRUE(bench.uiDispatch.hasPending());
    bench.bus.unplug(logger);

    // The UI thread has not shown the message yet, and is the one making the request.
    auto request = std::async(std::launch::async, [&] { return SendCommand(bench.link, 0x15, 6, 0, {}); });
    const bool ended = request.wait_for(10s) == std::future_status::ready;
    bench.uiDispatch.runPending();  // lets the worker go on either way, so the test ends

    EXPECT_TRUE(ended) << "the request must not wait for a worker that waits for this thread";
    EXPECT_EQ(request.get(), 2);
    EXPECT_EQ(bench.messages.texts(), std::vector<std::string>{"HID接收到非法帧!"});
}

TEST(SendCommand, TheEndOfAWriteIsNotWaitedFor) {
    LinkBench bench;
    sim::VirtualLogger& logger = bench.openLogger();
    logger.swallowReplies(1);
    ASSERT_EQ(SendCommand(bench.link, 0x0D, 7, 0, std::array<std::uint8_t, 1>{0}), 2);
    const auto started = std::chrono::steady_clock::now();

    EXPECT_EQ(SendCommand(bench.link, 0x94, 6, 0, {}), 0);

    EXPECT_LT(std::chrono::steady_clock::now() - started, 100ms);
    EXPECT_EQ(logger.receivedReports().back()[1], 0x94);
}

TEST(SendCommand, RefusesAnIllegalFrameLengthWithoutSendingIt) {
    LinkBench bench;
    sim::VirtualLogger& logger = bench.openLogger();
    const std::vector<std::uint8_t> payload(64, 0x11);

    EXPECT_EQ(SendCommand(bench.link, 0x19, 65, 0, payload), -1);

    EXPECT_EQ(bench.messages.texts(), std::vector<std::string>{"HID命令非法:PL错误!"});
    EXPECT_TRUE(logger.receivedReports().empty());
}

TEST(SendCommand, ALoggerLeavingBeforeItRepliesMeansNoLogger) {
    LinkBench bench;
    sim::VirtualLogger& logger = bench.openLogger();
    logger.leaveAtRequest(1);

    EXPECT_EQ(SendCommand(bench.link, 0x15, 6, 0, {}), 1);

    EXPECT_TRUE(bench.takeNotice(LinkEvent::Removed));
    EXPECT_TRUE(bench.messages.shown.empty());
}

}  // namespace
}  // namespace lc::testing
