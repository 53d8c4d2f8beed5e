#pragma once

#include <string>

#include "platform/HidAccess.h"

namespace lc::sim {

// One output report as the logger's log shows it:
// "rx cmd=0x91 len=6 off=0 data=" with the payload in upper-case hex, no spaces.
std::string FormatFrameLine(const platform::HidReport& output);

inline constexpr const char* PlugLine = "plug";
inline constexpr const char* UnplugLine = "unplug";

}  // namespace lc::sim
