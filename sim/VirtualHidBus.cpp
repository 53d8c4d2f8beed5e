#include "sim/VirtualHidBus.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "sim/FrameLine.h"

namespace lc::sim {

namespace {

constexpr int ReportBytes = static_cast<int>(platform::HidReport{}.size());

platform::HidTransfer Outcome(platform::HidIo outcome, int byteCount = 0) {
    return {outcome, byteCount};
}

}  // namespace

VirtualLogger& VirtualHidBus::plugIn(LoggerDescription description) {
    std::lock_guard lock(mutex_);
    Slot slot;
    slot.logger = std::make_unique<VirtualLogger>(std::move(description));
    slot.path = "virtual/" + std::to_string(slots_.size());
    slots_.push_back(std::move(slot));
    observe(PlugLine);
    return *slots_.back().logger;
}

void VirtualHidBus::unplug(const VirtualLogger& logger) {
    std::lock_guard lock(mutex_);
    Slot& slot = slotOf(logger);
    if (slot.plugged) {
        leaveLocked(slot);
    }
    slot.returnsAt.reset();
}

void VirtualHidBus::plugBackIn(const VirtualLogger& logger) {
    std::lock_guard lock(mutex_);
    Slot& slot = slotOf(logger);
    if (!slot.plugged) {
        plugBackLocked(slot);
    }
}

std::string VirtualHidBus::pathOf(const VirtualLogger& logger) const {
    std::lock_guard lock(mutex_);
    return slotOf(logger).path;
}

void VirtualHidBus::sendInputReport(const VirtualLogger& logger, const InputReport& report) {
    std::lock_guard lock(mutex_);
    const auto slot = static_cast<std::size_t>(&slotOf(logger) - slots_.data());
    if (slots_[slot].plugged) {
        deliver(slot, report);
    }
}

void VirtualHidBus::setFrameObserver(FrameObserver observer) {
    std::lock_guard lock(mutex_);
    observer_ = std::move(observer);
}

void VirtualHidBus::injectFault(const VirtualLogger& logger, Fault fault, int count) {
    std::lock_guard lock(mutex_);
    slotOf(logger).faults[fault] = count;
}

std::size_t VirtualHidBus::openHandles(const VirtualLogger& logger) const {
    std::lock_guard lock(mutex_);
    const auto slot = static_cast<std::size_t>(&slotOf(logger) - slots_.data());
    return static_cast<std::size_t>(
        std::ranges::count_if(handles_, [&](const auto& open) { return open.second->slot == slot; }));
}

bool VirtualHidBus::takeFault(Slot& slot, Fault fault) {
    const auto pending = slot.faults.find(fault);
    if (pending == slot.faults.end() || pending->second <= 0) {
        return false;
    }
    --pending->second;
    return true;
}

std::vector<platform::HidInterfaceInfo> VirtualHidBus::enumerate() {
    std::lock_guard lock(mutex_);
    returnRestartedLoggers();
    std::vector<platform::HidInterfaceInfo> present;
    for (const Slot& slot : slots_) {
        if (slot.plugged) {
            const LoggerIdentity identity = slot.logger->identity();
            present.push_back({slot.path, identity.vendorId, identity.productId, identity.releaseNumber});
        }
    }
    return present;
}

platform::HidHandle VirtualHidBus::openForReading(const std::string& path) {
    return open(path, true);
}

platform::HidHandle VirtualHidBus::openForWriting(const std::string& path) {
    return open(path, false);
}

void VirtualHidBus::close(platform::HidHandle handle) {
    std::lock_guard lock(mutex_);
    const auto open = handles_.find(handle);
    if (open == handles_.end()) {
        return;
    }
    open->second->closed = true;
    handles_.erase(open);
    arrivals_.notify_all();
}

platform::HidTransfer VirtualHidBus::read(platform::HidHandle handle, platform::HidReport& report,
                                          int timeoutMs) {
    std::unique_lock lock(mutex_);
    const std::shared_ptr<OpenHandle> open = handleAt(handle);
    if (!open || !open->forReading || open->readUnderWay || !live(*open)) {
        return Outcome(platform::HidIo::Failed);
    }
    if (takeFault(slots_[open->slot], Fault::FailReadWait)) {
        return Outcome(platform::HidIo::WaitFailed);
    }
    open->readUnderWay = true;
    const bool ended = arrivals_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                          [&] { return !live(*open) || !open->arrived.empty(); });
    open->readUnderWay = false;
    if (!ended) {
        return Outcome(platform::HidIo::TimedOut);
    }
    if (!live(*open)) {
        return Outcome(platform::HidIo::Failed);
    }
    const InputReport arrived = open->arrived.front();
    open->arrived.pop_front();
    const auto length = static_cast<std::size_t>(std::clamp(arrived.length, 0, ReportBytes));
    std::copy_n(arrived.bytes.begin(), length, report.begin());
    return Outcome(platform::HidIo::Completed, static_cast<int>(length));
}

