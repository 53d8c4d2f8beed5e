#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/hid/HidapiAccess.h"
#include "sim/BlockFields.h"
#include "sim/LoggerPresets.h"
#include "tests/integration/WindowOnBus.h"
#include "tests/integration/firmware/TestImages.h"
#include "tests/kernel/LoggerGadget.h"
#include "vocabulary/ControlIds.h"

// These tests run inside the test machine, as root, with the dummy controller's two ports
// (dummy_udc.0 and dummy_udc.1) free and no udev daemon: every hidraw node is root's alone.
namespace lc::testing {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using KernelWindow = WindowOn<platform::HidapiAccess>;

constexpr const char* Ready = "写入配置(HID)";
constexpr const char* NoLogger = "请插入设备";

long Milliseconds(Clock::duration duration) {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(duration).count());
}

// The whole tool, carrying every firmware image, on the machine's own USB stack.
class OnTheMachine : public ::testing::Test {
  protected:
    std::string button() const { return tool.text(ids::WriteButton); }
    bool shows(const char* caption) {
        return tool.runWindowUntil([&] { return button() == caption; });
    }
    void press() {
        ASSERT_TRUE(tool.controls.userClick(ids::WriteButton));
        tool.timer.fire();
    }

    TemporaryFolder folder;
    KernelWindow tool{SupplyEveryImage(folder)};
};

TEST_F(OnTheMachine, FindsTheLoggerByItsReleaseNumberAndLeavesAnotherReleaseAlone) {
    sim::LoggerDescription otherRelease = sim::DemoLogger();
    otherRelease.identity.releaseNumber = 0x0401;
    LoggerGadget other("other", "dummy_udc.1", otherRelease);
    LoggerGadget gadget("logger", "dummy_udc.0", sim::DemoLogger());

    ASSERT_TRUE(shows(Ready));

    std::vector<std::uint16_t> releases;
    for (const platform::HidInterfaceInfo& found : tool.bus.enumerate()) {
        EXPECT_EQ(found.path.rfind("/dev/hidraw", 0), 0u) << found.path;
        EXPECT_EQ(found.vendorId, 0x8888);
        EXPECT_EQ(found.productId, 0x0003);
        releases.push_back(found.releaseNumber);
    }
    std::ranges::sort(releases);
    EXPECT_EQ(releases, (std::vector<std::uint16_t>{0x0400, 0x0401}));
    EXPECT_EQ(CommandsReceived(gadget.logger(), 0x91), 9);
    EXPECT_TRUE(other.logger().receivedReports().empty());
    EXPECT_EQ(tool.text(ids::DeviceNameEdit), "Demo TH Logger");
    EXPECT_TRUE(tool.messages.shown.empty());
}

TEST_F(OnTheMachine, WritesAWholeConfigurationThatTheLoggerKeepsAndShowsOnTheNextRead) {
    LoggerGadget gadget("logger", "dummy_udc.0", sim::DemoLogger());
    ASSERT_TRUE(shows(Ready));
    const std::size_t beforeWrite = gadget.logger().receivedReports().size();
    ASSERT_TRUE(tool.controls.userType(ids::DeviceNameEdit, u"Cold room 3"));
    tool.timer.fire();

    press();
    ASSERT_TRUE(tool.runWindowUntil([&] { return CommandsReceived(gadget.logger(), 0x94) == 1; }));

    EXPECT_EQ(gadget.logger().receivedReports().size() - beforeWrite, 32u);
    gadget.unplug();
    ASSERT_TRUE(shows(NoLogger));
    ASSERT_TRUE(tool.controls.userType(ids::DeviceNameEdit, u"Typed over"));
    gadget.plugIn();
    ASSERT_TRUE(shows(Ready));
    EXPECT_EQ(tool.text(ids::DeviceNameEdit), "Cold room 3");
    EXPECT_TRUE(tool.messages.shown.empty());
}

