#include "form/ZoneItem.h"
#include "platform/Text.h"
#include "protocol/BlockText.h"
#include "protocol/FormFill.h"
#include "protocol/InfoBlockLayout.h"
#include "protocol/ModelSensors.h"
#include "vocabulary/ControlIds.h"

namespace lc {

namespace {

using namespace infoblock;

// Combo indexes of the form.
constexpr int EnglishReport = 0;
constexpr int ChineseReport = 1;
constexpr int DayMonthYear = 0;
constexpr int YearMonthDay = 2;
constexpr int TemperatureChannel = 0;
constexpr int HumidityChannel = 1;
constexpr int BothChannels = 2;
constexpr int CelsiusUnit = 0;

constexpr std::uint16_t IgnoreLastLimit = 100;

bool Has(const DeviceInfo& info, std::uint8_t capability) {
    return (info.capabilityFlags & capability) != 0;
}

// A stored index out of its list's range falls back to fallback.
int StoredIndex(std::uint8_t stored, int count, int fallback) {
    return stored < count ? stored : fallback;
}

void SelectZone(platform::Controls& controls, const InfoBlock& block) {
    const auto hours = static_cast<std::int8_t>(Byte(block, ZoneHours));
    const auto minutes = static_cast<std::int8_t>(Byte(block, ZoneMinutes));
    SelectZoneItem(controls, static_cast<std::int16_t>(hours * 60 + minutes));
}

// Selects the report language and the date format, which falls back to the language's usual order.
void SelectLanguageAndDateFormat(platform::Controls& controls, const InfoBlock& block) {
    const int language = StoredIndex(Byte(block, ReportLanguageCode), 2, EnglishReport);
    controls.select(ids::ReportLanguageCombo, language);
    const int usualFormat = language == ChineseReport ? YearMonthDay : DayMonthYear;
    controls.select(ids::DateFormatCombo, StoredIndex(Byte(block, DateFormatCode), 3, usualFormat));
}

// Returns the channel selected.
int SelectChannel(platform::Controls& controls, const InfoBlock& block, const DeviceInfo& info) {
    const bool both = Has(info, MeasuresTemperature) && Has(info, MeasuresHumidity);
    int channel = Has(info, MeasuresTemperature) ? TemperatureChannel : HumidityChannel;
    if (both) {
        switch (Byte(block, ChannelCode)) {
            case 3:
                channel = BothChannels;
                break;
            case 2:
                channel = HumidityChannel;
                break;
            default:
                channel = TemperatureChannel;
                break;
        }
    }
    controls.enable(ids::ChannelCombo, both);
    controls.select(ids::ChannelCombo, channel);
    return channel;
}

void SelectUnit(platform::Controls& controls, const InfoBlock& block, const DeviceInfo& info) {
    const bool fahrenheit = Has(info, ReportsFahrenheit);
    controls.select(ids::UnitCombo,
                    fahrenheit ? StoredIndex(Byte(block, UnitCode), 2, CelsiusUnit) : CelsiusUnit);
    controls.enable(ids::UnitCombo, fahrenheit);
}

void ShowWholeMinutes(platform::Controls& controls, platform::ControlId id, std::uint32_t seconds) {
    controls.setText(id, platform::FormatText("%d", static_cast<int>(seconds / 60)));
}

// The stored thresholds are in twentieths of a degree Celsius; the tick shows them in the chosen unit.
void HoldThresholds(const InfoBlock& block, AlertThresholds& thresholds, ChangeFlags& changes) {
    thresholds.highC = Signed16(block, HighTempRaw) / 20.0;
    thresholds.lowC = Signed16(block, LowTempRaw) / 20.0;
    thresholds.highF = thresholds.highC * 1.8 + 32;
    thresholds.lowF = thresholds.lowC * 1.8 + 32;
    changes.set(change::RefreshUnit);
}

void ShowHumidity(platform::Controls& controls, const InfoBlock& block, const DeviceInfo& info, int channel) {
    const bool shown = ModelHasHumidity(info) && (channel == HumidityChannel || channel == BothChannels);
    if (shown) {
        controls.setText(ids::HighHumidityEdit,
                         platform::FormatText("%1.1f", Unsigned16(block, HighHumidityRaw) / 10.0));
        controls.enable(ids::HighHumidityEdit, true);
        controls.setText(ids::LowHumidityEdit,
                         platform::FormatText("%1.1f", Unsigned16(block, LowHumidityRaw) / 10.0));
        controls.enable(ids::LowHumidityEdit, true);
    } else {
        controls.enable(ids::HighHumidityEdit, false);
        controls.enable(ids::LowHumidityEdit, false);
    }
}

void ShowTexts(platform::Controls& controls, const InfoBlock& block) {
    controls.setText(ids::DeviceNameEdit, BlockText(block, DeviceName));
    controls.setText(ids::DeviceIdEdit, BlockText(block, DeviceId));
    controls.invalidate(ids::DeviceIdEdit);
    controls.setText(ids::WebAddressEdit, BlockText(block, WebAddress));
    controls.invalidate(ids::WebAddressEdit);
    controls.setText(ids::CustomTextEdit, BlockText(block, CustomText));
    controls.setText(ids::BrandEdit, BlockText(block, BrandText));
}

}  // namespace

void FillFromStoredSettings(platform::Controls& controls, const InfoBlock& block, const DeviceInfo& info,
                            AlertThresholds& thresholds, ChangeFlags& changes) {
    SelectZone(controls, block);
    SelectLanguageAndDateFormat(controls, block);
    const int channel = SelectChannel(controls, block, info);
    SelectUnit(controls, block, info);
    controls.select(ids::BatteryCombo, StoredIndex(Byte(block, BatteryCode), 4, 0));
    controls.invalidate(ids::BatteryCombo);
    ShowWholeMinutes(controls, ids::StartDelayEdit, Unsigned32(block, StartDelaySeconds));
    ShowWholeMinutes(controls, ids::IntervalEdit, Unsigned32(block, IntervalSeconds));
    HoldThresholds(block, thresholds, changes);
    ShowHumidity(controls, block, info, channel);
    const std::uint16_t ignoreLast = Unsigned16(block, IgnoreLastCount);
    controls.setText(ids::IgnoreLastEdit,
                     platform::FormatText("%d", ignoreLast < IgnoreLastLimit ? ignoreLast : 0));
    ShowTexts(controls, block);
    controls.setChecked(ids::PushDeleteBox, Byte(block, PushDeleteFlag) != 0);
    controls.setChecked(ids::AlertBox, Byte(block, AlertFlag) != 0);
    controls.enable(ids::AlertBox, true);
}

}  // namespace lc