platform::HidTransfer VirtualHidBus::write(platform::HidHandle handle, const platform::HidReport& report,
                                           int timeoutMs) {
    std::unique_lock lock(mutex_);
    const std::shared_ptr<OpenHandle> open = handleAt(handle);
    if (!open || open->forReading || !live(*open)) {
        return Outcome(platform::HidIo::Failed);
    }
    Slot& slot = slots_[open->slot];
    if (takeFault(slot, Fault::FailWriteWait)) {
        return Outcome(platform::HidIo::WaitFailed);
    }
    if (takeFault(slot, Fault::ShortWrite)) {
        return Outcome(platform::HidIo::Completed, ReportBytes / 2);
    }
    if (takeFault(slot, Fault::StallWrite)) {
        // As a kernel write to an endpoint that takes nothing: it ends at the limit, or when the
        // logger leaves or the handle is closed.
        arrivals_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return !live(*open); });
        return Outcome(live(*open) ? platform::HidIo::TimedOut : platform::HidIo::Failed);
    }
    const Reaction reaction = slot.logger->receive(report);
    if (!reaction.taken) {
        return Outcome(platform::HidIo::Failed);
    }
    observe(FormatFrameLine(report));
    for (const InputReport& reply : reaction.replies) {
        deliver(open->slot, reply);
    }
    switch (reaction.departure) {
        case Reaction::Departure::Stays:
            break;
        case Reaction::Departure::Leaves:
            leaveLocked(slot);
            break;
        case Reaction::Departure::Restarts:
            leaveLocked(slot);
            slot.returnsAt = std::chrono::steady_clock::now() + slot.logger->restartDelay();
            break;
    }
    return Outcome(platform::HidIo::Completed, ReportBytes);
}

bool VirtualHidBus::exists(const std::string& path) {
    std::lock_guard lock(mutex_);
    returnRestartedLoggers();
    return pluggedSlotAt(path) != nullptr;
}

VirtualHidBus::Slot& VirtualHidBus::slotOf(const VirtualLogger& logger) {
    return const_cast<Slot&>(std::as_const(*this).slotOf(logger));
}

const VirtualHidBus::Slot& VirtualHidBus::slotOf(const VirtualLogger& logger) const {
    const auto slot = std::find_if(slots_.begin(), slots_.end(),
                                   [&](const Slot& candidate) { return candidate.logger.get() == &logger; });
    if (slot == slots_.end()) {
        throw std::invalid_argument("logger is not on this bus");
    }
    return *slot;
}

VirtualHidBus::Slot* VirtualHidBus::pluggedSlotAt(const std::string& path) {
    for (Slot& slot : slots_) {
        if (slot.plugged && slot.path == path) {
            return &slot;
        }
    }
    return nullptr;
}

std::shared_ptr<VirtualHidBus::OpenHandle> VirtualHidBus::handleAt(platform::HidHandle handle) {
    const auto open = handles_.find(handle);
    return open == handles_.end() ? nullptr : open->second;
}

bool VirtualHidBus::live(const OpenHandle& handle) const {
    const Slot& slot = slots_[handle.slot];
    return !handle.closed && slot.plugged && slot.plugIn == handle.plugIn;
}

platform::HidHandle VirtualHidBus::open(const std::string& path, bool forReading) {
    std::lock_guard lock(mutex_);
    returnRestartedLoggers();
    Slot* slot = pluggedSlotAt(path);
    if (slot == nullptr || takeFault(*slot, forReading ? Fault::RefuseReadOpen : Fault::RefuseWriteOpen)) {
        return platform::InvalidHidHandle;
    }
    auto open = std::make_shared<OpenHandle>();
    open->slot = static_cast<std::size_t>(slot - slots_.data());
    open->plugIn = slot->plugIn;
    open->forReading = forReading;
    const platform::HidHandle handle = nextHandle_++;
    handles_.emplace(handle, std::move(open));
    return handle;
}

void VirtualHidBus::deliver(std::size_t slot, const InputReport& report) {
    for (const auto& [handle, open] : handles_) {
        if (open->slot == slot && open->forReading && live(*open)) {
            open->arrived.push_back(report);
        }
    }
    arrivals_.notify_all();
}

void VirtualHidBus::leaveLocked(Slot& slot) {
    slot.plugged = false;
    observe(UnplugLine);
    arrivals_.notify_all();
}

void VirtualHidBus::plugBackLocked(Slot& slot) {
    slot.plugged = true;
    ++slot.plugIn;
    slot.returnsAt.reset();
    observe(PlugLine);
}

void VirtualHidBus::returnRestartedLoggers() {
    const auto now = std::chrono::steady_clock::now();
    for (Slot& slot : slots_) {
        if (!slot.plugged && slot.returnsAt && *slot.returnsAt <= now) {
            plugBackLocked(slot);
        }
    }
}

void VirtualHidBus::observe(const std::string& line) const {
    if (observer_) {
        observer_(line);
    }
}

}  // namespace lc::sim