TEST_F(OnTheMachine, UpdatesOutdatedFirmwareThenWritesOnceTheLoggerIsBackWithItsNewVersion) {
    sim::LoggerDescription older = sim::OlderFirmwareLogger();
    older.restartDelay = 300ms;
    LoggerGadget gadget("logger", "dummy_udc.0", older);
    const sim::VirtualLogger& logger = gadget.logger();
    ASSERT_TRUE(shows(Ready));

    press();
    ASSERT_TRUE(tool.runWindowUntil([&] { return CommandsReceived(logger, 0x94) == 1; }));

    EXPECT_EQ(logger.receivedImage(), ImageBytes(KindOf(FirmwareModel::Model98)));
    EXPECT_EQ(logger.firmwareViolations(), std::vector<std::string>{});
    EXPECT_EQ(sim::GetFirmwareVersion(logger.block()), 0x4069);
    EXPECT_EQ(CommandsReceived(logger, 0x7F), 1);
    // The logger left after the closing frame and was read again before the settings went.
    EXPECT_TRUE(gadget.unpluggedAt().has_value());
    const std::vector<platform::HidReport> reports = logger.receivedReports();
    const auto command = [&](std::uint8_t code) {
        return std::ranges::find_if(reports, [&](const platform::HidReport& r) { return r[1] == code; });
    };
    const auto closing = command(0x7F);
    EXPECT_LT(closing, command(0x94));
    EXPECT_NE(std::find_if(closing, reports.end(), [](const platform::HidReport& r) { return r[1] == 0x91; }),
              reports.end());
    EXPECT_TRUE(tool.messages.shown.empty());
}

// Where the logger is pulled out, and what the technician is told.
struct RemovalCase {
    const char* name;
    sim::LoggerDescription (*describe)();
    int leavesAtRequest;  // 0: unplugged while the tool is idle
    bool pressWrite;
    std::vector<std::string> messages;
};

void PrintTo(const RemovalCase& removal, std::ostream* out) {
    *out << removal.name;
}

class RemovalOnTheMachine : public OnTheMachine, public ::testing::WithParamInterface<RemovalCase> {};

TEST_P(RemovalOnTheMachine, IsNoticedWithinAboutASecondAndTheLoggerIsTakenAgainWhenBack) {
    const RemovalCase& removal = GetParam();
    LoggerGadget gadget("logger", "dummy_udc.0", removal.describe());
    if (removal.pressWrite) {
        ASSERT_TRUE(shows(Ready));
    }
    if (removal.leavesAtRequest > 0) {
        gadget.logger().leaveAtRequest(removal.leavesAtRequest);
    }
    if (removal.pressWrite) {
        press();
    }
    if (removal.leavesAtRequest == 0) {
        ASSERT_TRUE(shows(Ready));
        gadget.unplug();
    }

    ASSERT_TRUE(
        tool.runWindowUntil([&] { return gadget.unpluggedAt().has_value() && button() == NoLogger; }));
    const long noticedAfter = Milliseconds(Clock::now() - *gadget.unpluggedAt());

    EXPECT_LT(noticedAfter, 2000) << "removal noticed after " << noticedAfter << " ms";
    EXPECT_EQ(tool.messages.texts(), removal.messages);
    gadget.plugIn();
    EXPECT_TRUE(shows(Ready));
}

INSTANTIATE_TEST_SUITE_P(
    Logger, RemovalOnTheMachine,
    ::testing::Values(RemovalCase{"Idle", sim::DemoLogger, 0, false, {}},
                      RemovalCase{"DuringTheInformationRead", sim::DemoLogger, 3, false, {}},
                      RemovalCase{"DuringTheFirmwareTransfer",
                                  sim::OlderFirmwareLogger,
                                  200,
                                  true,
                                  {"升级中断,请确保设备连接良好!"}}),
    [](const ::testing::TestParamInfo<RemovalCase>& removal) { return std::string(removal.param.name); });

