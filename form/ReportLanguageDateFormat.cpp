#include "form/ReportLanguageDateFormat.h"

#include "vocabulary/ControlIds.h"

namespace lc {

namespace {

constexpr int EnglishReport = 0;
constexpr int DayMonthYear = 0;
constexpr int YearMonthDay = 2;

}  // namespace

void MatchDateFormatToReportLanguage(platform::Controls& controls, const DeviceInfo& info) {
    if ((info.firmwareVersion >> 8) >= 0x20) {
        return;
    }
    const bool english = controls.selection(ids::ReportLanguageCombo) == EnglishReport;
    controls.select(ids::DateFormatCombo, english ? DayMonthYear : YearMonthDay);
    controls.invalidate(ids::DateFormatCombo);
}

}  // namespace lc
