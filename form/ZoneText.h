#pragma once

#include <cstdint>
#include <string_view>

#include "platform/MessageBox.h"

namespace lc {

// The offset in minutes east of UTC of a zone item such as "UTC+08:00" or "UTC-05:30". A text that
// does not parse is told in a message box and leaves offsetMinutes as it was.
bool ParseZoneText(platform::MessageBox& messages, std::u16string_view text, std::int32_t& offsetMinutes);

}  // namespace lc
