#pragma once

#include "form/AlertThresholds.h"
#include "form/ChangeFlags.h"
#include "platform/Controls.h"
#include "protocol/DeviceInfo.h"
#include "protocol/InfoBlock.h"

namespace lc {

// With the settings lock on, a new logger changes only the device ID shown.
void RefreshDeviceId(platform::Controls& controls, const InfoBlock& block, ChangeFlags& changes);

// Brings the form in line with an accepted logger: its stored settings when the block carries them,
// otherwise only which channel, unit and threshold controls its model offers.
void FillForm(platform::Controls& controls, const InfoBlock& block, const DeviceInfo& info,
              AlertThresholds& thresholds, ChangeFlags& changes);

// The two ways FillForm takes.
void FillFromModel(platform::Controls& controls, const DeviceInfo& info);
void FillFromStoredSettings(platform::Controls& controls, const InfoBlock& block, const DeviceInfo& info,
                            AlertThresholds& thresholds, ChangeFlags& changes);

}  // namespace lc
