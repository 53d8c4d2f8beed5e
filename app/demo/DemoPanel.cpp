#include "app/demo/DemoPanel.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "sim/LoggerPresets.h"

namespace lc::demo {
namespace {

// Every firmware update sends over a thousand frames; in a long demonstration the oldest lines go.
constexpr int FrameLogLines = 20000;
constexpr int LogRefreshMs = 50;
constexpr int PanelWidth = 480;
constexpr int NarrowestPanelWidth = 320;
constexpr int GapToWindow = 8;

}  // namespace

DemoPanel::DemoPanel(sim::VirtualHidBus& bus, sim::VirtualHidBus::FrameObserver echo, QWidget* owner)
    : QWidget(owner, Qt::Window),
      bus_(bus),
      echo_(std::move(echo)),
      presets_(new QComboBox),
      plugInButton_(new QPushButton(QStringLiteral("Plug in"))),
      unplugButton_(new QPushButton(QStringLiteral("Unplug"))),
      frameLog_(new QPlainTextEdit) {
    setWindowTitle(QStringLiteral("Virtual logger"));
    for (const sim::LoggerPreset& preset : sim::PresetCatalogue()) {
        presets_->addItem(QString::fromUtf8(preset.name));
    }
    loggers_.resize(sim::PresetCatalogue().size(), nullptr);
    frameLog_->setReadOnly(true);
    frameLog_->setMaximumBlockCount(FrameLogLines);
    frameLog_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    frameLog_->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(plugInButton_);
    buttons->addWidget(unplugButton_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Logger on the virtual USB bus:")));
    layout->addWidget(presets_);
    layout->addLayout(buttons);
    layout->addWidget(new QLabel(QStringLiteral("Reports the logger received:")));
    layout->addWidget(frameLog_, 1);

    connect(plugInButton_, &QPushButton::clicked, this, [this] { plugIn(); });
    connect(unplugButton_, &QPushButton::clicked, this, [this] { unplug(); });
    showWhetherPlugged();
    connect(&logRefresh_, &QTimer::timeout, this, [this] { showPendingLines(); });
    logRefresh_.start(LogRefreshMs);
    bus_.setFrameObserver([this](const std::string& line) { takeLine(line); });
}

DemoPanel::~DemoPanel() {
    // The bus reports under its lock, so no line is on its way to this panel once this returns.
    bus_.setFrameObserver(echo_);
}

void DemoPanel::plugIn() {
    if (plugged_ != nullptr) {
        return;
    }
    const auto preset = static_cast<std::size_t>(presets_->currentIndex());
    if (loggers_[preset] == nullptr) {
        loggers_[preset] = &bus_.plugIn(sim::PresetCatalogue()[preset].describe());
    } else {
        bus_.plugBackIn(*loggers_[preset]);
    }
    plugged_ = loggers_[preset];
    showWhetherPlugged();
}

void DemoPanel::unplug() {
    if (plugged_ == nullptr) {
        return;
    }
    bus_.unplug(*plugged_);
    plugged_ = nullptr;
    showWhetherPlugged();
}

void DemoPanel::showBeside(QWidget& window) {
    // The pair is wider than many screens: the window moves left as far as it must (its size stays),
    // and the panel takes what room is left, down to a narrowest width that may leave the screen.
    const QRect screen = window.screen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    const int pairWidth = frame.width() + GapToWindow + PanelWidth;
    const int pairLeft = std::max(screen.left(), std::min(frame.left(), screen.right() + 1 - pairWidth));
    window.move(window.pos() + QPoint(pairLeft - frame.left(), 0));
    const int left = pairLeft + frame.width() + GapToWindow;
    resize(std::clamp(screen.right() + 1 - left, NarrowestPanelWidth, PanelWidth), window.height());
    move(left, frame.top());
    show();
}

void DemoPanel::takeLine(const std::string& line) {
    if (echo_) {
        echo_(line);
    }
    // Widgets belong to the UI thread; the line may come from the link worker.
    pendingLines_.add(line);
}

void DemoPanel::showPendingLines() {
    for (const std::string& line : pendingLines_.takeAll()) {
        frameLog_->appendPlainText(QString::fromStdString(line));
    }
}

void DemoPanel::showWhetherPlugged() {
    const bool plugged = plugged_ != nullptr;
    presets_->setEnabled(!plugged);  // the combo names the logger that is in
    plugInButton_->setEnabled(!plugged);
    unplugButton_->setEnabled(plugged);
}

}  // namespace lc::demo
