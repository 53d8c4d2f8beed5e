#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace lc::sim {

// What the logger answers to the USB HID enumeration.
struct LoggerIdentity {
    std::uint16_t vendorId = 0x8888;
    std::uint16_t productId = 0x0003;
    std::uint16_t releaseNumber = 0x0400;
};

// The logger's information block.
inline constexpr std::size_t LoggerBlockBytes = 516;
using LoggerBlock = std::array<std::uint8_t, LoggerBlockBytes>;

// Everything a virtual logger starts from.
struct LoggerDescription {
    LoggerIdentity identity;
    LoggerBlock block{};
    std::size_t sliceBytes = 58;                  // payload of each 0x91 answer, 1..58
    std::optional<std::size_t> blockEndsAfter;    // answer empty once this many bytes went out
    std::chrono::milliseconds restartDelay{300};  // off the bus after a firmware transfer
};

}  // namespace lc::sim
