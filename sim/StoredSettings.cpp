#include "sim/StoredSettings.h"

#include <algorithm>

#include "sim/BlockFields.h"

namespace lc::sim {

namespace {

enum class Conversion { Copy, MinutesToSeconds, Threshold, Zone };

struct Placement {
    std::uint8_t tag;
    std::size_t offset;
    std::size_t width;
    Conversion conversion;
};

constexpr Placement Placements[] = {
    {0x0D, field::ReportLanguage, 1, Conversion::Copy},
    {0x0F, field::Unit, 1, Conversion::Copy},
    {0x05, field::StartDelaySeconds, 4, Conversion::MinutesToSeconds},
    {0x07, field::IntervalSeconds, 4, Conversion::MinutesToSeconds},
    {0x06, field::StartDelaySeconds, 4, Conversion::Copy},
    {0x08, field::IntervalSeconds, 4, Conversion::Copy},
    {0x09, field::HighTemp, 2, Conversion::Threshold},
    {0x0B, field::LowTemp, 2, Conversion::Threshold},
    {0x33, field::HighHumidity, 2, Conversion::Copy},
    {0x35, field::LowHumidity, 2, Conversion::Copy},
    {0x25, field::IgnoreLast, 2, Conversion::Copy},
    {0x15, field::DeviceName, 20, Conversion::Copy},
    {0x11, field::DeviceId, 20, Conversion::Copy},
    {0x17, field::WebAddress, 50, Conversion::Copy},
    {0x19, field::CustomText, 100, Conversion::Copy},
    {0x2D, field::Brand, 20, Conversion::Copy},
    {0x3D, field::Channel, 1, Conversion::Copy},
    {0x44, field::DateFormat, 1, Conversion::Copy},
    {0x43, field::ZoneHours, 1, Conversion::Zone},
    {0x27, field::Battery, 1, Conversion::Copy},
    {0x4A, field::PushDelete, 1, Conversion::Copy},
    {0x4F, field::Alert, 1, Conversion::Copy},
};

constexpr std::uint8_t NewGenerationMajor = 0x20;

std::uint16_t Le16(const std::vector<std::uint8_t>& value) {
    return static_cast<std::uint16_t>(value[0] | (value[1] << 8));
}

void Place(const Placement& placement, const std::vector<std::uint8_t>& value, bool oldGeneration,
           LoggerBlock& block) {
    switch (placement.conversion) {
        case Conversion::Copy: {
            const auto slot = block.begin() + static_cast<std::ptrdiff_t>(placement.offset);
            std::fill_n(slot, placement.width, 0);
            std::copy_n(value.begin(), std::min(value.size(), placement.width), slot);
            return;
        }
        case Conversion::MinutesToSeconds:
            if (value.size() >= 2) {
                PutLe32(block, placement.offset, Le16(value) * 60U);
            }
            return;
        case Conversion::Threshold:
            if (value.size() >= 2) {
                const auto sent = static_cast<std::int16_t>(Le16(value));
                const auto twentieths = oldGeneration ? static_cast<std::int16_t>(sent * 2) : sent;
                PutLe16(block, placement.offset, static_cast<std::uint16_t>(twentieths));
            }
            return;
        case Conversion::Zone:
            if (value.size() >= 2) {
                block[field::ZoneHours] = value[0];
                block[field::ZoneMinutes] = value[1];
            }
            return;
    }
}

}  // namespace

void StoreSettings(const ReceivedItems& items, LoggerBlock& block) {
    const bool oldGeneration = (GetFirmwareVersion(block) >> 8) < NewGenerationMajor;
    for (const Placement& placement : Placements) {
        const auto item = items.find(placement.tag);
        if (item != items.end() && !item->second.empty()) {
            Place(placement, item->second, oldGeneration, block);
        }
    }
}

}  // namespace lc::sim
