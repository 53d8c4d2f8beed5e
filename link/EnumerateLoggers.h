#pragma once

#include <cstdint>

#include "link/DeviceSession.h"
#include "platform/HidAccess.h"

namespace lc {

// The logger's USB HID identity; all three must match exactly.
inline constexpr std::uint16_t LoggerVendorId = 0x8888;
inline constexpr std::uint16_t LoggerProductId = 0x0003;
inline constexpr std::uint16_t LoggerReleaseNumber = 0x0400;

// Lists the present HID interfaces and writes the paths of the loggers among them into
// interfacePaths in enumeration order (every other entry empty; never more than the table holds).
// Returns how many loggers were found, also those the table had no room for. Worker thread only.
int EnumerateLoggers(DeviceSession& session, platform::HidAccess& hid);

}  // namespace lc
