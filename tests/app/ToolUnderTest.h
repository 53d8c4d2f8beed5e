#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "app/CUSBDlg.h"
#include "app/resources/ControlIds.h"
#include "platform/Text.h"
#include "sim/VirtualHidBus.h"
#include "tests/fakes/FakeControls.h"
#include "tests/fakes/FakeLocalClock.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/fakes/FakeTimer.h"
#include "tests/fakes/FakeUiDispatch.h"

namespace lc::testing {

// The configuration tool on fakes and a virtual HID bus, initialised as start-up leaves it: its link
// worker runs, its first tick has not come yet. The tool carries no firmware images.
struct ToolUnderTest {
    ToolUnderTest() {
        controls.setEvents(&window);
        window.OnInitDialog();
    }
    ~ToolUnderTest() { controls.setEvents(nullptr); }

    std::string text(platform::ControlId id) const { return platform::Utf16ToUtf8(controls.text(id)); }
    WindowState& state() { return window.state(); }
    void tick() { timer.fire(); }

    // Waits, within a bound, for what the link worker does on its own thread.
    static bool eventually(const std::function<bool()>& condition) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (!condition()) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return true;
    }

    bool noticePosted(LinkEvent event) {
        return eventually([&] { return state().session.linkEvent.load() == event; });
    }

    // Plugs a logger in and lets the tick take it, as the technician sees it happen.
    sim::VirtualLogger& plugInAndTake(const sim::LoggerDescription& description) {
        sim::VirtualLogger& logger = bus.plugIn(description);
        EXPECT_TRUE(noticePosted(LinkEvent::Opened));
        tick();
        return logger;
    }

    void expectThresholdEdits(bool temperature, bool humidity) const {
        EXPECT_EQ(controls.isEnabled(ids::HighTempEdit), temperature);
        EXPECT_EQ(controls.isEnabled(ids::LowTempEdit), temperature);
        EXPECT_EQ(controls.isEnabled(ids::HighHumidityEdit), humidity);
        EXPECT_EQ(controls.isEnabled(ids::LowHumidityEdit), humidity);
    }

    void unplugAndTake(const sim::VirtualLogger& logger) {
        bus.unplug(logger);
        EXPECT_TRUE(noticePosted(LinkEvent::Removed));
        tick();
    }

    fakes::FakeControls controls;
    fakes::FakeMessageBox messages;
    fakes::FakeTimer timer;
    fakes::FakeUiDispatch uiDispatch;
    fakes::FakeLocalClock clock;
    sim::VirtualHidBus bus;
    CUSBDlg window{WindowServices{controls, messages, timer, uiDispatch, clock, bus},
                   FirmwareImages::Load({})};
};

}  // namespace lc::testing
