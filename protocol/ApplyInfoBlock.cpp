#include "protocol/ApplyInfoBlock.h"

#include "protocol/DecodeDeviceInfo.h"
#include "protocol/FormFill.h"
#include "protocol/Gates.h"
#include "vocabulary/ControlIds.h"

namespace lc {

bool ApplyInfoBlock(const InfoBlockTargets& targets, bool fullFill) {
    DecodeDeviceInfo(targets.block, targets.info);
    ApplyRecordLimit(targets.block, targets.info);
    if (!targets.ui.controls.isChecked(ids::LockBox)) {
        targets.changes.set(change::RefreshChannel);
    }
    if (!PassesToolVersionGate(targets.ui, targets.info)) {
        return false;
    }
    if (CheckCalibrationExpiry(targets.ui, targets.block, targets.info, targets.clock)) {
        return false;
    }
    if (fullFill) {
        FillForm(targets.ui.controls, targets.block, targets.info, targets.thresholds, targets.changes);
    } else {
        RefreshDeviceId(targets.ui.controls, targets.block, targets.changes);
    }
    return true;
}

}  // namespace lc
