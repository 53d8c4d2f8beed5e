#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/HidAccess.h"

namespace lc {

// The command frame carried in every 64-byte report: report id, command or reply code, frame length
// (6 + payload), a 24-bit offset least significant byte first, then the payload.
inline constexpr std::uint8_t FrameReportId = 0x01;
inline constexpr std::size_t ReplyCodeByte = 1;
inline constexpr std::size_t FrameLengthByte = 2;
inline constexpr std::size_t FrameOffsetByte = 3;
inline constexpr std::size_t PayloadByte = 6;
inline constexpr std::uint8_t MinFrameLength = 6;
inline constexpr std::uint8_t MaxFrameLength = 64;
inline constexpr std::size_t MaxPayloadBytes = MaxFrameLength - MinFrameLength;

inline constexpr std::uint8_t ReadInfoCommand = 0x91;
inline constexpr std::uint8_t FirmwareDataCommand = 0x93;
inline constexpr std::uint8_t ConfigEndCommand = 0x94;
inline constexpr std::uint8_t FirmwareEndCommand = 0x7F;

inline constexpr bool IsLegalFrameLength(std::uint8_t frameLength) {
    return frameLength >= MinFrameLength && frameLength <= MaxFrameLength;
}

// Fills the whole report: header, as much of the payload as the frame length holds, zeros after it.
// Payload bytes the frame length asks for beyond the given ones are sent as zeros.
void BuildRequestFrame(platform::HidReport& report, std::uint8_t command, std::uint8_t frameLength,
                       std::uint32_t offset, std::span<const std::uint8_t> payload);

}  // namespace lc
