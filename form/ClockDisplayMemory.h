#pragma once

#include <array>
#include <cstdint>

namespace lc {

// What the clock step keeps between ticks: the zone last parsed, the PC's own offset, and what the
// date and time displays show, so that they are rewritten only when that changes.
struct ClockDisplayMemory {
    std::int32_t zoneOffset = 0;  // minutes east of UTC of the chosen zone
    std::int32_t pcOffset = 0;    // minutes east of UTC of the PC, daylight saving included
    std::array<std::uint8_t, 3> shownDate{255, 255, 255};  // year - 2000, month, day
    int shownFormat = 255;  // date-format selection, 255 before the first display
    int shownSecond = 255;
};

}  // namespace lc