TEST_F(OnTheMachine, ALoggerThatStopsAnsweringEndsTheWriteAtTheRequestBound) {
    LoggerGadget gadget("logger", "dummy_udc.0", sim::DemoLogger());
    ASSERT_TRUE(shows(Ready));
    gadget.logger().swallowReplies(1000);

    const Clock::time_point pressed = Clock::now();
    press();
    ASSERT_TRUE(tool.runWindowUntil([&] { return !tool.messages.shown.empty(); }));
    const long endedAfter = Milliseconds(Clock::now() - pressed);

    EXPECT_EQ(tool.messages.texts(), std::vector<std::string>{"配置失败(命令发送失败)!"});
    // The request waits its 3000 polls, then gives up, and the tool goes on.
    EXPECT_GE(endedAfter, 3000);
    EXPECT_LT(endedAfter, 12000);
    EXPECT_EQ(CommandsReceived(gadget.logger(), 0x94), 0);
}

// The path of the logger's interface with this release number.
std::string PathOf(platform::HidAccess& hid, std::uint16_t releaseNumber) {
    for (const platform::HidInterfaceInfo& found : hid.enumerate()) {
        if (found.releaseNumber == releaseNumber) {
            return found.path;
        }
    }
    return {};
}

TEST(HidapiOnTheMachine, AWriteToALoggerThatTakesNoMoreReportsEndsWithinItsLimit) {
    LoggerGadget gadget("logger", "dummy_udc.0", sim::DemoLogger());
    platform::HidapiAccess hid;
    std::string path;
    ASSERT_TRUE(KernelWindow::eventually([&] { return !(path = PathOf(hid, 0x0400)).empty(); }));
    const platform::HidHandle handle = hid.openForWriting(path);
    ASSERT_NE(handle, platform::InvalidHidHandle);
    gadget.stopReading();

    // The controller holds a few reports for the device side; the write after them finds no room.
    platform::HidReport request{0x01, 0x91, 0x06};
    std::vector<platform::HidIo> outcomes;
    long longest = 0;
    while (outcomes.size() < 8 && (outcomes.empty() || outcomes.back() == platform::HidIo::Completed)) {
        const Clock::time_point started = Clock::now();
        outcomes.push_back(hid.write(handle, request, 500).outcome);
        longest = std::max(longest, Milliseconds(Clock::now() - started));
    }

    EXPECT_LT(longest, 1500) << "the longest write took " << longest << " ms";
    EXPECT_EQ(outcomes.front(), platform::HidIo::Completed);
    EXPECT_EQ(outcomes.back(), platform::HidIo::TimedOut);
    hid.close(handle);
}

// The process acts as an unprivileged user until the end of the scope.
class ActingAsNobody {
  public:
    ActingAsNobody() { EXPECT_EQ(::seteuid(65534), 0); }
    ~ActingAsNobody() { EXPECT_EQ(::seteuid(0), 0); }
    ActingAsNobody(const ActingAsNobody&) = delete;
    ActingAsNobody& operator=(const ActingAsNobody&) = delete;
};

TEST(PermissionsOnTheMachine, ALoggerTheUserMayNotOpenHangsNothing) {
    LoggerGadget gadget("logger", "dummy_udc.0", sim::DemoLogger());
    ActingAsNobody nobody;
    Clock::time_point closing;
    {
        KernelWindow tool;
        std::string path;
        ASSERT_TRUE(KernelWindow::eventually([&] { return !(path = PathOf(tool.bus, 0x0400)).empty(); }));
        EXPECT_EQ(tool.bus.openForReading(path), platform::InvalidHidHandle);
        const Clock::time_point until = Clock::now() + 3s;
        ASSERT_TRUE(tool.runWindowUntil([&] { return Clock::now() > until; }));

        EXPECT_EQ(tool.text(ids::WriteButton), NoLogger);
        EXPECT_TRUE(gadget.logger().receivedReports().empty());
        closing = Clock::now();
    }
    EXPECT_LT(Milliseconds(Clock::now() - closing), 3000);
}

}  // namespace
}  // namespace lc::testing
