#include "platform/posix/SystemLocalClock.h"

#include <time.h>

#include <utility>

namespace lc::platform {

SystemLocalClock::SystemLocalClock() : SystemLocalClock([] { return std::time(nullptr); }) {}

SystemLocalClock::SystemLocalClock(MomentSource moment) : moment_(std::move(moment)) {}

LocalTime SystemLocalClock::now() const {
    tzset();  // follow a zone change made while the tool runs
    const time_t seconds = moment_();
    struct tm local {};
    localtime_r(&seconds, &local);
    return LocalTime{local.tm_year + 1900,
                     local.tm_mon + 1,
                     local.tm_mday,
                     local.tm_hour,
                     local.tm_min,
                     local.tm_sec,
                     static_cast<int>(local.tm_gmtoff / 60)};
}

}  // namespace lc::platform
