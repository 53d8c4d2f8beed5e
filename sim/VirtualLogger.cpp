#include "sim/VirtualLogger.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "sim/BlockFields.h"

namespace lc::sim {

namespace {

constexpr std::uint8_t ReadInfo = 0x91;
constexpr std::uint8_t FirmwareData = 0x93;
constexpr std::uint8_t FirmwareEnd = 0x7F;
constexpr std::uint8_t ConfigEnd = 0x94;
constexpr std::uint8_t StatusReply = 0x90;
constexpr std::size_t MaxPayload = 58;
constexpr std::size_t ImageVersionLow = 264;
constexpr std::size_t ImageVersionHigh = 265;

std::uint32_t OffsetOf(const platform::HidReport& frame) {
    return static_cast<std::uint32_t>(frame[3] | (frame[4] << 8) | (frame[5] << 16));
}

// The payload the frame length announces, kept within the report.
std::span<const std::uint8_t> PayloadOf(const platform::HidReport& frame) {
    const std::size_t length = std::clamp<std::size_t>(frame[2], 6, 64);
    return std::span(frame).subspan(6, length - 6);
}

InputReport Reply(std::uint8_t code, std::uint32_t offset, std::span<const std::uint8_t> payload) {
    InputReport reply;
    const std::size_t bytes = std::min(payload.size(), MaxPayload);
    reply.bytes[0] = 0x01;
    reply.bytes[1] = code;
    reply.bytes[2] = static_cast<std::uint8_t>(6 + bytes);
    reply.bytes[3] = static_cast<std::uint8_t>(offset);
    reply.bytes[4] = static_cast<std::uint8_t>(offset >> 8);
    reply.bytes[5] = static_cast<std::uint8_t>(offset >> 16);
    std::copy_n(payload.begin(), bytes, reply.bytes.begin() + 6);
    return reply;
}

}  // namespace

VirtualLogger::VirtualLogger(LoggerDescription description) : description_(std::move(description)) {}

Reaction VirtualLogger::receive(const platform::HidReport& output) {
    std::lock_guard lock(mutex_);
    Reaction reaction;
    if (refusedReports_ > 0) {
        --refusedReports_;
        reaction.taken = false;
        return reaction;
    }
    received_.push_back(output);
    if (leaveCountdown_ > 0 && --leaveCountdown_ == 0) {
        reaction.departure = Reaction::Departure::Leaves;
        return reaction;
    }
    if (std::optional<InputReport> reply = answer(output)) {
        reaction.replies.push_back(*reply);
    }
    applyReplyFaults(reaction.replies);
    if (std::exchange(restarting_, false)) {
        reaction.departure = Reaction::Departure::Restarts;
    }
    return reaction;
}

std::optional<InputReport> VirtualLogger::answer(const platform::HidReport& output) {
    const std::uint8_t code = output[1];
    const std::uint32_t offset = OffsetOf(output);
    switch (code) {
        case ReadInfo:
            return answerInfoRead(offset);
        case FirmwareData:
            return takeFirmwareData(offset, PayloadOf(output));
        case FirmwareEnd:
            takeFirmwareEnd();
            return std::nullopt;
        case ConfigEnd:
            StoreSettings(items_, description_.block);
            return std::nullopt;
        default:
            return answerConfigItem(code, offset, PayloadOf(output));
    }
}

InputReport VirtualLogger::answerInfoRead(std::uint32_t offset) const {
    // Slices are always full; past the 516 meaningful bytes the logger's memory reads as zeros.
    const std::size_t end = description_.blockEndsAfter.value_or(SIZE_MAX);
    std::vector<std::uint8_t> slice;
    for (std::size_t at = offset; at < end && slice.size() < std::min(description_.sliceBytes, MaxPayload);
         ++at) {
        slice.push_back(at < description_.block.size() ? description_.block[at] : 0);
    }
    return Reply(ReadInfo, offset, slice);
}

InputReport VirtualLogger::answerConfigItem(std::uint8_t tag, std::uint32_t offset,
                                            std::span<const std::uint8_t> chunk) {
    std::vector<std::uint8_t>& value = items_[tag];
    if (offset == 0) {
        value.clear();
    }
    value.resize(std::max<std::size_t>(value.size(), offset + chunk.size()));
    std::copy(chunk.begin(), chunk.end(), value.begin() + offset);
    const auto status = itemStatus_.find(tag);
    if (status == itemStatus_.end()) {
        return Reply(tag, offset, {});
    }
    const std::uint8_t statusByte[] = {status->second};
    return Reply(StatusReply, offset, statusByte);
}

std::optional<InputReport> VirtualLogger::takeFirmwareData(std::uint32_t offset,
                                                           std::span<const std::uint8_t> chunk) {
    FirmwareIntake& intake = firmware_;
    // A frame whose acknowledgement got lost comes again; the first frame starts a new transfer.
    const bool repeat =
        intake.framesTaken > 0 && offset == intake.lastFrameOffset && chunk.size() == intake.lastFrameBytes;
    if (!repeat && offset == 0 && !chunk.empty()) {
        intake = FirmwareIntake{};
    }
    if (!repeat) {
        if (offset != intake.image.size() || intake.dataComplete) {
            violations_.push_back("frame " + std::to_string(intake.framesTaken + 1) + " at offset " +
                                  std::to_string(offset) + ", expected " +
                                  std::to_string(intake.image.size()));
        }
        if (chunk.empty()) {
            intake.dataComplete = true;
        } else {
            intake.image.resize(std::max<std::size_t>(intake.image.size(), offset + chunk.size()));
            std::copy(chunk.begin(), chunk.end(), intake.image.begin() + offset);
        }
    }
    intake.lastFrameOffset = offset;
    intake.lastFrameBytes = chunk.size();
    ++intake.framesTaken;
    if (intake.framesTaken == refusedFrame_) {
        refusedFrame_ = 0;
        intake = FirmwareIntake{};
        return Reply(refusalCode_, offset, {});
    }
    return Reply(FirmwareData, offset, {});
}

void VirtualLogger::takeFirmwareEnd() {
    FirmwareIntake& intake = firmware_;
    if (!intake.dataComplete) {
        violations_.push_back("closing frame before the empty data frame");
    }
    if (keptFirmwareRestarts_ > 0) {
        --keptFirmwareRestarts_;
    } else if (intake.image.size() > ImageVersionHigh) {
        PutFirmwareVersion(description_.block,
                           static_cast<std::uint16_t>((intake.image[ImageVersionHigh] << 8) |
                                                      intake.image[ImageVersionLow]));
    }
    intake.lastFrameOffset = 0;
    intake.framesTaken = 0;
    intake.dataComplete = false;
    restarting_ = true;
}

void VirtualLogger::applyReplyFaults(std::vector<InputReport>& replies) {
    if (replies.empty()) {
        return;
    }
    if (swallowCount_ > 0) {
        --swallowCount_;
        replies.clear();
        return;
    }
    if (foreignCount_ > 0) {
        --foreignCount_;
        replies.front().bytes[1] = foreignCode_;
    }
}

void VirtualLogger::setItemStatus(std::uint8_t tag, std::uint8_t status) {
    std::lock_guard lock(mutex_);
    itemStatus_[tag] = status;
}

void VirtualLogger::leaveAtRequest(int nthFromNow) {
    std::lock_guard lock(mutex_);
    leaveCountdown_ = nthFromNow;
}

void VirtualLogger::refuseOutputReports(int count) {
    std::lock_guard lock(mutex_);
    refusedReports_ = count;
}

void VirtualLogger::swallowReplies(int count) {
    std::lock_guard lock(mutex_);
    swallowCount_ = count;
}

void VirtualLogger::answerWithForeignCode(int count, std::uint8_t replyCode) {
    std::lock_guard lock(mutex_);
    foreignCount_ = count;
    foreignCode_ = replyCode;
}

void VirtualLogger::refuseFirmwareFrame(int nth, std::uint8_t replyCode) {
    std::lock_guard lock(mutex_);
    refusedFrame_ = nth;
    refusalCode_ = replyCode;
}

void VirtualLogger::keepFirmwareAtRestarts(int count) {
    std::lock_guard lock(mutex_);
    keptFirmwareRestarts_ = count;
}

LoggerIdentity VirtualLogger::identity() const {
    std::lock_guard lock(mutex_);
    return description_.identity;
}

std::chrono::milliseconds VirtualLogger::restartDelay() const {
    std::lock_guard lock(mutex_);
    return description_.restartDelay;
}

LoggerBlock VirtualLogger::block() const {
    std::lock_guard lock(mutex_);
    return description_.block;
}

std::optional<std::vector<std::uint8_t>> VirtualLogger::itemValue(std::uint8_t tag) const {
    std::lock_guard lock(mutex_);
    const auto item = items_.find(tag);
    if (item == items_.end()) {
        return std::nullopt;
    }
    return item->second;
}

std::vector<platform::HidReport> VirtualLogger::receivedReports() const {
    std::lock_guard lock(mutex_);
    return received_;
}

std::vector<std::uint8_t> VirtualLogger::receivedImage() const {
    std::lock_guard lock(mutex_);
    return firmware_.image;
}

std::vector<std::string> VirtualLogger::firmwareViolations() const {
    std::lock_guard lock(mutex_);
    return violations_;
}

}  // namespace lc::sim
