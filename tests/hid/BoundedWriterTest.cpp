#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

#include "platform/hid/BoundedWriter.h"

namespace lc::platform {
namespace {

using namespace std::chrono_literals;

// A kernel write that is held until the test lets it go, as for a logger that takes no output report.
class HeldWrite {
  public:
    int operator()() {
        started.fetch_add(1);
        std::unique_lock lock(mutex_);
        released_.wait(lock, [&] { return released; });
        return 64;
    }
    void release() {
        {
            std::lock_guard lock(mutex_);
            released = true;
        }
        released_.notify_all();
    }

    std::atomic<int> started{0};

  private:
    std::mutex mutex_;
    std::condition_variable released_;
    bool released = false;
};

TEST(BoundedWriter, ReturnsAtItsLimitAndNeverStartsAWriteOverOneStillUnderWay) {
    HeldWrite held;
    BoundedWriter writer;

    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(writer.write([&] { return held(); }, 100ms), std::nullopt);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 2s);  // not the kernel's time

    std::atomic<bool> secondStarted{false};
    EXPECT_EQ(writer.write(
                  [&] {
                      secondStarted = true;
                      return 64;
                  },
                  100ms),
              std::nullopt);
    EXPECT_FALSE(secondStarted.load());
    EXPECT_EQ(held.started.load(), 1);

    held.release();
    EXPECT_EQ(writer.write([] { return 32; }, 5s), 32);
}

TEST(BoundedWriter, GivesTheResultOfAWriteThatEndsInTime) {
    BoundedWriter writer;

    EXPECT_EQ(writer.write([] { return 64; }, 5s), 64);
    EXPECT_EQ(writer.write([] { return -1; }, 5s), -1);
}

TEST(BoundedWriter, ClosingWaitsForTheWriteUnderWay) {
    HeldWrite held;
    std::atomic<bool> ended{false};
    {
        BoundedWriter writer;
        EXPECT_EQ(writer.write(
                      [&] {
                          const int count = held();
                          ended = true;
                          return count;
                      },
                      20ms),
                  std::nullopt);
        held.release();
    }
    EXPECT_TRUE(ended.load());
}

}  // namespace
}  // namespace lc::platform
