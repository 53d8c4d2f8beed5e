#include "platform/hid/HidapiAccess.h"

#include "platform/hid/BoundedWriter.h"

#include <hidapi.h>

#include <chrono>
#include <set>
#include <utility>

namespace lc::platform {

namespace {

// Closes the device once nothing runs on it any more.
class OpenedDevice {
  public:
    OpenedDevice(hid_device* device, std::shared_ptr<std::mutex> libraryMutex)
        : device_(device), libraryMutex_(std::move(libraryMutex)) {}
    ~OpenedDevice() {
        std::lock_guard lock(*libraryMutex_);
        hid_close(device_);
    }
    OpenedDevice(const OpenedDevice&) = delete;
    OpenedDevice& operator=(const OpenedDevice&) = delete;

    hid_device* get() const { return device_; }

  private:
    hid_device* device_;
    std::shared_ptr<std::mutex> libraryMutex_;
};

}  // namespace

// One opened device. Reads and writes each go one at a time: never a second over one still under way.
class HidapiAccess::Device {
  public:
    Device(hid_device* device, std::shared_ptr<std::mutex> libraryMutex)
        : opened_(device, std::move(libraryMutex)), device_(opened_.get()) {}

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

    HidTransfer write(const HidReport& report, int timeoutMs) {
        // hidapi offers no time limit of its own, and the kernel holds a write to a logger that takes
        // no output report for as long as its USB timeout: the writer thread keeps the caller's limit.
        const std::optional<int> count = writer_.write(
            [device = device_, report] { return hid_write(device, report.data(), report.size()); },
            std::chrono::milliseconds(timeoutMs));
        if (!count) {
            return {HidIo::TimedOut, 0};
        }
        if (*count < 0) {
            return {HidIo::Failed, 0};
        }
        return {HidIo::Completed, *count};
    }

  private:
    // Declared in this order so that the writer, which may still be in a write, ends before the
    // device closes.
    OpenedDevice opened_;
    hid_device* device_;
    std::mutex readMutex_;
    BoundedWriter writer_;
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

HidTransfer HidapiAccess::write(HidHandle handle, const HidReport& report, int timeoutMs) {
    const std::shared_ptr<Device> device = deviceAt(handle);
    return device ? device->write(report, timeoutMs) : HidTransfer{HidIo::Failed, 0};
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
