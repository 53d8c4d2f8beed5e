#include "platform/posix/SystemLocalClock.h"

#include <time.h>

namespace lc::platform {

LocalTime SystemLocalClock::now() const {
    tzset();  // follow a zone change made while the tool runs
    const time_t seconds = time(nullptr);
    struct tm local {};
    localtime_r(&seconds, &local);
    return LocalTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                     local.tm_hour,        local.tm_min,     local.tm_sec};
}

int SystemLocalClock::standardBiasMinutes() const {
    tzset();
    // `timezone` holds the seconds west of UTC of the zone's standard time, whatever the season.
    return static_cast<int>(timezone / 60);
}

}  // namespace lc::platform
