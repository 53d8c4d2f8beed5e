#pragma once

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "app/CUSBDlg.h"
#include "platform/Text.h"
#include "protocol/firmware/FirmwareImages.h"
#include "sim/VirtualHidBus.h"
#include "tests/fakes/FakeControls.h"
#include "tests/fakes/FakeLocalClock.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/fakes/FakeTimer.h"
#include "tests/fakes/FakeUiDispatch.h"

namespace lc::testing {

// The configuration window's logic on fakes and a HID bus (the virtual one, or the machine's own),
// initialised as start-up leaves it: its link worker runs, its first tick has not come yet. The test
// thread is its UI thread: the tick runs when the test fires the timer, the worker's hand-overs when
// it pumps.
template <class Hid>
struct WindowOn {
    // Without images the tool has no firmware to offer and every write is a configuration write.
    explicit WindowOn(FirmwareImages images = FirmwareImages::Load({}))
        : window{WindowServices{controls, messages, timer, uiDispatch, clock, bus}, std::move(images)} {
        controls.setEvents(&window);
        window.OnInitDialog();
    }
    ~WindowOn() { controls.setEvents(nullptr); }
    WindowOn(const WindowOn&) = delete;
    WindowOn& operator=(const WindowOn&) = delete;

    std::string text(platform::ControlId id) const { return platform::Utf16ToUtf8(controls.text(id)); }

    // Waits, within a bound, for what the link worker does on its own thread.
    static bool eventually(const std::function<bool()>& condition) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    // Runs the window as its event loop would until done() holds; false after the time limit.
    bool runWindowUntil(const std::function<bool()>& done) {
        return eventually([&] {
            uiDispatch.runPending();
            timer.fire();
            return done();
        });
    }

    fakes::FakeControls controls;
    fakes::FakeMessageBox messages;
    fakes::FakeTimer timer;
    fakes::FakeUiDispatch uiDispatch;
    fakes::FakeLocalClock clock;
    Hid bus;
    CUSBDlg window;
};

using WindowOnBus = WindowOn<sim::VirtualHidBus>;

// How many output reports with this command the logger has received.
inline long CommandsReceived(const sim::VirtualLogger& logger, std::uint8_t command) {
    const std::vector<platform::HidReport> reports = logger.receivedReports();
    return std::ranges::count_if(reports,
                                 [&](const platform::HidReport& report) { return report[1] == command; });
}

}  // namespace lc::testing
