#include "protocol/firmware/FirmwareUpdate.h"

#include <utility>

#include "link/CommandFrame.h"
#include "link/RequestExchange.h"
#include "platform/Text.h"
#include "protocol/firmware/ArmFirmwareImage.h"
#include "protocol/firmware/ChooseFirmwareModel.h"
#include "protocol/firmware/FirmwareFrames.h"
#include "vocabulary/ControlIds.h"

namespace lc {

FirmwareUpdate::FirmwareUpdate(DeviceSession& session, const FirmwareImages& images, platform::HidAccess& hid,
                               platform::Ui ui, platform::UiDispatch& uiDispatch, LinkTiming timing)
    : session_(session), images_(images), hid_(hid), ui_(ui), uiDispatch_(uiDispatch), timing_(timing) {}

bool FirmwareUpdate::StartFirmwareUpdate(const DeviceInfo& info) {
    if (session_.updateState.load() != UpdateState::Idle) {
        return true;
    }
    DisarmFirmwareImage(session_);
    if (!armImageFor(info)) {
        return false;
    }
    if (session_.loggerCount.load() >= 2) {
        ui_.messages.show(u"升级失败,请确保只有一个设备插入USB!");
        return true;
    }
    ui_.controls.enable(ids::WriteButton, false);

    // txReport is the UI thread's until Transferring is published; from then on every report the
    // worker receives is taken as an acknowledgement of the frame in txReport.
    buildNextFrame();
    firstFrameWriting_.store(true);
    session_.updateState.store(UpdateState::Transferring);
    // A report the worker published before it saw Transferring waits for a consumer that never comes,
    // and while it waits the worker issues no read: the first frame's acknowledgement would never be
    // taken. During the transfer the worker publishes nothing, so such a report is stale.
    DiscardPublishedReport(session_);
    writeCurrentFrame();
    firstFrameWriting_.store(false);
    firstFrameWriting_.notify_all();
    return true;
}

bool FirmwareUpdate::armImageFor(const DeviceInfo& info) {
    const std::optional<FirmwareModel> model = ChooseFirmwareModel(info);
    if (!model) {
        return false;
    }
    const FirmwareImage* image = images_.find(*model);
    if (image == nullptr ||
        !ArmFirmwareImage(session_, info.firmwareVersion, *image, KindOf(*model).length)) {
        return false;
    }
    if (image->firstModelByte() != info.hardwareCode || image->secondModelByte() != info.deviceType) {
        DisarmFirmwareImage(session_);
        ui_.messages.show(u"固件PID/VID不匹配!");
        return false;
    }
    return true;
}

void FirmwareUpdate::SendFirmwareFrame(bool again) {
    // Bounded: the UI thread's write returns within its time limit and waits for nothing.
    firstFrameWriting_.wait(true);
    if (again) {
        writeCurrentFrame();
        return;
    }
    const NextFrame next = buildNextFrame();
    if (next == NextFrame::None) {
        return;
    }
    writeCurrentFrame();
    if (next == NextFrame::ClosingFrame) {
        enterAwaitingRestart();
    }
}

FirmwareUpdate::NextFrame FirmwareUpdate::buildNextFrame() {
    const std::uint32_t length = session_.imageLength.load();
    if (length == 0) {
        return NextFrame::None;
    }
    platform::HidReport& frame = session_.txReport;
    const std::uint32_t offset = session_.imageOffset.load();
    if (offset < length) {
        const std::uint32_t sent = offset + BuildFirmwareDataFrame(frame, session_.imageData, offset);
        session_.imageOffset.store(sent);
        const int percent = FirmwarePercent(sent, length);
        if (percent != FirmwarePercent(offset, length)) {
            postButtonText(platform::FormatText("升级中(%02d%%)", percent), false);
        }
        return NextFrame::Frame;
    }
    // The last data frame carries a payload; once it is acknowledged the empty one follows, and once
    // that is acknowledged the closing frame.
    if (frame[FrameLengthByte] > MinFrameLength) {
        BuildEmptyFirmwareFrame(frame, length);
        return NextFrame::Frame;
    }
    BuildFirmwareClosingFrame(frame);
    DisarmFirmwareImage(session_);
    return NextFrame::ClosingFrame;
}

void FirmwareUpdate::writeCurrentFrame() {
    // Within a request's write limit, and never over a write still under way. Not retried here: the
    // outcome is not looked at, as a lost frame brings no acknowledgement and the worker's silence
    // pace leads to a resend, to the end of the transfer, or to the removal handling.
    hid_.write(session_.writeHandle.load(), session_.txReport,
               static_cast<int>(timing_.writeAttempt.count()));
}

void FirmwareUpdate::enterAwaitingRestart() {
    // Published after the closing frame's write, so that txReport stays the worker's until it is done.
    session_.updateState.store(UpdateState::AwaitingRestart);
    postButtonText(u"正在更新固件", true);
}

void FirmwareUpdate::postButtonText(std::u16string text, bool invalidate) {
    platform::Controls& controls = ui_.controls;
    uiDispatch_.post([&controls, text = std::move(text), invalidate] {
        controls.setText(ids::WriteButton, text);
        if (invalidate) {
            controls.invalidate(ids::WriteButton);
        }
    });
}

}  // namespace lc
