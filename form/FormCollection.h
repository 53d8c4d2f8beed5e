#pragma once

#include "form/AlertThresholds.h"
#include "form/ConfigDraft.h"
#include "platform/Ui.h"
#include "protocol/DeviceInfo.h"

namespace lc {

// Reads and checks every field of the form, in the form's order, against the connected logger's
// capabilities and the fields' own bounds. The first refusal is told once, its field takes the
// focus, and false is returned with the draft partly overwritten; true means the draft is complete.
// The temperature thresholds are read into thresholds, whose Celsius values the draft goes with.
bool CollectConfigDraft(platform::Ui& ui, const DeviceInfo& info, AlertThresholds& thresholds,
                        ConfigDraft& draft);

}  // namespace lc
