#include "protocol/FormFill.h"

#include "protocol/BlockText.h"
#include "protocol/InfoBlockLayout.h"
#include "vocabulary/ControlIds.h"

namespace lc {

void RefreshDeviceId(platform::Controls& controls, const InfoBlock& block, ChangeFlags& changes) {
    controls.setText(ids::DeviceIdEdit, BlockText(block, infoblock::DeviceId));
    controls.invalidate(ids::DeviceIdEdit);
    changes.set(change::RefreshChannel);
}

void FillForm(platform::Controls& controls, const InfoBlock& block, const DeviceInfo& info,
              AlertThresholds& thresholds, ChangeFlags& changes) {
    controls.enable(ids::ZoneCombo, true);
    controls.enable(ids::DateFormatCombo, true);
    if ((info.capabilityFlags & infoblock::CarriesSettings) != 0) {
        FillFromStoredSettings(controls, block, info, thresholds, changes);
    } else {
        FillFromModel(controls, info);
    }
}

}  // namespace lc
