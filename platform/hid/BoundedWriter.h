#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace lc::platform {

// Runs a device's blocking writes on a thread of its own, so that a caller waits no longer than the
// limit it gives, however long the kernel holds the write. A write still under way when its caller's
// limit ends is left to finish; the next one waits for it first, within its own limit, and is never
// started over it. The destructor waits for the write under way to end.
class BoundedWriter {
  public:
    BoundedWriter();
    ~BoundedWriter();
    BoundedWriter(const BoundedWriter&) = delete;
    BoundedWriter& operator=(const BoundedWriter&) = delete;

    // The transfer's result, or nullopt when the limit ended first (this write, or the one before it,
    // still under way).
    std::optional<int> write(std::function<int()> transfer, std::chrono::milliseconds limit);

  private:
    struct Job {
        std::function<int()> transfer;
        std::shared_ptr<std::optional<int>> result;  // set, under the mutex, when the write has ended
    };

    void run();

    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Job> pending_;
    bool underWay_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace lc::platform
