#include "app/DurationDisplay.h"

#include "form/ControlReaders.h"
#include "platform/Text.h"
#include "vocabulary/ControlIds.h"

namespace lc {
namespace {

constexpr std::int32_t MaxIntervalMinutes = 1440;
constexpr std::uint64_t SecondsPerDay = 86400;
constexpr std::uint64_t SecondsPerHour = 3600;

const char* DurationFormat(bool days, UiLanguage language) {
    if (language == UiLanguage::Chinese) {
        return days ? "最大记录时长:%0.1f天/%d点" : "最大记录时长:%0.1f小时/%d点";
    }
    // Up to one day the figure is in hours, so the English text says so rather than "Day".
    return days ? "Lasting Days:%0.1fDay/%dItem" : "Lasting Days:%0.1fHour/%dItem";
}

}  // namespace

std::u16string DurationText(std::int32_t intervalMinutes, std::uint32_t recordCapacity, UiLanguage language) {
    // An interval of 0 records once a second.
    const std::uint64_t secondsPerRecord =
        intervalMinutes == 0 ? 1 : static_cast<std::uint64_t>(intervalMinutes) * 60;
    // Counted in 64 bits: a day's interval times a large memory passes 2^32 seconds.
    const std::uint64_t totalSeconds = secondsPerRecord * recordCapacity;
    const bool days = totalSeconds > SecondsPerDay;
    const double figure = static_cast<double>(totalSeconds) / (days ? SecondsPerDay : SecondsPerHour);
    // A capacity comes from a 24-bit memory size, so it always fits an int.
    return platform::FormatText(DurationFormat(days, language), figure, static_cast<int>(recordCapacity));
}

void RefreshDurationDisplay(platform::Ui& ui, std::uint32_t recordCapacity) {
    std::int32_t interval = 0;
    if (ReadIntegerControl(ui, ids::IntervalEdit, interval, MaxIntervalMinutes, Silent) != FieldCode::Ok) {
        return;
    }
    ui.controls.setText(ids::DurationDisplay,
                        DurationText(interval, recordCapacity, CurrentLanguage(ui.controls)));
    ui.controls.invalidate(ids::DurationDisplay);
}

}  // namespace lc
