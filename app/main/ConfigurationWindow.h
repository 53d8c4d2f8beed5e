#pragma once

#include <memory>

#include "app/CUSBDlg.h"
#include "app/main/MessageOutput.h"
#include "platform/HidAccess.h"
#include "platform/posix/SystemLocalClock.h"
#include "platform/qt/QtControls.h"
#include "platform/qt/QtTimer.h"
#include "platform/qt/QtUiDispatch.h"
#include "platform/qt/TemplateDialog.h"
#include "protocol/firmware/FirmwareImages.h"

namespace lc {

// The configuration window: the real dialog and its controls, the window's logic on them, its tick
// timer, its messages (boxes unless told otherwise) and the About item of its menu. Loggers are
// reached through hid.
class ConfigurationWindow {
  public:
    // With the firmware images supplied beside the program or installed with it.
    explicit ConfigurationWindow(platform::HidAccess& hid, MessageOutput output = MessageOutput::Boxes);
    ConfigurationWindow(platform::HidAccess& hid, FirmwareImages images,
                        MessageOutput output = MessageOutput::Boxes);
    ~ConfigurationWindow();
    ConfigurationWindow(const ConfigurationWindow&) = delete;
    ConfigurationWindow& operator=(const ConfigurationWindow&) = delete;

    // Initialises the window and runs it modally until the technician closes it.
    void run();

    platform::TemplateDialog& dialog() { return dialog_; }
    platform::QtControls& controls() { return controls_; }
    CUSBDlg& logic() { return logic_; }

  private:
    void openAboutBox();

    platform::DialogArt art_;
    platform::TemplateDialog dialog_;
    platform::QtControls controls_;
    std::unique_ptr<platform::MessageBox> messages_;
    platform::QtTimer timer_;
    platform::QtUiDispatch uiDispatch_;
    platform::SystemLocalClock clock_;
    // Last: it stops its timer and its link worker before the services above go away.
    CUSBDlg logic_;
};

}  // namespace lc
