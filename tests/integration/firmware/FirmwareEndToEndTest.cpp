#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "app/CUSBDlg.h"
#include "app/resources/ControlIds.h"
#include "platform/Text.h"
#include "sim/BlockFields.h"
#include "sim/LoggerPresets.h"
#include "sim/VirtualHidBus.h"
#include "tests/fakes/FakeControls.h"
#include "tests/fakes/FakeLocalClock.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/fakes/FakeTimer.h"
#include "tests/fakes/FakeUiDispatch.h"
#include "tests/integration/firmware/TestImages.h"

namespace lc {
namespace {

using namespace std::chrono_literals;

// The whole tool on fakes and a virtual bus, carrying every image, with the test thread as its UI
// thread: the tick runs when the test fires the timer, the worker's hand-overs when it pumps.
class FirmwareEndToEnd : public ::testing::Test {
  protected:
    FirmwareEndToEnd() {
        controls.setEvents(&window);
        window.OnInitDialog();
        timer.fire();
    }
    ~FirmwareEndToEnd() override { controls.setEvents(nullptr); }

    // Runs the window as its event loop would until done() holds; false after the time limit.
    template <typename Done>
    bool RunWindowUntil(Done done) {
        const auto deadline = std::chrono::steady_clock::now() + 20s;
        while (std::chrono::steady_clock::now() < deadline) {
            uiDispatch.runPending();
            timer.fire();
            if (done()) {
                return true;
            }
            std::this_thread::sleep_for(2ms);
        }
        return false;
    }

    std::string Button() const { return platform::Utf16ToUtf8(controls.text(ids::WriteButton)); }

    static long Received(const sim::VirtualLogger& logger, std::uint8_t command) {
        const std::vector<platform::HidReport> reports = logger.receivedReports();
        return std::ranges::count_if(reports, [&](const platform::HidReport& r) { return r[1] == command; });
    }

    testing::TemporaryFolder folder;
    fakes::FakeControls controls;
    fakes::FakeMessageBox messages;
    fakes::FakeTimer timer;
    fakes::FakeUiDispatch uiDispatch;
    fakes::FakeLocalClock clock;
    sim::VirtualHidBus bus;
    CUSBDlg window{WindowServices{controls, messages, timer, uiDispatch, clock, bus},
                   testing::SupplyEveryImage(folder)};
};

TEST_F(FirmwareEndToEnd, OnePressUpdatesTheFirmwareThenWritesTheSettingsOnceTheLoggerIsBack) {
    sim::LoggerDescription description = sim::DemoLogger();
    sim::PutFirmwareVersion(description.block, 0x4068);
    description.restartDelay = 100ms;
    const sim::VirtualLogger& logger = bus.plugIn(description);
    ASSERT_TRUE(RunWindowUntil([&] { return Button() == "写入配置(HID)"; }));

    ASSERT_TRUE(controls.userClick(ids::WriteButton));
    timer.fire();
    EXPECT_EQ(window.state().session.updateState.load(), UpdateState::Transferring);
    EXPECT_FALSE(controls.isEnabled(ids::WriteButton));
    EXPECT_EQ(timer.periodMs(), 50);
    timer.fire();
    EXPECT_EQ(timer.periodMs(), 100);

    std::vector<std::string> captions;
    ASSERT_TRUE(RunWindowUntil([&] {
        if (captions.empty() || captions.back() != Button()) {
            captions.push_back(Button());
        }
        return Received(logger, 0x94) == 1;
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
    EXPECT_EQ(Received(logger, 0x7F), 1);
    EXPECT_EQ(window.state().session.updateState.load(), UpdateState::Idle);
    EXPECT_EQ(Button(), "配置中...");
    EXPECT_TRUE(messages.shown.empty());
    // The restart caption stays on show while the logger is away, until the write takes the button.
    ASSERT_GE(captions.size(), 2u);
    EXPECT_EQ(captions[captions.size() - 2], "正在更新固件");
}

}  // namespace
}  // namespace lc
