#pragma once

#include "form/ChangeFlags.h"
#include "link/DeviceSession.h"
#include "platform/Ui.h"

namespace lc {

// The tick's watch over a firmware transfer, before any link work. True while the transfer runs: the
// tick then leaves the link and the form alone and re-arms at 100 ms. When the logger has gone during
// the transfer, the transfer is abandoned with the interruption message and the tick goes on as usual
// (false).
bool WatchFirmwareTransfer(DeviceSession& session, const platform::Ui& ui);

// For a logger that has just been accepted: when it is coming back from a firmware update, asks for
// the write the user pressed the button for and returns true (the tick then does not offer the write
// button); false otherwise.
bool TakeFirmwareRestart(DeviceSession& session, ChangeFlags& changeFlags);

}  // namespace lc
