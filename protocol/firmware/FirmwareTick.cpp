#include "protocol/firmware/FirmwareTick.h"

#include "platform/Text.h"
#include "protocol/WindowLanguage.h"
#include "protocol/firmware/ArmFirmwareImage.h"

namespace lc {

bool WatchFirmwareTransfer(DeviceSession& session, const platform::Ui& ui) {
    if (session.updateState.load() != UpdateState::Transferring) {
        return false;
    }
    if (session.writeHandle.load() != platform::InvalidHidHandle) {
        return true;
    }
    // The worker closed the handles when it found the logger gone, and writes no frame after that.
    DisarmFirmwareImage(session);
    session.updateState.store(UpdateState::Idle);
    ui.messages.show(platform::Utf8ToUtf16(InWindowLanguage(
        ui.controls, "升级中断,请确保设备连接良好!", "Update interrupt,please keep the device connected!")));
    return false;
}

bool TakeFirmwareRestart(DeviceSession& session, ChangeFlags& changeFlags) {
    if (session.updateState.load() != UpdateState::AwaitingRestart) {
        return false;
    }
    changeFlags.set(change::WriteRequest);
    session.updateState.store(UpdateState::Idle);
    return true;
}

}  // namespace lc
