#include "form/TemperatureThresholds.h"

#include <cstdint>

#include "form/ControlReaders.h"
#include "platform/Text.h"
#include "vocabulary/ControlIds.h"

namespace lc {

namespace {

double ToFahrenheit(double celsius) {
    return celsius * 1.8 + 32.0;
}

// A bound of the logger's range in Fahrenheit, computed exactly from its tenths of a degree Celsius
// (one tenth is 0.18 °F), so that the bound as the range message shows it is itself accepted.
double FahrenheitBound(std::int16_t tenthsCelsius) {
    return (tenthsCelsius * 18 + 3200) / 100.0;
}

bool CelsiusSelected(const platform::Controls& controls) {
    return controls.selection(ids::UnitCombo) == 0;
}

bool ReadTempThreshold(platform::Ui& ui, platform::ControlId edit, const DeviceInfo& info, double& celsius,
                       double& fahrenheit, FieldLabel label) {
    double value = 0.0;
    if (CelsiusSelected(ui.controls)) {
        if (ReadDecimalControl(ui, edit, value, info.tempLimitLow / 10.0, info.tempLimitHigh / 10.0, label) !=
            FieldCode::Ok) {
            return false;
        }
        celsius = value;
        fahrenheit = ToFahrenheit(value);
        return true;
    }
    if (ReadDecimalControl(ui, edit, value, FahrenheitBound(info.tempLimitLow),
                           FahrenheitBound(info.tempLimitHigh), label) != FieldCode::Ok) {
        return false;
    }
    fahrenheit = value;
    celsius = RoundCelsius((value - 32.0) / 1.8);
    return true;
}

void ShowText(platform::Controls& controls, platform::ControlId id, const std::u16string& text) {
    controls.setText(id, text);
    controls.invalidate(id);
}

}  // namespace

double RoundCelsius(double celsius) {
    const double sign = celsius > 0.0 ? 1.0 : -1.0;
    const double magnitude = celsius > 0.0 ? celsius : -celsius;
    const auto thousandths = static_cast<std::int64_t>(magnitude * 1000.0);
    const std::int64_t tenths = thousandths / 100;
    const std::int64_t remainder = thousandths - 100 * tenths;
    const std::int64_t step = remainder <= 24 ? 0 : (remainder <= 75 ? 50 : 100);
    return (static_cast<double>(tenths * 100 + step) / 1000.0 + 0.00001) * sign;
}

bool ReadLowTempThreshold(platform::Ui& ui, const DeviceInfo& info, AlertThresholds& thresholds,
                          FieldLabel label) {
    return ReadTempThreshold(ui, ids::LowTempEdit, info, thresholds.lowC, thresholds.lowF, label);
}

bool ReadHighTempThreshold(platform::Ui& ui, const DeviceInfo& info, AlertThresholds& thresholds,
                           FieldLabel label) {
    return ReadTempThreshold(ui, ids::HighTempEdit, info, thresholds.highC, thresholds.highF, label);
}

void ShowThresholdsInUnit(platform::Controls& controls, AlertThresholds& thresholds) {
    thresholds.lowEditGuard = 1;
    thresholds.highEditGuard = 1;
    if (CelsiusSelected(controls)) {
        ShowText(controls, ids::HighTempEdit, platform::FormatText("%1.1f", thresholds.highC));
        ShowText(controls, ids::LowTempEdit, platform::FormatText("%1.1f", thresholds.lowC));
        ShowText(controls, ids::HighTempUnit, u"℃");
        ShowText(controls, ids::LowTempUnit, u"℃");
        return;
    }
    ShowText(controls, ids::HighTempEdit, platform::FormatText("%1.1f", thresholds.highF));
    ShowText(controls, ids::HighTempUnit, u"℉");
    ShowText(controls, ids::LowTempEdit, platform::FormatText("%1.1f", thresholds.lowF));
    ShowText(controls, ids::LowTempUnit, u"℉");
}

}  // namespace lc
