#pragma once

#include <cstdint>

#include "platform/Controls.h"

namespace lc {

// The write button's states, captioned in the window's current language.

// A logger is ready to be written: enabled, writeReady 1.
void ShowWriteReady(platform::Controls& controls, std::int32_t& writeReady);
// A packet is built and being sent: disabled until the logger is removed.
void ShowConfiguring(platform::Controls& controls);
// No logger: disabled, writeReady 0.
void ShowNoLogger(platform::Controls& controls, std::int32_t& writeReady);

}  // namespace lc
