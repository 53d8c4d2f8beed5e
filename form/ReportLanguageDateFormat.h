#pragma once

#include "platform/Controls.h"
#include "protocol/DeviceInfo.h"

namespace lc {

// Loggers before firmware generation 0x20 print their report's dates in the report's language's
// order: day/month/year in English, year/month/day in Chinese. Newer loggers keep the chosen format.
void MatchDateFormatToReportLanguage(platform::Controls& controls, const DeviceInfo& info);

}  // namespace lc
