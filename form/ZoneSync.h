#pragma once

#include "form/ClockDisplayMemory.h"
#include "platform/Ui.h"

namespace lc {

// The technician picked a zone: the logger's clock follows it from this tick on.
void SyncZoneSelection(platform::Ui& ui, ClockDisplayMemory& memory);

}  // namespace lc
