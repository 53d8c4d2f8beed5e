#pragma once

#include <cstdint>

#include "protocol/DeviceInfo.h"

namespace lc {

// What a logger measures, from its model code and, for some models, its capability bits.
enum class SensorKind : std::uint8_t { None = 0, Temperature = 1, Humidity = 2, TemperatureAndHumidity = 3 };

SensorKind ModelSensors(const DeviceInfo& info);

// Whether the logger measures humidity, as the stored-settings fill judges it.
bool ModelHasHumidity(const DeviceInfo& info);

}  // namespace lc
