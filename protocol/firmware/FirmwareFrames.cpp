#include "protocol/firmware/FirmwareFrames.h"

#include <algorithm>

#include "link/CommandFrame.h"

namespace lc {

std::uint32_t BuildFirmwareDataFrame(platform::HidReport& report, std::span<const std::uint8_t> image,
                                     std::uint32_t offset) {
    const std::uint32_t count =
        std::min<std::uint32_t>(FirmwareFramePayload, static_cast<std::uint32_t>(image.size()) - offset);
    BuildRequestFrame(report, FirmwareDataCommand, static_cast<std::uint8_t>(MinFrameLength + count), offset,
                      image.subspan(offset, count));
    return count;
}

void BuildEmptyFirmwareFrame(platform::HidReport& report, std::uint32_t imageLength) {
    BuildRequestFrame(report, FirmwareDataCommand, MinFrameLength, imageLength, {});
}

void BuildFirmwareClosingFrame(platform::HidReport& report) {
    BuildRequestFrame(report, FirmwareEndCommand, MinFrameLength, 0, {});
}

int FirmwarePercent(std::uint32_t bytesSent, std::uint32_t imageLength) {
    return static_cast<int>(std::uint64_t{bytesSent} * 99 / imageLength);
}

}  // namespace lc
