#pragma once

#include <cstdint>

#include "platform/Controls.h"

namespace lc {

// Selects the zone combo's item for an offset in minutes east of UTC; an offset that is not one of
// the listed zones selects "UTC+00:00".
void SelectZoneItem(platform::Controls& controls, std::int16_t offsetMinutes);

}  // namespace lc
