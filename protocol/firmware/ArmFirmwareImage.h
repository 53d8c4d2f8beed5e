#pragma once

#include <cstdint>

#include "link/DeviceSession.h"
#include "protocol/firmware/FirmwareImage.h"

namespace lc {

// Describes the image in the transfer fields when the logger's firmware is older than it; otherwise
// leaves nothing armed. True when armed.
bool ArmFirmwareImage(DeviceSession& session, std::uint16_t firmwareVersion, const FirmwareImage& image,
                      std::uint32_t length);

// Nothing armed, nothing sent.
void DisarmFirmwareImage(DeviceSession& session);

}  // namespace lc
