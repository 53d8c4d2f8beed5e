#pragma once

#include <string>
#include <vector>

#include "platform/HidAccess.h"

namespace lc::gui_test {

// A HID bus with nothing plugged in: the window runs in its no-logger state.
class NoLoggerHid : public platform::HidAccess {
  public:
    std::vector<platform::HidInterfaceInfo> enumerate() override { return {}; }
    platform::HidHandle openForReading(const std::string&) override { return platform::InvalidHidHandle; }
    platform::HidHandle openForWriting(const std::string&) override { return platform::InvalidHidHandle; }
    void close(platform::HidHandle) override {}
    platform::HidTransfer read(platform::HidHandle, platform::HidReport&, int) override { return {}; }
    platform::HidTransfer write(platform::HidHandle, const platform::HidReport&, int) override { return {}; }
    bool exists(const std::string&) override { return false; }
};

}  // namespace lc::gui_test
