#pragma once

#include <cstddef>
#include <cstdint>

#include "protocol/InfoBlock.h"

namespace lc::infoblock {

// Where the logger keeps each field of its information block. Multi-byte numbers are least significant
// byte first, except memorySize and firmwareVersion, whose bytes are scattered.
inline constexpr std::size_t MemoryExponent = 2;
inline constexpr std::size_t RecordBits = 4;
inline constexpr std::size_t CapabilityFlags = 5;
inline constexpr std::size_t MemorySizeLow = 6;
inline constexpr std::size_t MemorySizeMiddle = 7;
inline constexpr std::size_t TempLimitHigh = 8;
inline constexpr std::size_t TempLimitLow = 10;
inline constexpr std::size_t FirmwareVersionHigh = 16;
inline constexpr std::size_t ModelCode = 17;
inline constexpr std::size_t FirmwareVersionLow = 20;
inline constexpr std::size_t MemorySizeHigh = 21;
inline constexpr std::size_t HardwareCode = 22;
inline constexpr std::size_t DeviceType = 23;
inline constexpr std::size_t StateFlags = 26;
inline constexpr std::size_t RequiredToolVersion = 27;
inline constexpr std::size_t ExpiryYear = 110;
inline constexpr std::size_t ExpiryMonth = 111;
inline constexpr std::size_t ExpiryDay = 112;
inline constexpr std::size_t ExpiryCheck = 113;
inline constexpr std::size_t ReportLanguageCode = 128;
inline constexpr std::size_t UnitCode = 129;
inline constexpr std::size_t StartDelaySeconds = 130;
inline constexpr std::size_t IntervalSeconds = 134;
inline constexpr std::size_t HighTempRaw = 138;
inline constexpr std::size_t LowTempRaw = 140;
inline constexpr std::size_t HighHumidityRaw = 150;
inline constexpr std::size_t LowHumidityRaw = 152;
inline constexpr std::size_t IgnoreLastCount = 162;
inline constexpr std::size_t ChannelCode = 395;
inline constexpr std::size_t DateFormatCode = 396;
inline constexpr std::size_t ZoneHours = 397;
inline constexpr std::size_t BatteryCode = 398;
inline constexpr std::size_t ZoneMinutes = 401;
inline constexpr std::size_t PushDeleteFlag = 402;
inline constexpr std::size_t AlertFlag = 411;

// A fixed-width text field of the block.
struct TextSlot {
    std::size_t offset;
    std::size_t length;
};
inline constexpr TextSlot DeviceName{166, 20};
inline constexpr TextSlot DeviceId{186, 20};
inline constexpr TextSlot WebAddress{206, 50};
inline constexpr TextSlot CustomText{256, 100};
inline constexpr TextSlot BrandText{358, 20};

// capabilityFlags bits the tool interprets.
inline constexpr std::uint8_t CarriesSettings = 0x01;
inline constexpr std::uint8_t MeasuresTemperature = 0x20;
inline constexpr std::uint8_t MeasuresHumidity = 0x40;
inline constexpr std::uint8_t ReportsFahrenheit = 0x80;

inline std::uint8_t Byte(const InfoBlock& block, std::size_t offset) {
    return block.bytes[offset];
}

inline std::uint16_t Unsigned16(const InfoBlock& block, std::size_t offset) {
    return static_cast<std::uint16_t>(block.bytes[offset] | block.bytes[offset + 1] << 8);
}

inline std::int16_t Signed16(const InfoBlock& block, std::size_t offset) {
    return static_cast<std::int16_t>(Unsigned16(block, offset));
}

inline std::uint32_t Unsigned32(const InfoBlock& block, std::size_t offset) {
    return static_cast<std::uint32_t>(Unsigned16(block, offset)) |
           static_cast<std::uint32_t>(Unsigned16(block, offset + 2)) << 16;
}

}  // namespace lc::infoblock
