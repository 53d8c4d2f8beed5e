#pragma once

#include <string>
#include <vector>

#include "app/CUSBDlg.h"
#include "platform/HidAccess.h"
#include "platform/Text.h"
#include "tests/fakes/FakeControls.h"
#include "tests/fakes/FakeLocalClock.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/fakes/FakeTimer.h"
#include "tests/fakes/FakeUiDispatch.h"

namespace lc::testing {

// A HID bus with nothing on it.
class EmptyHidBus : public platform::HidAccess {
  public:
    std::vector<platform::HidInterfaceInfo> enumerate() override { return {}; }
    platform::HidHandle openForReading(const std::string&) override { return platform::InvalidHidHandle; }
    platform::HidHandle openForWriting(const std::string&) override { return platform::InvalidHidHandle; }
    void close(platform::HidHandle) override {}
    platform::HidTransfer read(platform::HidHandle, platform::HidReport&, int) override { return {}; }
    platform::HidTransfer write(platform::HidHandle, const platform::HidReport&, int) override { return {}; }
    bool exists(const std::string&) override { return false; }
};

// A configuration window on fakes, initialised as start-up leaves it.
struct ToolUnderTest {
    ToolUnderTest() {
        controls.setEvents(&window);
        window.OnInitDialog();
    }
    ~ToolUnderTest() { controls.setEvents(nullptr); }

    std::string text(platform::ControlId id) const { return platform::Utf16ToUtf8(controls.text(id)); }
    WindowState& state() { return window.state(); }
    void tick() { timer.fire(); }

    fakes::FakeControls controls;
    fakes::FakeMessageBox messages;
    fakes::FakeTimer timer;
    fakes::FakeUiDispatch uiDispatch;
    fakes::FakeLocalClock clock;
    EmptyHidBus hid;
    CUSBDlg window{WindowServices{controls, messages, timer, uiDispatch, clock, hid}};
};

}  // namespace lc::testing
