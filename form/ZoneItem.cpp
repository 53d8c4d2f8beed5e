#include "form/ZoneItem.h"

#include <cstdlib>

#include "platform/Text.h"
#include "vocabulary/ControlIds.h"

namespace lc {

namespace {

// "UTC+hh:mm", with the sign at position 3 turned to "-" west of UTC.
std::u16string ZoneItemText(int offsetMinutes) {
    const int magnitude = std::abs(offsetMinutes);
    std::u16string text = platform::FormatText("UTC+%02d:%02d", magnitude / 60, magnitude % 60);
    if (offsetMinutes < 0) {
        text[3] = u'-';
    }
    return text;
}

}  // namespace

void SelectZoneItem(platform::Controls& controls, std::int16_t offsetMinutes) {
    int index = controls.findItemWithPrefix(ids::ZoneCombo, ZoneItemText(offsetMinutes));
    if (index < 0) {
        index = controls.findItemWithPrefix(ids::ZoneCombo, ZoneItemText(0));
    }
    controls.select(ids::ZoneCombo, index);
}

}  // namespace lc
