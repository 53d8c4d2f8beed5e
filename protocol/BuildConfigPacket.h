#pragma once

#include "form/AlertThresholds.h"
#include "form/ConfigDraft.h"
#include "form/LoggerClock.h"
#include "platform/Controls.h"
#include "protocol/ConfigPacket.h"
#include "protocol/DeviceInfo.h"

namespace lc {

// What the packet is made of: the collected form, the held thresholds in Celsius, the date and time
// the logger is to take, the logger's firmware generation, and the auto-start box.
struct PacketSources {
    ConfigDraft& draft;  // an old-generation logger gets its unit forced to Celsius here
    const AlertThresholds& thresholds;
    const LoggerClock& clock;
    const DeviceInfo& info;
    const platform::Controls& controls;
};

// Encodes the settings as the items of the logger's generation, closed by tag 0xFF, and marks the
// packet ready. False, and nothing changed, while an earlier packet is still pending.
bool BuildConfigPacket(const PacketSources& sources, ConfigPacket& packet);

}  // namespace lc
