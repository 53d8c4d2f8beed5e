#pragma once

#include <memory>

#include "app/WindowServices.h"
#include "app/WindowState.h"
#include "link/Link.h"
#include "link/LinkWorker.h"
#include "platform/Controls.h"
#include "platform/Ui.h"
#include "protocol/firmware/FirmwareImages.h"
#include "protocol/firmware/FirmwareUpdate.h"

namespace lc {

// The configuration window's logic: its defaults, the tick that does all of its work, and the control
// handlers that only record what changed for the next tick. The tick timer is connected to OnTimer
// here; the window routes its controls' notifications to this object's ControlEvents.
class CUSBDlg : public platform::ControlEvents {
  public:
    // With the firmware images the tool may send; without one for a model, its loggers are not updated.
    CUSBDlg(const WindowServices& services, FirmwareImages images);
    // Stops the tick and the link worker, and waits for the worker to end.
    ~CUSBDlg() override;
    CUSBDlg(const CUSBDlg&) = delete;
    CUSBDlg& operator=(const CUSBDlg&) = delete;

    // Starts the link worker, sets the form's defaults and starts the tick; once, after the window's
    // controls exist.
    void OnInitDialog();
    // The handler of the tick timer.
    void OnTimer();

    void onClicked(platform::ControlId id) override;
    void onSelectionChanged(platform::ControlId id) override;
    void onEditChanged(platform::ControlId id) override;

    WindowState& state() { return *state_; }
    const WindowState& state() const { return *state_; }

  private:
    // Helpers of our own are named in lower camel case; the window's routines keep their given names.
    // The tick's work between stopping and re-arming the timer; returns the next period.
    int runTick();
    void takeLinkNotice();
    void takeOpenedLogger();
    void ProcessChangeFlags();
    void handleWriteRequest();
    void ResetToNoLogger();
    Link loggerLink();

    WindowServices services_;
    platform::Ui ui_;
    // On the heap: the information block alone is a quarter of a megabyte.
    std::unique_ptr<WindowState> state_;
    FirmwareImages images_;
    FirmwareUpdate firmwareUpdate_;
    // Last, so that it is stopped before anything it uses goes away.
    std::unique_ptr<LinkWorker> linkWorker_;
};

}  // namespace lc
