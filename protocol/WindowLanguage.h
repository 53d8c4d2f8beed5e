#pragma once

#include "platform/Controls.h"
#include "vocabulary/ControlIds.h"

namespace lc {

// A message's language follows the window-language combo at the moment it is shown: its first item is
// Chinese; any other selection, or none, is English.
inline const char* InWindowLanguage(const platform::Controls& controls, const char* chinese,
                                    const char* english) {
    return controls.selection(ids::WindowLanguageCombo) == 0 ? chinese : english;
}

}  // namespace lc
