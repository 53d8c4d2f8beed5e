#pragma once

#include <string>
#include <string_view>

namespace lc::platform {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// printf-style formatting of the system's own message formats, which are written in UTF-8;
// a %s argument is UTF-8 as well. Decimals are written with a point whatever the system's locale.
std::u16string FormatText(const char* utf8Format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace lc::platform
