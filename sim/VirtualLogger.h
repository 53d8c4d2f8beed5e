#pragma once

#include <chrono>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/HidAccess.h"
#include "sim/LoggerDescription.h"
#include "sim/StoredSettings.h"

namespace lc::sim {

// One input report as the logger sends it; a length below 64 makes a short report.
struct InputReport {
    platform::HidReport bytes{};
    int length = static_cast<int>(platform::HidReport{}.size());
};

// What the logger does after taking an output report.
struct Reaction {
    enum class Departure { Stays, Leaves, Restarts };
    bool taken = true;  // false: the write of the report fails, as on a stalled endpoint
    std::vector<InputReport> replies;
    Departure departure = Departure::Stays;
};

// The logger itself, seen from its own side of the cable: it answers 0x91 from its information
// block, takes configuration items and keeps them on 0x94, takes a firmware image in 0x93 frames and
// restarts with it on 0x7F. Faults are switched on by the test. Safe to call from any thread.
class VirtualLogger {
  public:
    explicit VirtualLogger(LoggerDescription description);

    // One output report from the tool.
    Reaction receive(const platform::HidReport& output);

    // Answers configuration item tag with reply code 0x90 and this status byte.
    void setItemStatus(std::uint8_t tag, std::uint8_t status);
    // The nth request from now is never answered: the logger leaves the bus as it arrives.
    void leaveAtRequest(int nthFromNow);
    // The next count output reports are not taken: their writes fail.
    void refuseOutputReports(int count);
    // The next count replies are never sent.
    void swallowReplies(int count);
    // The next count replies carry this reply code instead of their own.
    void answerWithForeignCode(int count, std::uint8_t replyCode);
    // The nth firmware data frame of a transfer (1 = the first) is refused with this reply code.
    void refuseFirmwareFrame(int nth, std::uint8_t replyCode);
    // The next count transfers do not take: the logger restarts with the firmware it had.
    void keepFirmwareAtRestarts(int count);

    LoggerIdentity identity() const;
    std::chrono::milliseconds restartDelay() const;
    LoggerBlock block() const;
    // A configuration item's value as reassembled from its chunks; nullopt when never received.
    std::optional<std::vector<std::uint8_t>> itemValue(std::uint8_t tag) const;
    // Every output report received, in order.
    std::vector<platform::HidReport> receivedReports() const;
    // The firmware image received by the current or last transfer.
    std::vector<std::uint8_t> receivedImage() const;
    // Frames of a firmware transfer that arrived out of order or at the wrong offset.
    std::vector<std::string> firmwareViolations() const;

  private:
    struct FirmwareIntake {
        std::vector<std::uint8_t> image;
        std::uint32_t lastFrameOffset = 0;
        std::size_t lastFrameBytes = 0;
        int framesTaken = 0;
        bool dataComplete = false;
    };

    std::optional<InputReport> answer(const platform::HidReport& output);
    InputReport answerInfoRead(std::uint32_t offset) const;
    InputReport answerConfigItem(std::uint8_t tag, std::uint32_t offset, std::span<const std::uint8_t> chunk);
    std::optional<InputReport> takeFirmwareData(std::uint32_t offset, std::span<const std::uint8_t> chunk);
    void takeFirmwareEnd();
    void applyReplyFaults(std::vector<InputReport>& replies);

    mutable std::mutex mutex_;
    LoggerDescription description_;
    ReceivedItems items_;
    std::map<std::uint8_t, std::uint8_t> itemStatus_;
    std::vector<platform::HidReport> received_;
    FirmwareIntake firmware_;
    std::vector<std::string> violations_;
    int leaveCountdown_ = 0;
    int refusedReports_ = 0;
    int swallowCount_ = 0;
    int foreignCount_ = 0;
    std::uint8_t foreignCode_ = 0;
    int refusedFrame_ = 0;
    std::uint8_t refusalCode_ = 0;
    int keptFirmwareRestarts_ = 0;
    bool restarting_ = false;
};

}  // namespace lc::sim
