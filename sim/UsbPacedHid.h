#pragma once

#include <chrono>
#include <mutex>
#include <string>
#include <vector>

#include "platform/HidAccess.h"

namespace lc::sim {

// A full-speed USB HID link in front of a HID bus: each interrupt endpoint carries one 64-byte report
// per 1 ms frame, so an output report goes out at the next free frame of its direction and an input
// report is handed over at the next free frame of the other. A request and its reply then take at
// least 2 ms, as on a real logger. Safe to use from any thread.
class UsbPacedHid final : public platform::HidAccess {
  public:
    explicit UsbPacedHid(platform::HidAccess& bus) : bus_(bus) {}

    std::vector<platform::HidInterfaceInfo> enumerate() override { return bus_.enumerate(); }
    platform::HidHandle openForReading(const std::string& path) override { return bus_.openForReading(path); }
    platform::HidHandle openForWriting(const std::string& path) override { return bus_.openForWriting(path); }
    void close(platform::HidHandle handle) override { bus_.close(handle); }
    platform::HidTransfer read(platform::HidHandle handle, platform::HidReport& report,
                               int timeoutMs) override;
    platform::HidTransfer write(platform::HidHandle handle, const platform::HidReport& report,
                                int timeoutMs) override;
    bool exists(const std::string& path) override { return bus_.exists(path); }

  private:
    // The frames of one direction: each report takes the first frame start not before now and after
    // the frame of the report before it.
    class Frames {
      public:
        void awaitNext();

      private:
        std::mutex mutex_;
        std::chrono::steady_clock::time_point last_{};
    };

    platform::HidAccess& bus_;
    Frames out_;
    Frames in_;
};

}  // namespace lc::sim
