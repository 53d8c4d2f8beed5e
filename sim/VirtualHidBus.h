#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/HidAccess.h"
#include "sim/LoggerDescription.h"
#include "sim/VirtualLogger.h"

namespace lc::sim {

// A HID bus in memory that virtual loggers plug into, at paths "virtual/0", "virtual/1", … in the
// order they were first plugged in. Like hidraw, every reading handle gets its own copy of each input
// report, and a handle stays bound to the plug-in it was opened on: once its logger leaves, it never
// works again. Safe to use from any thread.
class VirtualHidBus final : public platform::HidAccess {
  public:
    // What can go wrong between the tool and a logger's interface, on the host's side of the cable.
    enum class Fault {
        RefuseReadOpen,   // opening the interface for reading fails
        RefuseWriteOpen,  // opening it for writing fails
        FailReadWait,     // waiting for an input report fails
        FailWriteWait,    // waiting for an output report's write fails
        ShortWrite,       // the write completes with fewer than 64 bytes; the logger takes nothing
        StallWrite        // the write takes its whole time limit and times out; the logger takes nothing
    };

    // Gets one line per output report a logger receives, and "plug" / "unplug". Called with the
    // bus locked: it must not call back into the bus.
    using FrameObserver = std::function<void(const std::string&)>;

    // The logger lives as long as the bus.
    VirtualLogger& plugIn(LoggerDescription description);
    void unplug(const VirtualLogger& logger);
    void plugBackIn(const VirtualLogger& logger);
    std::string pathOf(const VirtualLogger& logger) const;
    // An input report the logger sends of its own accord: stray, malformed or short.
    void sendInputReport(const VirtualLogger& logger, const InputReport& report);
    void setFrameObserver(FrameObserver observer);
    // The next count operations of that kind on this logger's interface meet the fault.
    void injectFault(const VirtualLogger& logger, Fault fault, int count);
    // Handles opened on this logger's interface and not closed yet.
    std::size_t openHandles(const VirtualLogger& logger) const;

    std::vector<platform::HidInterfaceInfo> enumerate() override;
    platform::HidHandle openForReading(const std::string& path) override;
    platform::HidHandle openForWriting(const std::string& path) override;
    void close(platform::HidHandle handle) override;
    platform::HidTransfer read(platform::HidHandle handle, platform::HidReport& report,
                               int timeoutMs) override;
    platform::HidTransfer write(platform::HidHandle handle, const platform::HidReport& report,
                                int timeoutMs) override;
    bool exists(const std::string& path) override;

  private:
    struct Slot {
        std::unique_ptr<VirtualLogger> logger;
        std::string path;
        bool plugged = true;
        std::uint64_t plugIn = 0;  // counts the logger's plug-ins; handles belong to one
        std::optional<std::chrono::steady_clock::time_point> returnsAt;
        std::map<Fault, int> faults;
    };
    struct OpenHandle {
        std::size_t slot = 0;
        std::uint64_t plugIn = 0;
        bool forReading = false;
        bool closed = false;
        bool readUnderWay = false;
        std::deque<InputReport> arrived;
    };

    Slot& slotOf(const VirtualLogger& logger);
    const Slot& slotOf(const VirtualLogger& logger) const;
    Slot* pluggedSlotAt(const std::string& path);
    std::shared_ptr<OpenHandle> handleAt(platform::HidHandle handle);
    bool live(const OpenHandle& handle) const;
    static bool takeFault(Slot& slot, Fault fault);
    platform::HidHandle open(const std::string& path, bool forReading);
    void deliver(std::size_t slot, const InputReport& report);
    void leaveLocked(Slot& slot);
    void plugBackLocked(Slot& slot);
    void returnRestartedLoggers();
    void observe(const std::string& line) const;

    mutable std::mutex mutex_;
    std::condition_variable arrivals_;
    std::vector<Slot> slots_;
    std::map<platform::HidHandle, std::shared_ptr<OpenHandle>> handles_;
    platform::HidHandle nextHandle_ = 1;
    FrameObserver observer_;
};

}  // namespace lc::sim
