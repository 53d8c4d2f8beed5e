#pragma once

#include <cstdint>

namespace lc {

// What the tool keeps about the connected logger, decoded from its information block. Survives the
// logger's removal; the next logger's block overwrites it.
struct DeviceInfo {
    std::uint16_t firmwareVersion = 0;  // hexadecimal-digit form: 0x4066 is 4.066
    std::uint8_t modelCode = 0;
    std::uint8_t capabilityFlags = 0;
    std::uint8_t hardwareCode = 0;
    std::uint8_t deviceType = 0;
    std::uint8_t recordBits = 0;
    std::uint32_t memorySize = 0;       // 24 bits
    std::int16_t tempLimitHigh = 2000;  // tenths of a degree Celsius
    std::int16_t tempLimitLow = -2000;
    std::uint8_t stateFlags = 0;
    std::uint16_t requiredToolVersion = 0;
    std::uint32_t recordCapacity = 0;
};

// The tool's own version, in hexadecimal-digit form; also written to the logger.
inline constexpr std::uint16_t ToolVersion = 0x0318;

}  // namespace lc
