#include "link/StopSignal.h"

namespace lc {

void StopSignal::request() {
    {
        std::lock_guard lock(mutex_);
        requested_.store(true);
    }
    woken_.notify_all();
}

bool StopSignal::pauseFor(std::chrono::milliseconds duration) {
    std::unique_lock lock(mutex_);
    return !woken_.wait_for(lock, duration, [this] { return requested_.load(); });
}

}  // namespace lc
