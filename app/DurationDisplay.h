#pragma once

#include <cstdint>
#include <string>

#include "app/resources/WindowTexts.h"
#include "platform/Ui.h"

namespace lc {

// How long the logger can record at a sampling interval: days above one day, hours up to it, and the
// number of records it holds.
std::u16string DurationText(std::int32_t intervalMinutes, std::uint32_t recordCapacity, UiLanguage language);

// Rewrites the duration display for the typed sampling interval. A typed interval that is no whole
// number from 0 to 1440 leaves the display as it was, the caret at the end of the interval edit.
void RefreshDurationDisplay(platform::Ui& ui, std::uint32_t recordCapacity);

}  // namespace lc
