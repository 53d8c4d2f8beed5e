#pragma once

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/HidAccess.h"

namespace lc::platform {

// HidAccess on hidapi's hidraw backend. Each handle is one hid_open_path of its own, with a thread of
// its own for writes. A transfer keeps its device alive while it runs, so close() from another thread
// only lets go of the handle and the device is closed when the last transfer on it returns and a
// write left under way in the kernel has ended. hidapi keeps a process-wide error text that
// enumeration, opening and closing all write, so those calls are made one at a time.
class HidapiAccess final : public HidAccess {
  public:
    HidapiAccess();
    ~HidapiAccess() override;
    HidapiAccess(const HidapiAccess&) = delete;
    HidapiAccess& operator=(const HidapiAccess&) = delete;

    std::vector<HidInterfaceInfo> enumerate() override;
    HidHandle openForReading(const std::string& path) override;
    HidHandle openForWriting(const std::string& path) override;
    void close(HidHandle handle) override;
    HidTransfer read(HidHandle handle, HidReport& report, int timeoutMs) override;
    HidTransfer write(HidHandle handle, const HidReport& report, int timeoutMs) override;
    bool exists(const std::string& path) override;

  private:
    class Device;

    HidHandle open(const std::string& path);
    std::shared_ptr<Device> deviceAt(HidHandle handle);

    std::shared_ptr<std::mutex> libraryMutex_ = std::make_shared<std::mutex>();
    std::mutex handlesMutex_;
    std::map<HidHandle, std::shared_ptr<Device>> handles_;
    HidHandle nextHandle_ = 1;
};

}  // namespace lc::platform
