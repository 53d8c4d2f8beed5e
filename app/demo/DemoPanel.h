#pragma once

#include <QTimer>
#include <QWidget>
#include <string>
#include <vector>

#include "app/demo/PendingLines.h"
#include "sim/VirtualHidBus.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;

namespace lc::demo {

// The demonstration's own window beside the configuration window: which virtual logger to plug into
// the bus, plugging it in and out, and a log of every frame the loggers receive.
class DemoPanel : public QWidget {
  public:
    // Takes the bus's lines for its log; every line also goes to echo, on the thread that reports it
    // (the link worker's, for frames). With an owner the panel is a window of the owner's, so that
    // the owner's modal run leaves it usable.
    DemoPanel(sim::VirtualHidBus& bus, sim::VirtualHidBus::FrameObserver echo, QWidget* owner = nullptr);
    // Hands the bus's lines back to echo alone.
    ~DemoPanel() override;
    DemoPanel(const DemoPanel&) = delete;
    DemoPanel& operator=(const DemoPanel&) = delete;

    // The chosen preset's logger: plugged in when first chosen, plugged back in afterwards, so that a
    // logger keeps what was written to it.
    void plugIn();
    void unplug();
    // Shows the panel at the right of the shown window, as tall as it, both on the screen if they fit.
    void showBeside(QWidget& window);

  private:
    void takeLine(const std::string& line);
    void showPendingLines();
    void showWhetherPlugged();

    sim::VirtualHidBus& bus_;
    sim::VirtualHidBus::FrameObserver echo_;
    QComboBox* presets_;
    QPushButton* plugInButton_;
    QPushButton* unplugButton_;
    QPlainTextEdit* frameLog_;
    PendingLines pendingLines_;
    QTimer logRefresh_;
    // Per preset, its logger once it was first plugged in; the bus owns them.
    std::vector<sim::VirtualLogger*> loggers_;
    sim::VirtualLogger* plugged_ = nullptr;
};

}  // namespace lc::demo
