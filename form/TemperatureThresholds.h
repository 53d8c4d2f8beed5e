#pragma once

#include "form/AlertThresholds.h"
#include "form/FieldLabel.h"
#include "platform/Ui.h"
#include "protocol/DeviceInfo.h"

namespace lc {

// A Celsius temperature on the logger's 0.05 °C grid, nudged 0.00001 away from zero (zero itself
// counts as negative) so that scaling and truncating it later lands on that step, not below it.
double RoundCelsius(double celsius);

// Read a temperature threshold edit in the unit of the unit combo, within the logger's range. On
// success both twins of the threshold describe the typed temperature; on a refusal nothing changes.
bool ReadLowTempThreshold(platform::Ui& ui, const DeviceInfo& info, AlertThresholds& thresholds,
                          FieldLabel label);
bool ReadHighTempThreshold(platform::Ui& ui, const DeviceInfo& info, AlertThresholds& thresholds,
                           FieldLabel label);

// Shows both thresholds and their unit labels in the chosen unit. The edits' guards keep the shown,
// rounded texts from being read back as if the technician had typed them.
void ShowThresholdsInUnit(platform::Controls& controls, AlertThresholds& thresholds);

}  // namespace lc
