#pragma once

#include <cstdint>
#include <string_view>

#include "form/FieldLabel.h"
#include "platform/MessageBox.h"

namespace lc {

// Why a typed number was refused; Ok is 0.
enum class FieldCode : std::uint8_t {
    Ok = 0,
    OutOfRange = 1,  // outside the bounds, or too many digits
    Empty = 2,       // no digit at all
    IllegalCharacter = 3,
    BadFormat = 4,  // a second decimal point
};

// A whole number from 0 to max, with optional leading blanks and sign. value is written only on Ok.
// With a label, a refusal is told in a message box.
FieldCode ParseIntegerField(platform::MessageBox& messages, std::u16string_view text, std::int32_t& value,
                            std::int32_t max, FieldLabel label);

// A decimal number from min to max with at most ten integer digits. value is written only on Ok.
FieldCode ParseDecimalField(platform::MessageBox& messages, std::u16string_view text, double& value,
                            double min, double max, FieldLabel label);

}  // namespace lc
