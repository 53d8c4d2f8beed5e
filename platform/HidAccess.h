#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lc::platform {

// One 64-byte HID report, report id in byte 0.
using HidReport = std::array<std::uint8_t, 64>;

// An open HID handle; kept in an atomic word, so it is a plain number.
using HidHandle = std::int64_t;
inline constexpr HidHandle InvalidHidHandle = -1;

struct HidInterfaceInfo {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t releaseNumber = 0;
};

enum class HidIo {
    Completed,  // byteCount tells how much was transferred
    TimedOut,   // not done within the time limit (see write() for what a write leaves behind)
    Failed,     // could not be started (handle closed, device gone)
    WaitFailed  // waiting for the transfer itself failed
};

struct HidTransfer {
    HidIo outcome = HidIo::Failed;
    int byteCount = 0;
};

// The HID operations the link needs. Each handle carries at most one read and one write at a time;
// a read that returns has nothing left outstanding. close() may be called from another thread
// while a transfer runs on the handle: that transfer then ends (Failed or TimedOut) and the handle
// is gone for every later call.
class HidAccess {
  public:
    virtual ~HidAccess() = default;
    virtual std::vector<HidInterfaceInfo> enumerate() = 0;
    virtual HidHandle openForReading(const std::string& path) = 0;
    virtual HidHandle openForWriting(const std::string& path) = 0;
    virtual void close(HidHandle handle) = 0;
    virtual HidTransfer read(HidHandle handle, HidReport& report, int timeoutMs) = 0;
    // Returns within timeoutMs (give or take a scheduling delay), however long the device or the
    // kernel holds the write. TimedOut may leave the write under way; a later write on the same handle
    // then waits, within its own limit, for it to end, and is never started over it (TimedOut again
    // when it has not ended by then).
    virtual HidTransfer write(HidHandle handle, const HidReport& report, int timeoutMs) = 0;
    // The presence probe: the interface at this path can still be opened.
    virtual bool exists(const std::string& path) = 0;
};

}  // namespace lc::platform
