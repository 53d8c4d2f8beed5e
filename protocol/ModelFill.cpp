#include "protocol/FormFill.h"
#include "protocol/InfoBlockLayout.h"
#include "protocol/ModelSensors.h"
#include "vocabulary/ControlIds.h"

namespace lc {

namespace {

constexpr int TemperatureChannel = 0;
constexpr int HumidityChannel = 1;
constexpr int CelsiusUnit = 0;

void EnableTemperatureEdits(platform::Controls& controls, bool enabled) {
    controls.enable(ids::HighTempEdit, enabled);
    controls.enable(ids::LowTempEdit, enabled);
}

void EnableHumidityEdits(platform::Controls& controls, bool enabled) {
    controls.enable(ids::HighHumidityEdit, enabled);
    controls.enable(ids::LowHumidityEdit, enabled);
}

}  // namespace

void FillFromModel(platform::Controls& controls, const DeviceInfo& info) {
    const bool reportsFahrenheit = (info.capabilityFlags & infoblock::ReportsFahrenheit) != 0;
    switch (ModelSensors(info)) {
        case SensorKind::Humidity:
            controls.select(ids::ChannelCombo, HumidityChannel);
            controls.enable(ids::ChannelCombo, false);
            controls.enable(ids::UnitCombo, false);
            EnableTemperatureEdits(controls, false);
            EnableHumidityEdits(controls, true);
            break;
        case SensorKind::TemperatureAndHumidity:
            controls.enable(ids::ChannelCombo, true);
            if (!reportsFahrenheit) {
                controls.select(ids::UnitCombo, CelsiusUnit);
            }
            controls.enable(ids::UnitCombo, reportsFahrenheit);
            EnableTemperatureEdits(controls, true);
            EnableHumidityEdits(controls, true);
            break;
        case SensorKind::None:
        case SensorKind::Temperature:
            controls.select(ids::ChannelCombo, TemperatureChannel);
            controls.enable(ids::ChannelCombo, false);
            controls.enable(ids::UnitCombo, reportsFahrenheit);
            EnableTemperatureEdits(controls, true);
            EnableHumidityEdits(controls, false);
            break;
    }
    controls.setChecked(ids::AlertBox, true);
    controls.enable(ids::AlertBox, true);
}

}  // namespace lc
