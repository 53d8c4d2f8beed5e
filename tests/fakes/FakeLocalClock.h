#pragma once

#include "platform/LocalClock.h"

namespace lc::fakes {

// The PC's clock and zone as the test sets them; UTC+08:00 unless told otherwise. The zone is given
// as its bias, the minutes to add to the local time to get UTC.
class FakeLocalClock : public platform::LocalClock {
  public:
    platform::LocalTime now() const override {
        platform::LocalTime reading = time;
        reading.utcOffsetMinutes = -biasMinutes;
        return reading;
    }

    platform::LocalTime time{2024, 6, 15, 10, 15, 0};
    int biasMinutes = -480;
};

}  // namespace lc::fakes
