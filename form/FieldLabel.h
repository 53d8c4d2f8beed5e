#pragma once

namespace lc {

// The name of a field as a refusal message shows it (UTF-8, e.g. "启动延时参数错误"), or Silent:
// the field is refused by its code alone, without a message.
using FieldLabel = const char*;
inline constexpr FieldLabel Silent = nullptr;

// The refusal of a character that a number or a text may not hold; the same for every field.
inline constexpr const char* IllegalCharacterFormat = "%s: 存在非法字符!";

}  // namespace lc
