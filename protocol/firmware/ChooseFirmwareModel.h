#pragma once

#include <optional>

#include "protocol/DeviceInfo.h"
#include "protocol/firmware/FirmwareImage.h"

namespace lc {

// The model whose image a logger would take, judged by its model code, capability bits, device type
// and the family of its firmware; whether the image is newer is decided when it is armed.
std::optional<FirmwareModel> ChooseFirmwareModel(const DeviceInfo& info);

}  // namespace lc
