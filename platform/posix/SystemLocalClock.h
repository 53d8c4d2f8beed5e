#pragma once

#include "platform/LocalClock.h"

namespace lc::platform {

// The PC's clock and zone as the C library sees them (TZ, else /etc/localtime).
class SystemLocalClock : public LocalClock {
  public:
    LocalTime now() const override;
    int standardBiasMinutes() const override;
};

}  // namespace lc::platform
