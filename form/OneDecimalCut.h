#pragma once

#include "platform/Controls.h"

namespace lc {

// Keeps at most one character after the first point of an edit's text, and drops a second point with
// everything after it. Returns true when the text was left as it was, false when it was cut; the cut
// text is written back (which notifies the edit again) with the caret at its end and the focus.
bool CutToOneDecimal(platform::Controls& controls, platform::ControlId id);

}  // namespace lc
