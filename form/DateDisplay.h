#pragma once

#include "form/LoggerClock.h"
#include "platform/Controls.h"

namespace lc {

// Writes the logger-local date in the chosen date format.
void ShowLoggerDate(platform::Controls& controls, const LoggerClock& clock);

}  // namespace lc
