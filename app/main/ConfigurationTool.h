#pragma once

#include <functional>

#include "platform/HidAccess.h"

namespace lc {

// The whole configuration tool on the HID access given: prepares the user interface, refuses to run
// beside another copy or a calibration tool, runs the configuration window until it is closed.
// argc and argv are the program's own and must outlive the call. Returns the process's exit status:
// 0 after the window was closed, 1 when the tool refused to start.
int RunConfigurationTool(int& argc, char** argv, platform::HidAccess& hid);

// The same start-up around another run of the window: runWindow builds the window (and whatever
// goes with it) and returns once the technician has closed it.
int RunConfigurationTool(int& argc, char** argv, const std::function<void()>& runWindow);

}  // namespace lc
