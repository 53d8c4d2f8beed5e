#pragma once

#include "link/Link.h"
#include "platform/Controls.h"
#include "protocol/ConfigPacket.h"
#include "protocol/DeviceInfo.h"

namespace lc {

// What writing a packet to the logger touches: the link, the window (for the message language), the
// packet, and the logger's firmware generation for the closing item.
struct TransferTargets {
    Link link;
    const platform::Controls& controls;
    ConfigPacket& packet;
    const DeviceInfo& info;
};

// Sends a ready packet, closed by the store command, one command per item and 58 value bytes per
// frame, and discards it whatever the logger answers. Does nothing while no packet is ready, and
// keeps the packet while no logger is found. UI thread; blocks it for the whole write.
void TransferConfigPacket(const TransferTargets& targets);

}  // namespace lc
