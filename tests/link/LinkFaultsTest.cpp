#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <functional>
#include <future>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "link/ReadInfoBlock.h"
#include "link/SendCommand.h"
#include "tests/link/LinkBench.h"

namespace lc::testing {
namespace {

using Fault = sim::VirtualHidBus::Fault;

// More write attempts than fit in a request's bound (one each 500 ms for 3 s): the logger would take
// the report in the end, but not before the request has given up.
constexpr int PastTheBound = 8;

// A request that must end by itself; if it does not, the logger is pulled out so that the test ends.
int BoundedRequest(LinkBench& bench, const sim::VirtualLogger& logger, std::uint8_t command, bool& ended) {
    auto request = std::async(std::launch::async, [&] { return SendCommand(bench.link, command, 6, 0, {}); });
    ended = request.wait_for(10s) == std::future_status::ready;
    if (!ended) {
        bench.bus.unplug(logger);
    }
    return request.get();
}

struct WriteFaultCase {
    const char* what;
    std::uint8_t command;
    std::function<void(LinkBench&, sim::VirtualLogger&)> inject;
    int result;
    std::vector<std::string> messages;
};

void PrintTo(const WriteFaultCase& tested, std::ostream* out) {
    *out << tested.what;
}

class SendCommandWriteFaults : public ::testing::TestWithParam<WriteFaultCase> {};

TEST_P(SendCommandWriteFaults, EndWithinTheRequestBoundWithTheirResult) {
    const WriteFaultCase& tested = GetParam();
    LinkBench bench;
    sim::VirtualLogger& logger = bench.openLogger();
    tested.inject(bench, logger);

    bool ended = false;
    const int result = BoundedRequest(bench, logger, tested.command, ended);

    EXPECT_TRUE(ended) << "the window would stay frozen";
    EXPECT_EQ(result, tested.result);
    EXPECT_EQ(bench.messages.texts(), tested.messages);
    EXPECT_TRUE(logger.receivedReports().empty());
    // The logger is still there and the link still works.
    EXPECT_EQ(SendCommand(bench.link, 0x15, 6, 0, {}), 0);
    EXPECT_EQ(bench.session.rxReport[1], 0x15);
}

INSTANTIATE_TEST_SUITE_P(
    Logger, SendCommandWriteFaults,
    ::testing::Values(WriteFaultCase{"a logger whose endpoint takes nothing",
                                     0x15,
                                     [](LinkBench& bench, sim::VirtualLogger& logger) {
                                         bench.bus.injectFault(logger, Fault::StallWrite, PastTheBound);
                                     },
                                     2,
                                     {}},
                      WriteFaultCase{"a logger that refuses every output report",
                                     0x15,
                                     [](LinkBench&, sim::VirtualLogger& logger) {
                                         logger.refuseOutputReports(PastTheBound);
                                     },
                                     2,
                                     {}},
                      WriteFaultCase{"the store command on a stalled endpoint",
                                     0x94,
                                     [](LinkBench& bench, sim::VirtualLogger& logger) {
                                         bench.bus.injectFault(logger, Fault::StallWrite, PastTheBound);
                                     },
                                     2,
                                     {}},
                      WriteFaultCase{"a short write",
                                     0x15,
                                     [](LinkBench& bench, sim::VirtualLogger& logger) {
                                         bench.bus.injectFault(logger, Fault::ShortWrite, 1);
                                     },
                                     3,
                                     {}},
                      WriteFaultCase{"a failed write wait",
                                     0x15,
                                     [](LinkBench& bench, sim::VirtualLogger& logger) {
                                         bench.bus.injectFault(logger, Fault::FailWriteWait, 1);
                                     },
                                     -1,
                                     {"HID发送未知错误!"}}));

TEST(LinkWorker, AFailedReadWaitIsToldAndTheWorkerReadsOn) {
    LinkBench bench;
    sim::VirtualLogger& logger = bench.bus.plugIn(sim::DemoLogger());
    bench.bus.injectFault(logger, Fault::FailReadWait, 1);
    bench.start();
    ASSERT_TRUE(bench.takeNotice(LinkEvent::Opened));

    ASSERT_TRUE(bench.pumpUntil([&] { return !bench.messages.shown.empty(); }));

    EXPECT_EQ(bench.messages.texts(), std::vector<std::string>{"HID接收错误!"});
    EXPECT_EQ(SendCommand(bench.link, 0x15, 6, 0, {}), 0);
    EXPECT_EQ(bench.session.rxReport[1], 0x15);
}

class HalfOpen : public ::testing::TestWithParam<Fault> {};

TEST_P(HalfOpen, ClosesTheHalfThatOpenedAndOpensBothOnALaterPass) {
    LinkBench bench;
    sim::VirtualLogger& logger = bench.bus.plugIn(sim::DemoLogger());
    bench.bus.injectFault(logger, GetParam(), 2);
    bench.start();

    ASSERT_TRUE(bench.takeNotice(LinkEvent::Opened));

    EXPECT_EQ(bench.bus.openHandles(logger), 2u);
    EXPECT_TRUE(bench.messages.shown.empty());
    std::array<std::uint8_t, 1024> block{};
    EXPECT_TRUE(ReadInfoBlock(bench.link, block));
}

INSTANTIATE_TEST_SUITE_P(Logger, HalfOpen, ::testing::Values(Fault::RefuseReadOpen, Fault::RefuseWriteOpen));

struct StrayCase {
    const char* what;
    UpdateState state;
};

void PrintTo(const StrayCase& tested, std::ostream* out) {
    *out << tested.what;
}

class UnrequestedReport : public ::testing::TestWithParam<StrayCase> {};

TEST_P(UnrequestedReport, NeitherHidesTheRemovalNorKeepsTheNextLoggerOut) {
    LinkBench bench;
    sim::VirtualLogger& first = bench.openLogger();
    bench.session.updateState.store(GetParam().state);
    bench.bus.sendInputReport(first, Frame(0x55, 7));
    std::this_thread::sleep_for(50ms);  // the worker has taken it by now

    const auto unplugged = std::chrono::steady_clock::now();
    bench.bus.unplug(first);

    ASSERT_TRUE(bench.takeNotice(LinkEvent::Removed, 5s));
    EXPECT_LT(std::chrono::steady_clock::now() - unplugged, 2500ms)
        << "removal noticed within about a second";
    const sim::VirtualLogger& second = bench.bus.plugIn(sim::DemoLogger());
    ASSERT_TRUE(bench.takeNotice(LinkEvent::Opened));
    EXPECT_EQ(bench.session.devicePath, bench.bus.pathOf(second));
}

INSTANTIATE_TEST_SUITE_P(Logger, UnrequestedReport,
                         ::testing::Values(StrayCase{"while nobody asks", UpdateState::Idle},
                                           StrayCase{"after the closing frame",
                                                     UpdateState::AwaitingRestart}));

TEST(UnrequestedReport, ALateReplyIsThrownAwayOnceItsRequestHasGivenUp) {
    LinkBench bench;
    sim::VirtualLogger& logger = bench.openLogger();
    logger.swallowReplies(1);
    ASSERT_EQ(SendCommand(bench.link, 0x15, 6, 0, {}), 2);

    bench.bus.sendInputReport(logger, Frame(0x15, 6));  // the reply, too late

    // Thrown away, and the worker listens on: nothing stays published.
    ASSERT_TRUE(bench.pumpUntil([&] { return bench.session.rxMarker.load() == ReadOutstanding; }));
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(bench.session.rxMarker.load(), ReadOutstanding);
}

}  // namespace
}  // namespace lc::testing
