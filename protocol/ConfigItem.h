#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "protocol/ConfigPacket.h"
#include "protocol/DeviceInfo.h"

namespace lc::item {

// The layout of one item: lead, length of the whole item, class byte, tag, value, checksum.
inline constexpr std::uint8_t Lead = 0x55;
inline constexpr std::size_t LengthOffset = 1;
inline constexpr std::size_t TagOffset = 3;
inline constexpr std::size_t ValueOffset = 4;
inline constexpr std::size_t Framing = 5;
inline constexpr std::size_t MaxValueLength = 250;

// The item that ends the settings.
inline constexpr std::uint8_t EndOfSettings = 0xFF;

}  // namespace lc::item

namespace lc {

// 8-bit sum, modulo 256, of the bytes.
std::uint8_t ItemSum(std::span<const std::uint8_t> bytes);

// Appends one item at the packet's used length. False, and the packet unchanged, when the value is
// longer than an item can say or the item would not fit in the buffer.
bool AppendConfigItem(ConfigPacket& packet, const DeviceInfo& info, std::uint8_t tag,
                      std::span<const std::uint8_t> value);

}  // namespace lc
