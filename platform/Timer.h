#pragma once

#include <functional>

namespace lc::platform {

// The window's tick timer (timer 1). Periodic until stopped; start() while running re-arms it.
class Timer {
  public:
    virtual ~Timer() = default;
    virtual void setHandler(std::function<void()> onTick) = 0;
    virtual void start(int periodMs) = 0;
    virtual void stop() = 0;
};

}  // namespace lc::platform
