#include "fuzz/PacketItems.h"

#include "fuzz/Property.h"
#include "protocol/ConfigItem.h"

namespace lc::fuzz {

void RequireWellFormedItems(const ConfigPacket& packet) {
    Require(packet.writeStage == WriteStage::PacketReady, "a built packet is marked ready");
    Require(packet.usedLength <= packet.buffer.size(), "the used length stays inside the buffer");
    std::size_t at = 0;
    std::uint8_t lastTag = 0;
    while (at < packet.usedLength) {
        Require(at + item::Framing <= packet.usedLength, "an item's framing lies inside the used bytes");
        const std::uint8_t length = packet.buffer[at + item::LengthOffset];
        Require(packet.buffer[at] == item::Lead, "every item starts with its lead");
        Require(length >= item::Framing && length - item::Framing <= item::MaxValueLength,
                "an item's length holds its framing and at most the longest value");
        Require(at + length <= packet.usedLength, "an item ends inside the used bytes");
        Require(ItemSum({packet.buffer.data() + at, length - 1u}) == packet.buffer[at + length - 1],
                "every item's checksum matches its bytes");
        lastTag = packet.buffer[at + item::TagOffset];
        at += length;
    }
    Require(at == packet.usedLength, "the items fill the used length exactly");
    Require(lastTag == item::EndOfSettings, "the last item ends the settings");
}

}  // namespace lc::fuzz
