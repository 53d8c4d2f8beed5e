#include "sim/UsbPacedHid.h"

#include <algorithm>
#include <thread>

namespace lc::sim {

namespace {

constexpr std::chrono::milliseconds FrameInterval{1};

}  // namespace

void UsbPacedHid::Frames::awaitNext() {
    std::chrono::steady_clock::time_point frame;
    {
        std::lock_guard lock(mutex_);
        const auto now = std::chrono::steady_clock::now();
        const auto frameStart = std::chrono::steady_clock::time_point(
            std::chrono::ceil<std::chrono::milliseconds>(now.time_since_epoch()));
        frame = std::max(frameStart, last_ + FrameInterval);
        last_ = frame;
    }
    std::this_thread::sleep_until(frame);
}

platform::HidTransfer UsbPacedHid::read(platform::HidHandle handle, platform::HidReport& report,
                                        int timeoutMs) {
    const platform::HidTransfer transfer = bus_.read(handle, report, timeoutMs);
    if (transfer.outcome == platform::HidIo::Completed) {
        in_.awaitNext();
    }
    return transfer;
}

platform::HidTransfer UsbPacedHid::write(platform::HidHandle handle, const platform::HidReport& report,
                                         int timeoutMs) {
    out_.awaitNext();
    return bus_.write(handle, report, timeoutMs);
}

}  // namespace lc::sim
