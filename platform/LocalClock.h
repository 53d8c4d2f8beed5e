#pragma once

namespace lc::platform {

struct LocalTime {
    int year = 0;  // full year, e.g. 2024
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    // Minutes east of UTC in force at that moment, daylight saving included: 480 for UTC+08:00.
    int utcOffsetMinutes = 0;
};

// The PC's clock and zone.
class LocalClock {
  public:
    virtual ~LocalClock() = default;
    // The PC's local time and the offset from UTC it has at that moment, read together so that a
    // change to or from daylight saving never falls between them.
    virtual LocalTime now() const = 0;
};

}  // namespace lc::platform
