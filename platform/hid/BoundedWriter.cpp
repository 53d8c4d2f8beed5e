#include "platform/hid/BoundedWriter.h"

#include <utility>

namespace lc::platform {

BoundedWriter::BoundedWriter() : thread_([this] { run(); }) {}

BoundedWriter::~BoundedWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

std::optional<int> BoundedWriter::write(std::function<int()> transfer, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    std::unique_lock lock(mutex_);
    if (!changed_.wait_until(lock, deadline, [&] { return !underWay_; })) {
        return std::nullopt;
    }
    const auto result = std::make_shared<std::optional<int>>();
    pending_ = Job{std::move(transfer), result};
    underWay_ = true;
    changed_.notify_all();
    changed_.wait_until(lock, deadline, [&] { return result->has_value(); });
    return *result;
}

void BoundedWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [&] { return pending_ || stopping_; });
        if (!pending_) {
            return;
        }
        const Job job = std::move(*std::exchange(pending_, std::nullopt));
        lock.unlock();
        const int result = job.transfer();
        lock.lock();
        *job.result = result;
        underWay_ = false;
        changed_.notify_all();
    }
}

}  // namespace lc::platform
