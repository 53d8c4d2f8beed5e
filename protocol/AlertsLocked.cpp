#include "protocol/Gates.h"
#include "vocabulary/ControlIds.h"

namespace lc {

bool AlertsLocked(const platform::Controls& controls, const DeviceInfo& info) {
    return info.firmwareVersion >= 0x0040 && !controls.isChecked(ids::AlertBox);
}

}  // namespace lc
