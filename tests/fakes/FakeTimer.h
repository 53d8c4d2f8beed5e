#pragma once

#include <functional>
#include <utility>

#include "platform/Timer.h"

namespace lc::fakes {

// A timer that ticks only when the test says so.
class FakeTimer : public platform::Timer {
  public:
    void setHandler(std::function<void()> onTick) override { handler_ = std::move(onTick); }
    void start(int periodMs) override {
        running_ = true;
        periodMs_ = periodMs;
    }
    void stop() override { running_ = false; }

    // Fires the tick if the timer runs; false when it was stopped.
    bool fire() {
        if (!running_ || !handler_) {
            return false;
        }
        handler_();
        return true;
    }

    bool running() const { return running_; }
    int periodMs() const { return periodMs_; }

  private:
    std::function<void()> handler_;
    bool running_ = false;
    int periodMs_ = 0;
};

}  // namespace lc::fakes
