#pragma once

#include "form/AlertThresholds.h"
#include "form/ChangeFlags.h"
#include "platform/Controls.h"

namespace lc {

// The change notification of an edit: for the four alert-threshold edits, the one-decimal cut; a
// user's change of a temperature threshold asks the tick to read it, the program's own (guarded)
// change does not. Other edits are left alone.
void OnThresholdEditChanged(platform::Controls& controls, platform::ControlId id, AlertThresholds& thresholds,
                            ChangeFlags& changeFlags);

}  // namespace lc
