#pragma once

#include <functional>

#include "app/main/MessageOutput.h"
#include "platform/HidAccess.h"

namespace lc {

// The whole configuration tool on the HID access given: prepares the user interface, refuses to run
// beside another copy or a calibration tool, runs the configuration window until it is closed.
// argc and argv are the program's own and must outlive the call. Returns the process's exit status:
// 0 after the window was closed, 1 when the tool refused to start or no display could be opened.
int RunConfigurationTool(int& argc, char** argv, platform::HidAccess& hid,
                         MessageOutput output = MessageOutput::Boxes);

// The same start-up around another run of the window: runWindow builds the window (and whatever
// goes with it) and returns once the technician has closed it.
int RunConfigurationTool(int& argc, char** argv, MessageOutput output,
                         const std::function<void()>& runWindow);

}  // namespace lc
