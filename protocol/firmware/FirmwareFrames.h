#pragma once

#include <cstdint>
#include <span>

#include "platform/HidAccess.h"

namespace lc {

inline constexpr std::uint32_t FirmwareFramePayload = 56;

// The next slice of the image, from offset on; returns how many image bytes it carries.
std::uint32_t BuildFirmwareDataFrame(platform::HidReport& report, std::span<const std::uint8_t> image,
                                     std::uint32_t offset);
// The data frame without payload that follows the last slice, at the image's length.
void BuildEmptyFirmwareFrame(platform::HidReport& report, std::uint32_t imageLength);
// Tells the logger that the image is complete; it restarts with it.
void BuildFirmwareClosingFrame(platform::HidReport& report);

// The progress shown on the write button: 0 to 99, never 100, since the logger still has to restart.
int FirmwarePercent(std::uint32_t bytesSent, std::uint32_t imageLength);

}  // namespace lc
