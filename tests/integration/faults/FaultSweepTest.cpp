// The fault sweep: every frame of the conversations with a logger, each with every fault the virtual
// logger can bring at that frame, through the real window logic, the real link worker and a virtual
// logger on the virtual bus. Each point shows first that its fault came, then the message the
// technician gets for it (or that none comes), and then that the tool recovers: a fresh logger is
// read into the form and takes what is typed. Faults that need the link's bounds scaled down (the
// swallowed reply, the malformed report) join once those bounds can be set.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/Text.h"
#include "sim/BlockFields.h"
#include "sim/LoggerPresets.h"
#include "tests/integration/WindowOnBus.h"
#include "vocabulary/ControlIds.h"

namespace lc::testing {
namespace {

constexpr const char* Ready = "写入配置(HID)";
constexpr const char* NoLogger = "请插入设备";
constexpr std::uint8_t StoreCommand = 0x94;
constexpr std::uint8_t DeviceNameTag = 0x15;

enum class Fault { Leaves };

struct Phase {
    const char* name;
    sim::LoggerDescription (*describe)();
    int frames;
    bool storedSettings;  // the logger's block carries them, its device ID among them
};

// The configuration write, of a logger of either generation.
constexpr Phase WritePhases[] = {
    {"NewGenerationWrite", sim::DemoLogger, 32, true},
    {"OldGenerationWrite", sim::OldGenerationLogger, 23, false},
};

struct SweepPoint {
    const Phase* phase;
    int frame;  // 1 = the first frame of the phase
    Fault fault;
    std::string what;
    friend void PrintTo(const SweepPoint& point, std::ostream* out) { *out << point.what; }
};

std::vector<SweepPoint> EveryPoint() {
    std::vector<SweepPoint> points;
    for (const Phase& phase : WritePhases) {
        for (int frame = 1; frame <= phase.frames; ++frame) {
            char name[64];
            std::snprintf(name, sizeof name, "%s_Frame%02d_LoggerLeaves", phase.name, frame);
            points.push_back({&phase, frame, Fault::Leaves, name});
        }
    }
    return points;
}

// The message the technician gets, or none: a logger gone at a frame that awaits a reply fails the
// send; the store command awaits none, so a logger leaving as it arrives has taken the whole write.
std::vector<std::string> ExpectedMessages(const SweepPoint& point) {
    if (point.frame == point.phase->frames) {
        return {};
    }
    return {"配置失败(命令发送失败)!"};
}

int pointsRecovered = 0;

class FaultSweep : public ::testing::TestWithParam<SweepPoint> {
  protected:
    // A logger without stored settings keeps the device ID of the logger before it, which the form
    // needs: the window has had the demonstration logger in before.
    FaultSweep() {
        tool.timer.fire();
        const sim::VirtualLogger& before = plugInAndRead(sim::DemoLogger());
        tool.bus.unplug(before);
        EXPECT_TRUE(tool.runWindowUntil([&] { return button() == NoLogger; }));
    }

    std::string button() const { return tool.text(ids::WriteButton); }

    sim::VirtualLogger& plugInAndRead(sim::LoggerDescription description) {
        sim::VirtualLogger& logger = tool.bus.plugIn(std::move(description));
        EXPECT_TRUE(tool.runWindowUntil([&] { return button() == Ready; })) << "the logger is read";
        return logger;
    }

    // A logger without stored settings leaves the brand empty, which the form refuses: the
    // technician types one, and the device name whose arrival shows the write went through.
    void typeAndPressWrite() {
        ASSERT_TRUE(tool.controls.userType(ids::BrandEdit, u"Sweep"));
        ASSERT_TRUE(tool.controls.userType(ids::DeviceNameEdit, u"Swept"));
        tool.timer.fire();
        ASSERT_TRUE(tool.controls.userClick(ids::WriteButton));
        tool.timer.fire();
    }

    WindowOnBus tool;
};

TEST_P(FaultSweep, TheFaultComesIsToldAndAFreshLoggerIsReadAndWritten) {
    const SweepPoint& point = GetParam();
    // Each logger with a device ID of its own, which the form needs and shows.
    sim::LoggerDescription first = point.phase->describe();
    sim::PutText(first.block, sim::field::DeviceId, 20, "SWEEP-1");
    sim::VirtualLogger& faulty = plugInAndRead(first);
    const std::size_t receivedBefore = faulty.receivedReports().size();
    tool.messages.shown.clear();

    faulty.leaveAtRequest(point.frame);
    typeAndPressWrite();
    ASSERT_TRUE(tool.runWindowUntil([&] { return button() == NoLogger; }))
        << "the departure is noticed; the button shows " << button()
        << ", messages: " << ::testing::PrintToString(tool.messages.texts());
    ASSERT_EQ(faulty.receivedReports().size() - receivedBefore, static_cast<std::size_t>(point.frame))
        << "the logger left at its frame";
    EXPECT_EQ(tool.messages.texts(), ExpectedMessages(point));

    sim::LoggerDescription fresh = point.phase->describe();
    sim::PutText(fresh.block, sim::field::DeviceId, 20, "FRESH-42");
    sim::VirtualLogger& recovered = plugInAndRead(fresh);
    if (point.phase->storedSettings) {
        ASSERT_EQ(tool.text(ids::DeviceIdEdit), "FRESH-42") << "the form shows the fresh logger";
    }
    tool.messages.shown.clear();
    typeAndPressWrite();
    ASSERT_TRUE(tool.runWindowUntil([&] { return CommandsReceived(recovered, StoreCommand) == 1; }));
    const std::vector<std::uint8_t> name =
        recovered.itemValue(DeviceNameTag).value_or(std::vector<std::uint8_t>{});
    EXPECT_EQ(std::string(name.begin(), name.begin() + std::min<std::size_t>(name.size(), 5)), "Swept");
    EXPECT_TRUE(tool.messages.shown.empty()) << platform::Utf16ToUtf8(tool.messages.shown.front());
    if (!HasFailure()) {
        ++pointsRecovered;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFrame, FaultSweep, ::testing::ValuesIn(EveryPoint()),
                         [](const ::testing::TestParamInfo<SweepPoint>& point) { return point.param.what; });

// The sweep's account, once every point has run.
class SweepAccount : public ::testing::Environment {
  public:
    void TearDown() override {
        std::printf("fault sweep: %d of the points tried recovered\n", pointsRecovered);
    }
};

const auto* const account = ::testing::AddGlobalTestEnvironment(new SweepAccount);

}  // namespace
}  // namespace lc::testing
