#pragma once

#include <cstdint>

#include "app/resources/WindowTexts.h"
#include "platform/Controls.h"

namespace lc {

// The window-language combo's handler: rewrites every label, the channel and date-format lists (keeping
// their selections) and the write button's caption in the chosen language. Sets no change flag.
void ApplyWindowLanguage(platform::Controls& controls, UiLanguage& uiLanguage, std::int32_t writeReady);

}  // namespace lc
