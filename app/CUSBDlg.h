#pragma once

#include <memory>

#include "app/WindowServices.h"
#include "app/WindowState.h"
#include "platform/Controls.h"
#include "platform/Ui.h"

namespace lc {

// The configuration window's logic: its defaults, the tick that does all of its work, and the control
// handlers that only record what changed for the next tick.
class CUSBDlg : public platform::ControlEvents {
  public:
    explicit CUSBDlg(const WindowServices& services);
    ~CUSBDlg() override;
    CUSBDlg(const CUSBDlg&) = delete;
    CUSBDlg& operator=(const CUSBDlg&) = delete;

    // Sets the form's defaults and starts the tick; once, after the window's controls exist.
    void OnInitDialog();
    // The handler of the tick timer.
    void OnTimer();

    void onClicked(platform::ControlId id) override;
    void onSelectionChanged(platform::ControlId id) override;
    void onEditChanged(platform::ControlId id) override;

    WindowState& state() { return *state_; }
    const WindowState& state() const { return *state_; }

  private:
    // The tick's work between stopping and re-arming the timer; returns the next period.
    int RunTick();
    void EndInterruptedTransfer();
    void TakeLinkNotice();
    void ProcessChangeFlags();
    void HandleWriteRequest();
    void ResetToNoLogger();

    WindowServices services_;
    platform::Ui ui_;
    // On the heap: the information block alone is a quarter of a megabyte.
    std::unique_ptr<WindowState> state_;
};

}  // namespace lc
