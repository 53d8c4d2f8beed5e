#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <utility>

#include "platform/UiDispatch.h"

namespace lc::fakes {

// The UI thread's queue of work handed over by the link worker; the test thread is the UI thread and
// runs the queue when it pumps its "event loop".
class FakeUiDispatch : public platform::UiDispatch {
  public:
    void post(std::function<void()> task) override {
        std::lock_guard lock(mutex_);
        tasks_.push_back(std::move(task));
    }

    bool hasPending() const {
        std::lock_guard lock(mutex_);
        return !tasks_.empty();
    }

    // Runs what is queued now (and what those tasks queue); returns how many ran.
    int runPending() {
        int ran = 0;
        for (;;) {
            std::function<void()> task;
            {
                std::lock_guard lock(mutex_);
                if (tasks_.empty()) {
                    return ran;
                }
                task = std::move(tasks_.front());
                tasks_.pop_front();
            }
            task();
            ++ran;
        }
    }

  private:
    mutable std::mutex mutex_;
    std::deque<std::function<void()>> tasks_;
};

}  // namespace lc::fakes
