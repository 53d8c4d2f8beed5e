#pragma once

#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace lc::demo {

// Lines handed from the thread that reports them to the UI thread that shows them. A plain lock
// rather than a queued Qt call: the hand-over stays in sight of the thread sanitizer, which cannot see
// into Qt's own locks.
class PendingLines {
  public:
    void add(std::string line) {
        std::lock_guard lock(mutex_);
        lines_.push_back(std::move(line));
    }
    // Every line added since the last call, oldest first.
    std::vector<std::string> takeAll() {
        std::lock_guard lock(mutex_);
        return std::exchange(lines_, {});
    }

  private:
    std::mutex mutex_;
    std::vector<std::string> lines_;
};

}  // namespace lc::demo
