#pragma once

#include <array>
#include <cstdint>

namespace lc {

inline constexpr std::array<std::uint8_t, 12> MonthDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The logger-local date and time a write would give the logger; recomputed at the end of every tick.
struct LoggerClock {
    std::uint8_t year = 0;  // year - 2000, modulo 256
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t hour = 0;
    std::uint8_t minute = 0;
    std::uint8_t second = 0;
};

}  // namespace lc
