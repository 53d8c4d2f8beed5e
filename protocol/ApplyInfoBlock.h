#pragma once

#include "form/AlertThresholds.h"
#include "form/ChangeFlags.h"
#include "form/LoggerClock.h"
#include "platform/Ui.h"
#include "protocol/DeviceInfo.h"
#include "protocol/InfoBlock.h"

namespace lc {

// What taking a freshly read logger touches: the window, the block just read, and the records the
// rest of the window reads about the logger.
struct InfoBlockTargets {
    platform::Ui ui;
    const InfoBlock& block;
    DeviceInfo& info;
    AlertThresholds& thresholds;
    ChangeFlags& changes;
    const LoggerClock& clock;
};

// Decodes the block, runs the tool-version and calibration gates, then fills the form (fullFill) or
// refreshes only the device ID. False: a gate refused the logger and the form is left as it was.
bool ApplyInfoBlock(const InfoBlockTargets& targets, bool fullFill);

}  // namespace lc
