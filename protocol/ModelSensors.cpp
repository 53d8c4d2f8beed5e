#include "protocol/ModelSensors.h"

#include "protocol/InfoBlockLayout.h"

namespace lc {

namespace {

// Models that state their sensors in the capability bits; the others above 10 state them in their
// own code, and those up to 10 measure temperature alone.
bool SensorsInCapabilities(std::uint8_t model) {
    return model == 1 || model == 6 || model == 9 || model == 10;
}

std::uint8_t ModelNumber(const DeviceInfo& info) {
    return info.modelCode & 0x7F;
}

}  // namespace

SensorKind ModelSensors(const DeviceInfo& info) {
    const std::uint8_t model = ModelNumber(info);
    if (SensorsInCapabilities(model)) {
        return static_cast<SensorKind>((info.capabilityFlags >> 5) & 3);
    }
    if (model <= 10) {
        return SensorKind::Temperature;
    }
    switch (info.modelCode & 0x60) {
        case 0x40:
            return SensorKind::Humidity;
        case 0x60:
            return SensorKind::TemperatureAndHumidity;
        default:
            return SensorKind::Temperature;
    }
}

bool ModelHasHumidity(const DeviceInfo& info) {
    const std::uint8_t model = ModelNumber(info);
    if (SensorsInCapabilities(model)) {
        return (info.capabilityFlags & infoblock::MeasuresHumidity) != 0;
    }
    return model > 10 && (info.modelCode & 0x40) != 0;
}

}  // namespace lc
