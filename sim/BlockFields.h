#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "sim/LoggerDescription.h"

// Where the logger keeps each field of its information block.
namespace lc::sim::field {

inline constexpr std::size_t MemoryExponent = 2;
inline constexpr std::size_t RecordBits = 4;
inline constexpr std::size_t CapabilityFlags = 5;
inline constexpr std::size_t TempLimitHigh = 8;
inline constexpr std::size_t TempLimitLow = 10;
inline constexpr std::size_t ModelCode = 17;
inline constexpr std::size_t HardwareCode = 22;
inline constexpr std::size_t DeviceType = 23;
inline constexpr std::size_t StateFlags = 26;
inline constexpr std::size_t RequiredToolVersion = 27;
inline constexpr std::size_t ExpiryDate = 110;  // year - 2000, month, day, their sum
inline constexpr std::size_t ReportLanguage = 128;
inline constexpr std::size_t Unit = 129;
inline constexpr std::size_t StartDelaySeconds = 130;
inline constexpr std::size_t IntervalSeconds = 134;
inline constexpr std::size_t HighTemp = 138;  // twentieths of a degree Celsius
inline constexpr std::size_t LowTemp = 140;
inline constexpr std::size_t HighHumidity = 150;  // tenths of a percent
inline constexpr std::size_t LowHumidity = 152;
inline constexpr std::size_t IgnoreLast = 162;
inline constexpr std::size_t DeviceName = 166;
inline constexpr std::size_t DeviceId = 186;
inline constexpr std::size_t WebAddress = 206;
inline constexpr std::size_t CustomText = 256;
inline constexpr std::size_t Brand = 358;
inline constexpr std::size_t Channel = 395;
inline constexpr std::size_t DateFormat = 396;
inline constexpr std::size_t ZoneHours = 397;
inline constexpr std::size_t Battery = 398;
inline constexpr std::size_t ZoneMinutes = 401;
inline constexpr std::size_t PushDelete = 402;
inline constexpr std::size_t Alert = 411;

}  // namespace lc::sim::field

namespace lc::sim {

void PutLe16(LoggerBlock& block, std::size_t offset, std::uint16_t value);
void PutLe32(LoggerBlock& block, std::size_t offset, std::uint32_t value);
std::uint16_t GetLe16(const LoggerBlock& block, std::size_t offset);
// A text slot: the text, cut to the slot, and zeros after it.
void PutText(LoggerBlock& block, std::size_t offset, std::size_t width, std::string_view text);

// The two fields whose bytes lie apart: the firmware version (high byte 16, low byte 20) and the
// memory size (bytes 6, 7 and, for bits 16..23, byte 21).
void PutFirmwareVersion(LoggerBlock& block, std::uint16_t version);
std::uint16_t GetFirmwareVersion(const LoggerBlock& block);
void PutMemorySize(LoggerBlock& block, std::uint32_t bytes);
// A calibration expiry date with its check byte.
void PutExpiryDate(LoggerBlock& block, std::uint8_t yearSince2000, std::uint8_t month, std::uint8_t day);

}  // namespace lc::sim
