#pragma once

#include "form/ChangeFlags.h"
#include "form/ClockDisplayMemory.h"
#include "form/LoggerClock.h"
#include "platform/LocalClock.h"
#include "platform/Ui.h"

namespace lc {

// The end of every tick: the PC's local time moved into the chosen zone becomes the logger's clock.
// The time display follows each new second; a new date or date format asks for RefreshDate instead.
void UpdateLoggerClock(platform::Ui& ui, const platform::LocalClock& pcClock, ClockDisplayMemory& memory,
                       LoggerClock& clock, ChangeFlags& changeFlags);

}  // namespace lc
