// An information block of any bytes, taken as the tool takes a freshly read logger: decoded, gated,
// filled into the window; then the filled form is collected and built into a configuration packet.
// Properties: only the block's meaningful bytes decide what the window shows and what the tool keeps
// of the logger (the buffer's tail, left from earlier loggers, never does); a built packet is well
// formed in every item.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "form/FormCollection.h"
#include "fuzz/PacketItems.h"
#include "fuzz/Property.h"
#include "protocol/ApplyInfoBlock.h"
#include "protocol/BuildConfigPacket.h"
#include "tests/form/FormWindow.h"

namespace {

using namespace lc;

struct Taken {
    testing::FormWindow window;
    bool accepted = false;
};

void Take(const InfoBlock& block, Taken& taken) {
    const LoggerClock clock{26, 3, 29, 1, 30, 0};
    testing::FormWindow& w = taken.window;
    taken.accepted = ApplyInfoBlock({w.ui, block, w.info, w.thresholds, w.changeFlags, clock}, true);
}

bool SameInfo(const DeviceInfo& a, const DeviceInfo& b) {
    return a.firmwareVersion == b.firmwareVersion && a.modelCode == b.modelCode &&
           a.capabilityFlags == b.capabilityFlags && a.hardwareCode == b.hardwareCode &&
           a.deviceType == b.deviceType && a.recordBits == b.recordBits && a.memorySize == b.memorySize &&
           a.tempLimitHigh == b.tempLimitHigh && a.tempLimitLow == b.tempLimitLow &&
           a.stateFlags == b.stateFlags && a.requiredToolVersion == b.requiredToolVersion &&
           a.recordCapacity == b.recordCapacity;
}

bool SameForm(const fakes::FakeControls& a, const fakes::FakeControls& b) {
    for (platform::ControlId id = 1000; id < 2500; ++id) {
        if (!a.has(id)) {
            continue;
        }
        const auto& x = a.control(id);
        const auto& y = b.control(id);
        if (x.text != y.text || x.enabled != y.enabled || x.checked != y.checked ||
            x.selection != y.selection || x.items != y.items) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Two buffers alike in their meaningful bytes, one with a tail of zeros, one with a tail of 0xA5.
    static const auto clean = std::make_unique<InfoBlock>();
    static const auto stale = [] {
        auto block = std::make_unique<InfoBlock>();
        block->bytes.fill(0xA5);
        return block;
    }();
    const std::size_t meaningful = std::min(size, InfoBlockMeaningfulBytes);
    std::fill(clean->bytes.begin(), clean->bytes.begin() + InfoBlockMeaningfulBytes, 0);
    std::fill(stale->bytes.begin(), stale->bytes.begin() + InfoBlockMeaningfulBytes, 0);
    std::copy_n(data, meaningful, clean->bytes.begin());
    std::copy_n(data, meaningful, stale->bytes.begin());

    Taken first;
    Taken second;
    Take(*clean, first);
    Take(*stale, second);
    fuzz::Require(first.accepted == second.accepted && SameInfo(first.window.info, second.window.info) &&
                      SameForm(first.window.controls, second.window.controls) &&
                      first.window.messages.shown == second.window.messages.shown,
                  "only the block's meaningful bytes decide what the tool takes of a logger");
    if (!first.accepted) {
        return 0;
    }

    testing::FormWindow& w = first.window;
    ConfigDraft draft;
    if (!CollectConfigDraft(w.ui, w.info, w.thresholds, draft)) {
        return 0;
    }
    const LoggerClock clock{26, 3, 29, 1, 30, 0};
    ConfigPacket packet;
    fuzz::Require(BuildConfigPacket({draft, w.thresholds, clock, w.info, w.controls}, packet),
                  "a collected form builds into a packet");
    fuzz::RequireWellFormedItems(packet);
    return 0;
}
