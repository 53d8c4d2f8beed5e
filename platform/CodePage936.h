#pragma once

#include <string>
#include <string_view>

namespace lc::platform {

// The ANSI code page of the window and of the texts exchanged with a logger.

// Characters without a mapping become the code page's default character '?'.
std::string ToCodePage936(std::u16string_view text);
// Bytes that do not form a character of the code page become U+FFFD.
std::u16string FromCodePage936(std::string_view bytes);

}  // namespace lc::platform
