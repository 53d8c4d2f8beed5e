#pragma once

#include "platform/Controls.h"

namespace lc {

// The settings lock: while the lock box is checked the form's settings cannot be edited. The threshold
// edits then follow the channel and the alert box (not the firmware's alert rule).
void ApplyLockRule(platform::Controls& controls);

}  // namespace lc
