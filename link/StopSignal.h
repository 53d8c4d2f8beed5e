#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace lc {

// A request to stop that also cuts short every pause taken while it is pending.
class StopSignal {
  public:
    void request();
    bool requested() const { return requested_.load(); }
    // Sleeps for the given time; false when stop was requested before or meanwhile.
    bool pauseFor(std::chrono::milliseconds duration);

  private:
    std::atomic<bool> requested_{false};
    std::mutex mutex_;
    std::condition_variable woken_;
};

}  // namespace lc
