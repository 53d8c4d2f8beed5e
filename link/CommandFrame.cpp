#include "link/CommandFrame.h"

#include <algorithm>

namespace lc {

void BuildRequestFrame(platform::HidReport& report, std::uint8_t command, std::uint8_t frameLength,
                       std::uint32_t offset, std::span<const std::uint8_t> payload) {
    report.fill(0);
    report[0] = FrameReportId;
    report[ReplyCodeByte] = command;
    report[FrameLengthByte] = frameLength;
    // Only bits 0..23 of the offset travel.
    report[FrameOffsetByte] = static_cast<std::uint8_t>(offset);
    report[FrameOffsetByte + 1] = static_cast<std::uint8_t>(offset >> 8);
    report[FrameOffsetByte + 2] = static_cast<std::uint8_t>(offset >> 16);
    const std::size_t room = frameLength > MinFrameLength ? frameLength - MinFrameLength : 0;
    const std::size_t copied = std::min({room, payload.size(), MaxPayloadBytes});
    std::copy_n(payload.begin(), copied, report.begin() + PayloadByte);
}

}  // namespace lc
