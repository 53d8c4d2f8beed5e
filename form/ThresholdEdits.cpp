#include "form/ThresholdEdits.h"

#include <cstdint>

#include "form/OneDecimalCut.h"
#include "vocabulary/ControlIds.h"

namespace lc {

namespace {

// A cut text comes back through the nested notification, which asks for the read (or takes the
// guard); the outer run then only clears the guard.
void OnTemperatureEditChanged(platform::Controls& controls, platform::ControlId id, std::uint8_t& guard,
                              ChangeFlags& changeFlags, std::uint32_t readBit) {
    if (CutToOneDecimal(controls, id) && guard == 0) {
        changeFlags.set(readBit);
    } else {
        guard = 0;
    }
}

}  // namespace

void OnThresholdEditChanged(platform::Controls& controls, platform::ControlId id, AlertThresholds& thresholds,
                            ChangeFlags& changeFlags) {
    switch (id) {
        case ids::LowTempEdit:
            OnTemperatureEditChanged(controls, id, thresholds.lowEditGuard, changeFlags,
                                     change::ReadLowThreshold);
            break;
        case ids::HighTempEdit:
            OnTemperatureEditChanged(controls, id, thresholds.highEditGuard, changeFlags,
                                     change::ReadHighThreshold);
            break;
        case ids::LowHumidityEdit:
        case ids::HighHumidityEdit:
            CutToOneDecimal(controls, id);
            break;
        default:
            break;
    }
}

}  // namespace lc
