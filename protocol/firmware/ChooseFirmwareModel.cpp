#include "protocol/firmware/ChooseFirmwareModel.h"

#include <array>
#include <cstdint>

namespace lc {
namespace {

constexpr std::uint8_t FirmwareFamily = 0x40;  // high byte of every updatable firmware version
constexpr std::uint8_t HighBitModels = 0x80;
constexpr std::uint8_t NeededCapabilities = 0x04 | 0x08;

struct ModelRow {
    std::uint8_t modelCode;
    std::uint8_t deviceType;
    FirmwareModel model;
};

constexpr std::array<ModelRow, 3> Models{{
    {4, 131, FirmwareModel::Model4},
    {7, 160, FirmwareModel::Model7},
    {98, 160, FirmwareModel::Model98},
}};

}  // namespace

std::optional<FirmwareModel> ChooseFirmwareModel(const DeviceInfo& info) {
    if (info.firmwareVersion >> 8 != FirmwareFamily) {
        return std::nullopt;
    }
    // Its model bytes are checked against the logger's later, whatever its device type.
    if ((info.modelCode & HighBitModels) != 0) {
        return FirmwareModel::ModelBit7;
    }
    if ((info.capabilityFlags & NeededCapabilities) != NeededCapabilities) {
        return std::nullopt;
    }
    for (const ModelRow& row : Models) {
        if (row.modelCode == info.modelCode && row.deviceType == info.deviceType) {
            return row.model;
        }
    }
    return std::nullopt;
}

}  // namespace lc
