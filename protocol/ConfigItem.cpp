#include "protocol/ConfigItem.h"

#include <algorithm>
#include <numeric>

namespace lc {

namespace {

// Firmware from 1.E03 on wants its device type in every item; older firmware takes 0xFF.
constexpr std::uint16_t FirstTypedFirmware = 0x1E03;

std::uint8_t ClassByte(const DeviceInfo& info) {
    return info.firmwareVersion < FirstTypedFirmware ? 0xFF : info.deviceType;
}

}  // namespace

std::uint8_t ItemSum(std::span<const std::uint8_t> bytes) {
    return static_cast<std::uint8_t>(std::accumulate(bytes.begin(), bytes.end(), 0u));
}

bool AppendConfigItem(ConfigPacket& packet, const DeviceInfo& info, std::uint8_t tag,
                      std::span<const std::uint8_t> value) {
    const std::size_t itemLength = value.size() + item::Framing;
    if (value.size() > item::MaxValueLength || packet.usedLength + itemLength > packet.buffer.size()) {
        return false;
    }
    const std::span<std::uint8_t> target(packet.buffer.data() + packet.usedLength, itemLength);
    target[0] = item::Lead;
    target[item::LengthOffset] = static_cast<std::uint8_t>(itemLength);
    target[2] = ClassByte(info);
    target[item::TagOffset] = tag;
    std::copy(value.begin(), value.end(), target.begin() + item::ValueOffset);
    target.back() = ItemSum(target.first(itemLength - 1));
    packet.usedLength = static_cast<std::uint16_t>(packet.usedLength + itemLength);
    return true;
}

}  // namespace lc
