#pragma once

#include <ctime>
#include <functional>

#include "platform/LocalClock.h"

namespace lc::platform {

// The PC's clock and zone as the C library sees them (TZ, else /etc/localtime).
class SystemLocalClock : public LocalClock {
  public:
    // The moment read is the system's current time unless another source of moments is given.
    using MomentSource = std::function<std::time_t()>;
    SystemLocalClock();
    explicit SystemLocalClock(MomentSource moment);

    LocalTime now() const override;

  private:
    MomentSource moment_;
};

}  // namespace lc::platform
