#pragma once

#include "platform/LocalClock.h"

namespace lc::fakes {

// The PC's clock and zone as the test sets them; UTC+08:00 unless told otherwise.
class FakeLocalClock : public platform::LocalClock {
  public:
    platform::LocalTime now() const override { return time; }
    int standardBiasMinutes() const override { return biasMinutes; }

    platform::LocalTime time{2024, 6, 15, 10, 15, 0};
    int biasMinutes = -480;
};

}  // namespace lc::fakes
