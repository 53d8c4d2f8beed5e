#pragma once

#include <array>
#include <cstdint>

namespace lc {

// The validated settings collected from the form. Text fields hold code page 936 bytes; a text shorter
// than its field is followed by zeros, one of the field's full width has no terminator.
struct ConfigDraft {
    std::int8_t zoneHours = 0;
    std::int8_t zoneMinutes = 0;
    std::uint8_t dateFormat = 0;
    std::int32_t startDelayMinutes = 0;
    std::int32_t intervalMinutes = 0;
    std::uint8_t channel = 0;  // 1 temperature, 2 humidity, 3 both
    std::uint8_t temperatureUnit = 0;
    double lowHumidity = 0.0;
    double highHumidity = 0.0;
    std::uint8_t reportLanguage = 0;
    std::uint8_t batteryType = 0;
    std::uint8_t pushDelete = 0;
    std::uint8_t alertEnabled = 0;
    std::array<std::uint8_t, 20> brand{};
    std::array<std::uint8_t, 20> deviceName{};
    std::array<std::uint8_t, 100> customText{};
    std::array<std::uint8_t, 50> webAddress{};
    std::array<std::uint8_t, 20> deviceId{};
    std::uint16_t ignoreLast = 0;
};

}  // namespace lc
