#include "form/DateDisplay.h"

#include "platform/Text.h"
#include "vocabulary/ControlIds.h"

namespace lc {

void ShowLoggerDate(platform::Controls& controls, const LoggerClock& clock) {
    const int year = 2000 + clock.year;
    switch (controls.selection(ids::DateFormatCombo)) {
        case 0:
            controls.setText(ids::DateDisplay,
                             platform::FormatText("%02d/%02d/%04d", clock.day, clock.month, year));
            break;
        case 1:
            controls.setText(ids::DateDisplay,
                             platform::FormatText("%02d/%02d/%04d", clock.month, clock.day, year));
            break;
        case 2:
            controls.setText(ids::DateDisplay,
                             platform::FormatText("%04d/%02d/%02d", year, clock.month, clock.day));
            break;
        default:
            break;
    }
    controls.invalidate(ids::DateDisplay);
}

}  // namespace lc
