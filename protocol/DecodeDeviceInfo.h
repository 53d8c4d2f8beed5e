#pragma once

#include <cstdint>

#include "protocol/DeviceInfo.h"
#include "protocol/InfoBlock.h"

namespace lc {

// The two fields taken from every block read, before the tool decides whether to deal with the logger.
void ReadLoggerIdentity(const InfoBlock& block, DeviceInfo& info);

// The device types the tool configures; for any other the opening is ignored.
bool IsConfigurableDeviceType(std::uint8_t deviceType);

// Everything else the tool keeps about the logger; any byte pattern decodes to something.
void DecodeDeviceInfo(const InfoBlock& block, DeviceInfo& info);

// Caps recordCapacity at the number of records the logger's memory class allows, when it names one.
void ApplyRecordLimit(const InfoBlock& block, DeviceInfo& info);

}  // namespace lc
