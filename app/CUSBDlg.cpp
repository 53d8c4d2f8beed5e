#include "app/CUSBDlg.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <system_error>
#include <utility>

#include "app/ChannelRule.h"
#include "app/DurationDisplay.h"
#include "app/LanguageSwitch.h"
#include "app/LockRule.h"
#include "app/WriteButton.h"
#include "app/resources/WindowTexts.h"
#include "form/DateDisplay.h"
#include "form/FormCollection.h"
#include "form/LoggerClockStep.h"
#include "form/ReportLanguageDateFormat.h"
#include "form/TemperatureThresholds.h"
#include "form/ThresholdEdits.h"
#include "form/ZoneSync.h"
#include "link/ReadInfoBlock.h"
#include "protocol/ApplyInfoBlock.h"
#include "protocol/BuildConfigPacket.h"
#include "protocol/DecodeDeviceInfo.h"
#include "protocol/TransferConfigPacket.h"
#include "protocol/firmware/FirmwareTick.h"
#include "vocabulary/ControlIds.h"

namespace lc {
namespace {

constexpr int TickPeriodMs = 50;
constexpr int TransferTickPeriodMs = 100;

constexpr resources::Bilingual SettingInterrupted{
    u"配置中断,请确保设备连接良好!", u"Setting interrupted, please make sure the device keeping connection!"};

// What a click or a selection asks the next tick for; controls without a row ask for nothing.
struct ChangeBit {
    platform::ControlId id;
    std::uint32_t bit;
};

constexpr ChangeBit ClickBits[] = {
    {ids::WriteButton, change::WriteRequest},
    {ids::AlertBox, change::RefreshChannel},
    {ids::LockBox, change::ApplyLock},
};

constexpr ChangeBit SelectionBits[] = {
    {ids::ZoneCombo, change::SyncZone},
    {ids::DateFormatCombo, change::RefreshDate},
    {ids::ChannelCombo, change::RefreshChannel},
    {ids::UnitCombo, change::RefreshUnit},
    {ids::ReportLanguageCombo, change::FollowReportLanguage},
};

template <std::size_t N>
std::uint32_t ChangeBitOf(const ChangeBit (&bits)[N], platform::ControlId id) {
    for (const ChangeBit& entry : bits) {
        if (entry.id == id) {
            return entry.bit;
        }
    }
    return 0;
}

void Show(WindowServices& services, const resources::Bilingual& message) {
    services.messages.show(std::u16string(message.in(CurrentLanguage(services.controls))));
}

}  // namespace

CUSBDlg::CUSBDlg(const WindowServices& services, FirmwareImages images)
    : services_(services),
      ui_{services.controls, services.messages},
      state_(std::make_unique<WindowState>()),
      images_(std::move(images)),
      firmwareUpdate_(state_->session, images_, services.hid, ui_, services.uiDispatch) {
    services_.timer.setHandler([this] { OnTimer(); });
}

CUSBDlg::~CUSBDlg() {
    services_.timer.stop();
    linkWorker_.reset();
}

Link CUSBDlg::loggerLink() {
    return {state_->session, services_.hid, services_.messages};
}

void CUSBDlg::OnInitDialog() {
    platform::Controls& controls = services_.controls;
    WindowState& s = *state_;

    // The session is fresh: no paths, no logger, no notice, both handles invalid, nothing outstanding.
    linkWorker_ = std::make_unique<LinkWorker>(s.session, services_.hid, services_.uiDispatch,
                                               services_.messages, &firmwareUpdate_);
    try {
        linkWorker_->start();
    } catch (const std::system_error&) {
        // The system has no thread to spare for the link: the window still opens, without a logger.
        linkWorker_.reset();
    }

    controls.select(ids::ZoneCombo, 8);
    controls.select(ids::DateFormatCombo, 2);
    controls.select(ids::ChannelCombo, 0);
    controls.select(ids::UnitCombo, 0);
    controls.select(ids::ReportLanguageCombo, 1);
    controls.select(ids::BatteryCombo, 2);
    controls.select(ids::WindowLanguageCombo, static_cast<int>(s.uiLanguage));

    controls.setText(ids::StartDelayEdit, u"60");
    controls.setText(ids::IntervalEdit, u"5");
    controls.setText(ids::LowTempEdit, u"2.0");
    s.thresholds.lowC = 2.0;
    s.thresholds.lowF = 35.6;
    s.deviceInfo.tempLimitLow = -2000;
    controls.setText(ids::HighTempEdit, u"8.0");
    s.thresholds.highC = 8.0;
    s.thresholds.highF = 46.4;
    s.deviceInfo.tempLimitHigh = 2000;
    controls.setText(ids::LowHumidityEdit, u"20.0");
    controls.setText(ids::HighHumidityEdit, u"80.0");
    for (platform::ControlId text :
         {ids::BrandEdit, ids::DeviceNameEdit, ids::CustomTextEdit, ids::WebAddressEdit, ids::DeviceIdEdit}) {
        controls.setText(text, u"");
    }
    controls.setText(ids::IgnoreLastEdit, u"0");

    controls.setChecked(ids::AutoStartBox, true);

    // After the edits: their change notifications have set bits that no one asked for.
    s.configPacket.usedLength = 0;
    s.configPacket.writeStage = WriteStage::NoPacket;
    s.loggerClock = LoggerClock{};
    s.changeFlags.bits = 0;
    s.session.updateState.store(UpdateState::Idle);

    services_.timer.start(TickPeriodMs);
}

void CUSBDlg::OnTimer() {
    // Message boxes shown during the tick run their own event loop; no tick may start inside this one.
    services_.timer.stop();
    services_.timer.start(runTick());
    WindowState& s = *state_;
    UpdateLoggerClock(ui_, services_.clock, s.clockDisplay, s.loggerClock, s.changeFlags);
}

int CUSBDlg::runTick() {
    WindowState& s = *state_;
    if (!s.firstTickDone) {
        // A logger the worker has already opened is taken on the next tick.
        s.firstTickDone = true;
        ResetToNoLogger();
        return TickPeriodMs;
    }
    if (WatchFirmwareTransfer(s.session, ui_)) {
        return TransferTickPeriodMs;
    }
    takeLinkNotice();
    ProcessChangeFlags();
    TransferConfigPacket({loggerLink(), services_.controls, s.configPacket, s.deviceInfo});
    return TickPeriodMs;
}

void CUSBDlg::takeLinkNotice() {
    DeviceSession& session = state_->session;
    switch (session.linkEvent.load()) {
        case LinkEvent::Opened:
            // Handing the notice back lets the worker go on listening to the logger.
            session.linkEvent.store(LinkEvent::None);
            takeOpenedLogger();
            break;
        case LinkEvent::Removed:
            session.linkEvent.store(LinkEvent::None);
            ResetToNoLogger();
            break;
        case LinkEvent::None:
            break;
    }
}

// A logger that is not read, not of a known type or refused by a gate leaves the window as it was,
// without a message of the tick's own; it is taken again only when plugged in again.
void CUSBDlg::takeOpenedLogger() {
    WindowState& s = *state_;
    const bool settingsLocked = services_.controls.isChecked(ids::LockBox);
    if (!ReadInfoBlock(loggerLink(), s.infoBlock.bytes)) {
        return;
    }
    ReadLoggerIdentity(s.infoBlock, s.deviceInfo);
    if (!IsConfigurableDeviceType(s.deviceInfo.deviceType)) {
        return;
    }
    const InfoBlockTargets targets{ui_,          s.infoBlock,   s.deviceInfo,
                                   s.thresholds, s.changeFlags, s.loggerClock};
    if (!ApplyInfoBlock(targets, !settingsLocked)) {
        return;
    }
    // A logger back from its firmware update gets the write it was updated for, in this very tick.
    if (!TakeFirmwareRestart(s.session, s.changeFlags)) {
        ShowWriteReady(services_.controls, s.writeReady);
    }
}

void CUSBDlg::onClicked(platform::ControlId id) {
    state_->changeFlags.set(ChangeBitOf(ClickBits, id));
}

void CUSBDlg::onSelectionChanged(platform::ControlId id) {
    // The language switch alone works at once: it only rewrites texts.
    if (id == ids::WindowLanguageCombo) {
        ApplyWindowLanguage(services_.controls, state_->uiLanguage, state_->writeReady);
        return;
    }
    state_->changeFlags.set(ChangeBitOf(SelectionBits, id));
}

void CUSBDlg::onEditChanged(platform::ControlId id) {
    WindowState& s = *state_;
    if (id == ids::IntervalEdit) {
        // Without a logger there is no capacity to tell a duration from.
        if (s.session.loggerCount.load() != 0) {
            s.changeFlags.set(change::RefreshDuration);
        }
        return;
    }
    OnThresholdEditChanged(services_.controls, id, s.thresholds, s.changeFlags);
}

void CUSBDlg::ProcessChangeFlags() {
    WindowState& s = *state_;
    ChangeFlags& flags = s.changeFlags;
    if (flags.bits == 0) {
        return;
    }
    // Each bit is tested against the word as it is now: a message box shown by an earlier step lets
    // handlers set bits that a later test still sees.
    if (flags.take(change::SyncZone)) {
        SyncZoneSelection(ui_, s.clockDisplay);
    }
    if (flags.take(change::RefreshDate)) {
        ShowLoggerDate(services_.controls, s.loggerClock);
    }
    if (flags.take(change::RefreshDuration)) {
        RefreshDurationDisplay(ui_, s.deviceInfo.recordCapacity);
    }
    if (flags.take(change::ReadLowThreshold)) {
        ReadLowTempThreshold(ui_, s.deviceInfo, s.thresholds, Silent);
    }
    if (flags.take(change::ReadHighThreshold)) {
        ReadHighTempThreshold(ui_, s.deviceInfo, s.thresholds, Silent);
    }
    if (flags.take(change::RefreshUnit)) {
        ShowThresholdsInUnit(services_.controls, s.thresholds);
    }
    if (flags.take(change::FollowReportLanguage)) {
        MatchDateFormatToReportLanguage(services_.controls, s.deviceInfo);
    }
    if (flags.take(change::RefreshChannel)) {
        ApplyChannelRule(services_.controls, s.session.loggerCount.load() != 0, s.deviceInfo, flags);
    }
    if (flags.take(change::ApplyLock)) {
        ApplyLockRule(services_.controls);
    }
    if (flags.take(change::WriteRequest)) {
        handleWriteRequest();
    }
}

void CUSBDlg::handleWriteRequest() {
    WindowState& s = *state_;
    // A transfer started, one under way, or a refusal the update has told: the write waits for it.
    if (firmwareUpdate_.StartFirmwareUpdate(s.deviceInfo)) {
        return;
    }
    if (!CollectConfigDraft(ui_, s.deviceInfo, s.thresholds, s.configDraft)) {
        ShowWriteReady(services_.controls, s.writeReady);
        return;
    }
    BuildConfigPacket({s.configDraft, s.thresholds, s.loggerClock, s.deviceInfo, services_.controls},
                      s.configPacket);
    ShowConfiguring(services_.controls);
}

void CUSBDlg::ResetToNoLogger() {
    platform::Controls& controls = services_.controls;
    WindowState& s = *state_;
    if (s.configPacket.writeStage != WriteStage::NoPacket) {
        Show(services_, SettingInterrupted);
    }
    s.configPacket.writeStage = WriteStage::NoPacket;
    s.configPacket.usedLength = 0;
    controls.setText(ids::DurationDisplay,
                     std::u16string(resources::DurationLabel.in(CurrentLanguage(controls))));
    controls.invalidate(ids::DurationDisplay);
    // During a firmware update the button shows the update's progress; the update owns it.
    if (s.session.updateState.load() == UpdateState::Idle) {
        ShowNoLogger(controls, s.writeReady);
    }
}

}  // namespace lc
