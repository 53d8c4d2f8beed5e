#include <algorithm>

#include "platform/Text.h"
#include "protocol/Gates.h"
#include "protocol/InfoBlockLayout.h"
#include "protocol/WindowLanguage.h"

namespace lc {

namespace {

struct CalendarDate {
    std::uint8_t year;  // year - 2000
    std::uint8_t month;
    std::uint8_t day;
};

// A logger without a valid expiry stamp is treated as expiring on 1 June 2021.
constexpr CalendarDate DefaultExpiry{21, 6, 1};

// The model whose calibration runs out; device type 0xA0 carries no expiry.
constexpr std::uint8_t ExpiringModel = 4;
constexpr std::uint8_t DeviceTypeWithoutExpiry = 0xA0;

constexpr std::uint32_t WarningDays = 30;

CalendarDate StoredExpiry(const InfoBlock& block) {
    using namespace infoblock;
    const CalendarDate stored{Byte(block, ExpiryYear), Byte(block, ExpiryMonth), Byte(block, ExpiryDay)};
    const std::uint8_t check = Byte(block, ExpiryCheck);
    const auto sum = static_cast<std::uint8_t>(stored.year + stored.month + stored.day);
    return (check == sum && check != 0) ? stored : DefaultExpiry;
}

}  // namespace

std::uint32_t DayNumber(std::uint8_t year, std::uint8_t month, std::uint8_t day) {
    const std::uint32_t yearsBefore = static_cast<std::uint8_t>(year - 1);
    std::uint32_t days = yearsBefore / 4 * 1461 + yearsBefore % 4 * 365;
    // A month above 12 counts as the end of the year: whole months never run past the table.
    const std::size_t wholeMonths = std::min<std::size_t>(month > 0 ? month - 1u : 0u, MonthDays.size());
    for (std::size_t i = 0; i < wholeMonths; ++i) {
        days += MonthDays[i];
    }
    return days + day;
}

bool CheckCalibrationExpiry(platform::Ui ui, const InfoBlock& block, const DeviceInfo& info,
                            const LoggerClock& clock) {
    if (info.deviceType == DeviceTypeWithoutExpiry || info.modelCode != ExpiringModel) {
        return false;
    }
    const CalendarDate expiryDate = StoredExpiry(block);
    const std::uint32_t expiry = DayNumber(expiryDate.year, expiryDate.month, expiryDate.day);
    const std::uint32_t today = DayNumber(clock.year, clock.month, clock.day);
    if (today >= expiry) {
        ui.messages.show(platform::Utf8ToUtf16(InWindowLanguage(
            ui.controls, "校准数据已经过期,\r\n请将设备发回厂家重新校准!",
            "Calibration has expired,\r\nPlease send back to the manufacturer for recalibration!")));
        return true;
    }
    if (today + WarningDays > expiry) {
        const char* format = InWindowLanguage(ui.controls, "设备校准数据将在%d天后过期!",
                                              "The calibration will expire in %d day!");
        ui.messages.show(platform::FormatText(format, static_cast<int>(expiry - today)));
    }
    return false;
}

}  // namespace lc
