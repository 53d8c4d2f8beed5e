#pragma once

#include <cstdint>

#include "form/LoggerClock.h"
#include "platform/Controls.h"
#include "platform/Ui.h"
#include "protocol/DeviceInfo.h"
#include "protocol/InfoBlock.h"

namespace lc {

// Refuses, with a message naming the version needed, a logger that asks for a newer tool than this one.
bool PassesToolVersionGate(platform::Ui ui, const DeviceInfo& info);

// Days since 31 December 2000 (1 January 2001 is day 1), February always of 28 days.
std::uint32_t DayNumber(std::uint8_t year, std::uint8_t month, std::uint8_t day);

// True: the logger's calibration has run out and it is refused. Warns when fewer than 30 days are left.
bool CheckCalibrationExpiry(platform::Ui ui, const InfoBlock& block, const DeviceInfo& info,
                            const LoggerClock& clock);

// The threshold edits stay disabled while alerts are switched off on a logger whose firmware honours it.
bool AlertsLocked(const platform::Controls& controls, const DeviceInfo& info);

}  // namespace lc
