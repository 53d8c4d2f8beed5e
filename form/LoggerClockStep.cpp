#include "form/LoggerClockStep.h"

#include "form/ZoneText.h"
#include "platform/Text.h"
#include "vocabulary/ControlIds.h"

namespace lc {

namespace {

// The date and time while it is carried or borrowed, before it is stored as bytes.
struct ClockFields {
    int year = 0;  // year - 2000
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

int DaysInMonth(int year, int month) {
    const bool leapFebruary = month == 2 && year % 4 == 0;
    return leapFebruary ? 29 : MonthDays[static_cast<std::size_t>(month - 1)];
}

void CarryForward(ClockFields& t) {
    if (t.second >= 60) {
        t.minute += t.second / 60;
        t.second %= 60;
    }
    if (t.minute >= 60) {
        t.hour += t.minute / 60;
        t.minute %= 60;
    }
    if (t.hour < 24) {
        return;
    }
    const int days = t.hour / 24;
    t.hour %= 24;
    for (int n = 0; n < days; ++n) {
        if (++t.day > DaysInMonth(t.year, t.month)) {
            t.day = 1;
            if (++t.month > 12) {
                t.month = 1;
                ++t.year;
            }
        }
    }
}

void BorrowBackward(ClockFields& t) {
    if (t.minute < 0) {
        const int hours = (-t.minute - 1) / 60 + 1;
        t.hour -= hours;
        t.minute += 60 * hours;
    }
    if (t.hour >= 0) {
        return;
    }
    const int days = (-t.hour - 1) / 24 + 1;
    t.hour += 24 * days;
    for (int n = 0; n < days; ++n) {
        if (--t.day < 1) {
            if (--t.month < 1) {
                t.month = 12;
                --t.year;
            }
            t.day = DaysInMonth(t.year, t.month);
        }
    }
}

LoggerClock InZone(const platform::LocalTime& pcTime, int diffMinutes) {
    const int hours = diffMinutes / 60;
    ClockFields t{((pcTime.year - 2000) % 256 + 256) % 256,   pcTime.month, pcTime.day, pcTime.hour + hours,
                  pcTime.minute + (diffMinutes - 60 * hours), pcTime.second};
    if (diffMinutes > 0) {
        CarryForward(t);
    } else {
        BorrowBackward(t);
    }
    return LoggerClock{static_cast<std::uint8_t>(t.year),   static_cast<std::uint8_t>(t.month),
                       static_cast<std::uint8_t>(t.day),    static_cast<std::uint8_t>(t.hour),
                       static_cast<std::uint8_t>(t.minute), static_cast<std::uint8_t>(t.second)};
}

}  // namespace

void UpdateLoggerClock(platform::Ui& ui, const platform::LocalClock& pcClock, ClockDisplayMemory& memory,
                       LoggerClock& clock, ChangeFlags& changeFlags) {
    // The offset in force at the moment read, daylight saving included: the logger then gets the true
    // time of the chosen zone in summer as in winter.
    const platform::LocalTime pcTime = pcClock.now();
    memory.pcOffset = pcTime.utcOffsetMinutes;
    ParseZoneText(ui.messages, ui.controls.text(ids::ZoneCombo), memory.zoneOffset);
    clock = InZone(pcTime, memory.zoneOffset - memory.pcOffset);

    const std::array<std::uint8_t, 3> date{clock.year, clock.month, clock.day};
    const int format = ui.controls.selection(ids::DateFormatCombo);
    if (date != memory.shownDate || format != memory.shownFormat) {
        memory.shownDate = date;
        memory.shownFormat = format;
        changeFlags.set(change::RefreshDate);
        return;
    }
    if (clock.second != memory.shownSecond) {
        ui.controls.setText(ids::TimeDisplay,
                            platform::FormatText("%02d:%02d:%02d", clock.hour, clock.minute, clock.second));
        ui.controls.invalidate(ids::TimeDisplay);
        memory.shownSecond = clock.second;
    }
}

}  // namespace lc
