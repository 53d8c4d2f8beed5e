#pragma once

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "sim/VirtualLogger.h"

namespace lc::testing {

// A logger as a USB device on the machine's dummy controller: a configfs HID gadget with the logger's
// identity and its 64-byte reports (id 0x01, 63 data bytes each way), whose device side a virtual
// logger answers from its own thread. Unplugging unbinds the gadget from its port; plugging binds it
// again, and the host's USB stack makes a new device with a new hidraw node, as a cable would.
class LoggerGadget {
  public:
    // port: the dummy controller's port it is plugged into ("dummy_udc.0"). Plugged in at once.
    LoggerGadget(const std::string& name, std::string port, sim::LoggerDescription description);
    ~LoggerGadget();
    LoggerGadget(const LoggerGadget&) = delete;
    LoggerGadget& operator=(const LoggerGadget&) = delete;

    sim::VirtualLogger& logger() { return logger_; }
    void plugIn();
    void unplug();
    // When the logger last left the bus, of its own accord or unplugged.
    std::optional<std::chrono::steady_clock::time_point> unpluggedAt() const;
    // The device side stops taking output reports: once the controller's few queued buffers are full,
    // the host's writes wait on the endpoint.
    void stopReading();

  private:
    void serve();
    void serveOneReport();
    void plugInLocked();
    void unplugLocked();

    const std::string directory_;
    const std::string function_;
    const std::string port_;
    const std::string node_;
    sim::VirtualLogger logger_;
    mutable std::mutex mutex_;
    int device_ = -1;
    bool reading_ = true;
    std::optional<std::chrono::steady_clock::time_point> unpluggedAt_;
    std::atomic<bool> stopping_{false};
    std::thread server_;
};

}  // namespace lc::testing
