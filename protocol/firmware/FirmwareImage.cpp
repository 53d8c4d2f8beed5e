#include "protocol/firmware/FirmwareImage.h"

#include <array>

namespace lc {
namespace {

constexpr std::array<FirmwareImageKind, FirmwareModelCount> Kinds{{
    {FirmwareModel::Model98, "model-98.bin", 0x00, 0xA0, 0x4069, 62464},
    {FirmwareModel::Model7, "model-7.bin", 0x00, 0xA0, 0x4069, 62464},
    {FirmwareModel::Model4, "model-4.bin", 0x00, 0x83, 0x4069, 62464},
    {FirmwareModel::ModelBit7, "model-bit7.bin", 0x00, 0x83, 0x4066, 61952},
}};

// KindOf looks a model up by its position.
static_assert([] {
    for (std::size_t i = 0; i < Kinds.size(); ++i) {
        if (static_cast<std::size_t>(Kinds[i].model) != i) {
            return false;
        }
    }
    return true;
}());

}  // namespace

std::span<const FirmwareImageKind> FirmwareImageKinds() {
    return Kinds;
}

const FirmwareImageKind& KindOf(FirmwareModel model) {
    return Kinds[static_cast<std::size_t>(model)];
}

std::optional<FirmwareImage> FirmwareImage::FromBytes(const FirmwareImageKind& kind,
                                                      std::vector<std::uint8_t> bytes) {
    if (bytes.size() != kind.length) {
        return std::nullopt;
    }
    FirmwareImage image(std::move(bytes));
    if (image.firstModelByte() != kind.firstModelByte || image.secondModelByte() != kind.secondModelByte ||
        image.version() != kind.version) {
        return std::nullopt;
    }
    return image;
}

}  // namespace lc
