// The packet builder from a draft of any values (texts with or without terminator, numbers out of
// every range, thresholds not a number or beyond any scale) and a logger of any generation.
// Property: the packet is well formed in every item, or refused with the packet left untouched.
#include <cstddef>
#include <cstdint>

#include "fuzz/FuzzInput.h"
#include "fuzz/PacketItems.h"
#include "fuzz/Property.h"
#include "protocol/BuildConfigPacket.h"
#include "tests/fakes/FakeControls.h"
#include "vocabulary/ControlIds.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lc;
    static fakes::FakeControls controls;
    fuzz::FuzzInput in(data, size);

    ConfigDraft draft = in.value<ConfigDraft>();
    AlertThresholds thresholds;
    thresholds.lowC = in.value<double>();
    thresholds.highC = in.value<double>();
    const LoggerClock clock = in.value<LoggerClock>();
    DeviceInfo info;
    info.firmwareVersion = in.value<std::uint16_t>();
    info.deviceType = in.byte();
    info.capabilityFlags = in.byte();
    controls.setChecked(ids::AutoStartBox, in.flag());

    ConfigPacket packet;
    if (in.flag()) {
        packet.writeStage = WriteStage::PacketReady;  // an earlier packet still pending
        packet.usedLength = 7;
        fuzz::Require(
            !BuildConfigPacket({draft, thresholds, clock, info, controls}, packet) && packet.usedLength == 7,
            "a pending packet is never overwritten");
        return 0;
    }
    fuzz::Require(BuildConfigPacket({draft, thresholds, clock, info, controls}, packet),
                  "a draft always builds into a packet");
    fuzz::RequireWellFormedItems(packet);
    return 0;
}
