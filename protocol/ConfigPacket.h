#pragma once

#include <array>
#include <cstdint>

namespace lc {

enum class WriteStage : std::uint8_t { NoPacket = 0, PacketReady = 1 };

inline constexpr std::size_t ConfigPacketCapacity = 2048;

// The settings to write, as tagged items back to back: 0x55, item length, class byte, tag, value,
// checksum.
struct ConfigPacket {
    std::array<std::uint8_t, ConfigPacketCapacity> buffer{};
    std::uint16_t usedLength = 0;
    WriteStage writeStage = WriteStage::NoPacket;
};

}  // namespace lc
