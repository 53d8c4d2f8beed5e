#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "link/EnumerateLoggers.h"
#include "tests/link/LinkBench.h"

namespace lc::testing {
namespace {

constexpr const char* IllegalFrame = "HID接收到非法帧!";

struct ReportCase {
    std::uint8_t frameLength;
    int reportBytes;
    std::optional<std::int32_t> published;  // nullopt: dropped
    std::vector<std::string> messages;
};

void PrintTo(const ReportCase& report, std::ostream* out) {
    *out << "frame length " << int(report.frameLength) << " in " << report.reportBytes << " bytes";
}

class WorkerInputReports : public ::testing::TestWithParam<ReportCase> {};

TEST_P(WorkerInputReports, PublishesValidFramesAndDropsTheRest) {
    const ReportCase report = GetParam();
    LinkBench bench;
    sim::VirtualLogger& logger = bench.openLogger();
    bench.awaitReply();

    bench.bus.sendInputReport(logger, Frame(0x55, report.frameLength, report.reportBytes));
    // A valid report after it shows whether the worker read on.
    if (!report.published) {
        ASSERT_TRUE(bench.pumpUntil([&] { return bench.messages.shown.size() == report.messages.size(); }));
        bench.bus.sendInputReport(logger, Frame(0x66, 7));
    }

    ASSERT_TRUE(bench.pumpUntil([&] { return bench.published(); }, 2500ms));
    EXPECT_EQ(bench.session.rxReport[1], report.published ? 0x55 : 0x66);
    EXPECT_EQ(bench.session.rxMarker.load(), report.published.value_or(1));
    EXPECT_EQ(bench.messages.texts(), report.messages);
}

INSTANTIATE_TEST_SUITE_P(Logger, WorkerInputReports,
                         ::testing::Values(ReportCase{6, 64, 0, {}},  //
                                           ReportCase{64, 64, 58, {}},
                                           ReportCase{5, 64, std::nullopt, {IllegalFrame}},
                                           ReportCase{65, 64, std::nullopt, {IllegalFrame}},
                                           ReportCase{10, 20, std::nullopt, {}}  // a short report
                                           ));

TEST(LinkWorker, OpensTheFirstOfTwoLoggersAndCountsBoth) {
    LinkBench bench;
    sim::LoggerDescription wrongRelease = sim::DemoLogger();
    wrongRelease.identity.releaseNumber = 0x0401;
    sim::LoggerDescription wrongProduct = sim::DemoLogger();
    wrongProduct.identity.productId = 0x0004;
    bench.bus.plugIn(wrongRelease);
    sim::VirtualLogger& first = bench.bus.plugIn(sim::DemoLogger());
    bench.bus.plugIn(wrongProduct);
    sim::VirtualLogger& second = bench.bus.plugIn(sim::DemoLogger());
    bench.start();

    ASSERT_TRUE(bench.takeNotice(LinkEvent::Opened));

    EXPECT_EQ(bench.session.loggerCount.load(), 2);
    EXPECT_EQ(bench.session.devicePath, bench.bus.pathOf(first));
    EXPECT_EQ(bench.session.interfacePaths[1], bench.bus.pathOf(second));
    EXPECT_EQ(bench.session.interfacePaths[2], "");
    EXPECT_NE(bench.session.readHandle.load(), platform::InvalidHidHandle);
    EXPECT_NE(bench.session.writeHandle.load(), platform::InvalidHidHandle);
}

TEST(EnumerateLoggers, NeverWritesPastTheTableAndCountsEveryLogger) {
    DeviceSession session;
    sim::VirtualHidBus bus;
    for (int logger = 0; logger < 29; ++logger) {
        bus.plugIn(sim::DemoLogger());
    }

    EXPECT_EQ(EnumerateLoggers(session, bus), 29);

    EXPECT_EQ(session.interfacePaths.back(), "virtual/26");
}

TEST(EnumerateLoggers, ClearsThePathsWhenNoLoggerIsPresent) {
    DeviceSession session;
    session.interfacePaths.fill("stale");
    sim::VirtualHidBus bus;

    EXPECT_EQ(EnumerateLoggers(session, bus), 0);

    for (const std::string& path : session.interfacePaths) {
        EXPECT_EQ(path, "");
    }
}

TEST(LinkWorker, ReportsAnUnpluggedLoggerRemovedAndOpensItAgainWhenItIsBack) {
    LinkBench bench;
    sim::VirtualLogger& logger = bench.openLogger();
    const auto unplugged = std::chrono::steady_clock::now();

    bench.bus.unplug(logger);

    ASSERT_TRUE(bench.takeNotice(LinkEvent::Removed, 1500ms));
    EXPECT_LT(std::chrono::steady_clock::now() - unplugged, 1100ms);
    EXPECT_EQ(bench.session.readHandle.load(), platform::InvalidHidHandle);
    EXPECT_EQ(bench.session.writeHandle.load(), platform::InvalidHidHandle);
    EXPECT_TRUE(bench.session.devicePath.empty());
    bench.bus.plugBackIn(logger);
    EXPECT_TRUE(bench.takeNotice(LinkEvent::Opened));
    EXPECT_TRUE(bench.messages.shown.empty());
}

TEST(LinkWorker, ReadsNothingWhileTheOpenedNoticeIsPending) {
    LinkBench bench;
    sim::VirtualLogger& logger = bench.bus.plugIn(sim::DemoLogger());
    bench.start();
    ASSERT_TRUE(bench.pumpUntil([&] { return bench.session.linkEvent.load() == LinkEvent::Opened; }));
    bench.awaitReply();

    bench.bus.sendInputReport(logger, Frame(0x55, 6));
    std::this_thread::sleep_for(50ms);

    EXPECT_EQ(bench.session.rxMarker.load(), NothingOutstanding);
    bench.session.linkEvent.store(LinkEvent::None);
    EXPECT_TRUE(bench.pumpUntil([&] { return bench.published(); }));
}

// What the worker is busy with when the tool is closed.
enum class Busy { Reading, AwaitingHandBack, AwaitingDismissal, Searching };

void PrintTo(Busy busy, std::ostream* out) {
    constexpr const char* Names[] = {"reading", "awaiting hand-back", "awaiting dismissal", "searching"};
    *out << Names[static_cast<int>(busy)];
}

class LinkWorkerStop : public ::testing::TestWithParam<Busy> {};

TEST_P(LinkWorkerStop, StopsAndJoinsPromptly) {
    LinkBench bench;
    if (GetParam() == Busy::Searching) {
        bench.start();
    } else {
        sim::VirtualLogger& logger = bench.openLogger();
        if (GetParam() == Busy::AwaitingHandBack) {
            bench.awaitReply();
            bench.bus.sendInputReport(logger, Frame(0x55, 6));
            ASSERT_TRUE(bench.pumpUntil([&] { return bench.published(); }));
        }
        if (GetParam() == Busy::AwaitingDismissal) {
            bench.bus.sendInputReport(logger, Frame(0x55, 70));
        }
    }
    // Nobody pumps the UI thread now: a message the worker asked for is never dismissed.
    std::this_thread::sleep_for(30ms);
    const auto stopping = std::chrono::steady_clock::now();

    bench.worker.reset();

    EXPECT_LT(std::chrono::steady_clock::now() - stopping, 200ms);
    EXPECT_EQ(bench.uiDispatch.runPending() > 0, GetParam() == Busy::AwaitingDismissal);
    EXPECT_TRUE(bench.messages.shown.empty());  // the stopped worker's message is never shown
}

INSTANTIATE_TEST_SUITE_P(Worker, LinkWorkerStop,
                         ::testing::Values(Busy::Reading, Busy::AwaitingHandBack, Busy::AwaitingDismissal,
                                           Busy::Searching));

}  // namespace
}  // namespace lc::testing
