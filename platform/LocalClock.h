#pragma once

namespace lc::platform {

struct LocalTime {
    int year = 0;  // full year, e.g. 2024
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The PC's clock and zone.
class LocalClock {
  public:
    virtual ~LocalClock() = default;
    virtual LocalTime now() const = 0;
    // Minutes to add to local time to get UTC, for the zone's standard time (daylight saving ignored):
    // -480 for UTC+08:00.
    virtual int standardBiasMinutes() const = 0;
};

}  // namespace lc::platform
