#pragma once

#include <string_view>

#include "app/resources/ControlIds.h"
#include "platform/Controls.h"

namespace lc {

// A message or caption that exists in both languages follows the window-language combo at the moment
// it is shown: selection 0 is Chinese, any other value English.
inline bool InChinese(const platform::Controls& controls) {
    return controls.selection(ids::WindowLanguageCombo) == 0;
}

// UTF-8 texts and formats, as FormatText takes them.
inline const char* ByLanguage(const platform::Controls& controls, const char* chinese, const char* english) {
    return InChinese(controls) ? chinese : english;
}

inline std::u16string_view ByLanguage(const platform::Controls& controls, std::u16string_view chinese,
                                      std::u16string_view english) {
    return InChinese(controls) ? chinese : english;
}

}  // namespace lc
