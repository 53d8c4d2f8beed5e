#pragma once

#include <cstdint>
#include <span>

#include "form/FieldLabel.h"
#include "platform/Ui.h"

namespace lc {

// Reads an edit's text in the logger's code page into a fixed-width field. A text shorter than the
// field is followed by zeros only, never by the tail of an earlier, longer text; one of the field's
// full width has no terminator. On a refusal the edit gets the caret at its end and the focus, and
// the field is left as it was.
bool ReadTextControl(platform::Ui& ui, platform::ControlId id, std::span<std::uint8_t> field,
                     bool checkCharacters, bool allowEmpty, FieldLabel label);

}  // namespace lc
