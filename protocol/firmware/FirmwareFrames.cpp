#include "protocol/firmware/FirmwareFrames.h"

#include <algorithm>

namespace lc {
namespace {

void BuildFrame(platform::HidReport& report, std::uint8_t command, std::uint32_t offset,
                std::span<const std::uint8_t> payload) {
    report.fill(0);
    report[0] = 0x01;
    report[1] = command;
    report[2] = static_cast<std::uint8_t>(FrameHeaderLength + payload.size());
    report[3] = static_cast<std::uint8_t>(offset);
    report[4] = static_cast<std::uint8_t>(offset >> 8);
    report[5] = static_cast<std::uint8_t>(offset >> 16);
    std::copy(payload.begin(), payload.end(), report.begin() + FrameHeaderLength);
}

}  // namespace

std::uint32_t BuildFirmwareDataFrame(platform::HidReport& report, std::span<const std::uint8_t> image,
                                     std::uint32_t offset) {
    const std::uint32_t count =
        std::min<std::uint32_t>(FirmwareFramePayload, static_cast<std::uint32_t>(image.size()) - offset);
    BuildFrame(report, FirmwareDataCommand, offset, image.subspan(offset, count));
    return count;
}

void BuildEmptyFirmwareFrame(platform::HidReport& report, std::uint32_t imageLength) {
    BuildFrame(report, FirmwareDataCommand, imageLength, {});
}

void BuildFirmwareClosingFrame(platform::HidReport& report) {
    BuildFrame(report, FirmwareEndCommand, 0, {});
}

int FirmwarePercent(std::uint32_t bytesSent, std::uint32_t imageLength) {
    return static_cast<int>(std::uint64_t{bytesSent} * 99 / imageLength);
}

}  // namespace lc
