#pragma once

#include <memory>

#include "platform/MessageBox.h"
#include "platform/NamedObjects.h"

namespace lc {

// The tool's own name, held for its whole run, and the name a running calibration tool holds.
inline constexpr const char* ToolInstanceName = "_Configuration_";
inline constexpr const char* CalibrationToolName = "_Calibrate_";

// Holds the tool's name for the run. When another copy of the tool runs, or a calibration tool does,
// tells the technician so and returns nullptr: the tool must not open its window then.
std::unique_ptr<platform::HeldName> ClaimToolInstance(platform::NamedObjects& names,
                                                      platform::MessageBox& messages);

}  // namespace lc
