#include "platform/hid/HidapiAccess.h"

#include <hidapi.h>

#include <set>
#include <utility>

namespace lc::platform {

// One opened device. Reads and writes each go one at a time: never a second over one still under way.
class HidapiAccess::Device {
  public:
    Device(hid_device* device, std::shared_ptr<std::mutex> libraryMutex)
        : device_(device), libraryMutex_(std::move(libraryMutex)) {}
    ~Device() {
        std::lock_guard lock(*libraryMutex_);
        hid_close(device_);
    }
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    HidTransfer read(HidReport& report, int timeoutMs) {
        std::unique_lock busy(readMutex_, std::try_to_lock);
        if (!busy.owns_lock()) {
            return {HidIo::Failed, 0};
        }
        const int count = hid_read_timeout(device_, report.data(), report.size(), timeoutMs);
        if (count < 0) {
            return {HidIo::Failed, 0};
        }
        if (count == 0) {
            return {HidIo::TimedOut, 0};
        }
        return {HidIo::Completed, count};
    }

    HidTransfer write(const HidReport& report) {
        std::unique_lock busy(writeMutex_, std::try_to_lock);
        if (!busy.owns_lock()) {
            return {HidIo::Failed, 0};
        }
        // The kernel bounds the write; hidapi offers no time limit of its own.
        const int count = hid_write(device_, report.data(), report.size());
        if (count < 0) {
            return {HidIo::Failed, 0};
        }
        return {HidIo::Completed, count};
    }

  private:
    hid_device* device_;
    std::shared_ptr<std::mutex> libraryMutex_;
    std::mutex readMutex_;
    std::mutex writeMutex_;
};

HidapiAccess::HidapiAccess() {
    std::lock_guard lock(*libraryMutex_);
    hid_init();
}

HidapiAccess::~HidapiAccess() {
    {
        std::lock_guard lock(handlesMutex_);
        handles_.clear();
    }
    std::lock_guard lock(*libraryMutex_);
    hid_exit();
}

std::vector<HidInterfaceInfo> HidapiAccess::enumerate() {
    std::lock_guard lock(*libraryMutex_);
    std::vector<HidInterfaceInfo> found;
    // hidapi lists an interface once per usage it declares; the link wants each interface once.
    std::set<std::string> seen;
    hid_device_info* const all = hid_enumerate(0, 0);
    for (const hid_device_info* info = all; info != nullptr; info = info->next) {
        if (info->path != nullptr && seen.insert(info->path).second) {
            found.push_back({info->path, info->vendor_id, info->product_id, info->release_number});
        }
    }
    hid_free_enumeration(all);
    return found;
}

HidHandle HidapiAccess::openForReading(const std::string& path) {
    return open(path);
}

HidHandle HidapiAccess::openForWriting(const std::string& path) {
    return open(path);
}

HidHandle HidapiAccess::open(const std::string& path) {
    hid_device* device = nullptr;
    {
        std::lock_guard lock(*libraryMutex_);
        device = hid_open_path(path.c_str());
    }
    if (device == nullptr) {
        return InvalidHidHandle;
    }
    auto opened = std::make_shared<Device>(device, libraryMutex_);
    std::lock_guard lock(handlesMutex_);
    const HidHandle handle = nextHandle_++;
    handles_.emplace(handle, std::move(opened));
    return handle;
}

void HidapiAccess::close(HidHandle handle) {
    std::shared_ptr<Device> released;
    {
        std::lock_guard lock(handlesMutex_);
        const auto open = handles_.find(handle);
        if (open == handles_.end()) {
            return;
        }
        released = std::move(open->second);
        handles_.erase(open);
    }
    // The device closes here, or when the transfer still running on it returns.
}

std::shared_ptr<HidapiAccess::Device> HidapiAccess::deviceAt(HidHandle handle) {
    std::lock_guard lock(handlesMutex_);
    const auto open = handles_.find(handle);
    return open == handles_.end() ? nullptr : open->second;
}

HidTransfer HidapiAccess::read(HidHandle handle, HidReport& report, int timeoutMs) {
    const std::shared_ptr<Device> device = deviceAt(handle);
    return device ? device->read(report, timeoutMs) : HidTransfer{HidIo::Failed, 0};
}

HidTransfer HidapiAccess::write(HidHandle handle, const HidReport& report, int) {
    const std::shared_ptr<Device> device = deviceAt(handle);
    return device ? device->write(report) : HidTransfer{HidIo::Failed, 0};
}

bool HidapiAccess::exists(const std::string& path) {
    std::lock_guard lock(*libraryMutex_);
    hid_device* const probe = hid_open_path(path.c_str());
    if (probe == nullptr) {
        return false;
    }
    hid_close(probe);
    return true;
}

}  // namespace lc::platform
