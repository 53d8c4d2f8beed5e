#pragma once

#include <cstdint>

#include "form/FieldParsers.h"
#include "platform/Ui.h"

namespace lc {

// Parse an edit's text. On a refusal, silent or not, the caret goes after the text's last character
// and the edit takes the focus, so the technician can correct it at once.
FieldCode ReadIntegerControl(platform::Ui& ui, platform::ControlId id, std::int32_t& value, std::int32_t max,
                             FieldLabel label);
FieldCode ReadDecimalControl(platform::Ui& ui, platform::ControlId id, double& value, double min, double max,
                             FieldLabel label);

}  // namespace lc
