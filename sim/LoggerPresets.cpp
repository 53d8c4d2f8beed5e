#include "sim/LoggerPresets.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include "sim/BlockFields.h"

namespace lc::sim {

namespace {

// Capability bits, as the logger states them.
constexpr std::uint8_t HoldsSettings = 0x01;
constexpr std::uint8_t UpdatableFirmware = 0x04;
constexpr std::uint8_t UpdatableFirmwareExtended = 0x08;
constexpr std::uint8_t MeasuresTemperature = 0x20;
constexpr std::uint8_t MeasuresHumidity = 0x40;
constexpr std::uint8_t ReportsFahrenheit = 0x80;

// State flag: the logger refuses configuration.
constexpr std::uint8_t RefusesConfiguration = 0x04;

struct CalendarDay {
    std::uint8_t yearSince2000;
    std::uint8_t month;
    std::uint8_t day;
};

// What the logger is and can do: the first 128 bytes of its block.
struct Hardware {
    std::uint8_t deviceType;
    std::uint8_t modelCode;
    std::uint8_t capabilities;
    std::uint16_t firmwareVersion;
    std::uint32_t memoryBytes;
    std::uint8_t recordBits;
    std::int16_t tempLimitHighTenths;
    std::int16_t tempLimitLowTenths;
    std::uint16_t requiredToolVersion = 0x0318;
    std::uint8_t stateFlags = 0;
    std::uint8_t hardwareCode = 0x00;
    std::optional<CalendarDay> calibratedUntil = std::nullopt;  // no stamp: the expiry bytes stay zero
};

// The settings a logger keeps at offsets 128..411, in its own units.
struct HeldSettings {
    std::uint8_t reportLanguage;  // 0 English, 1 Chinese
    std::uint8_t unit;            // 0 Celsius, 1 Fahrenheit
    std::uint32_t startDelaySeconds;
    std::uint32_t intervalSeconds;
    std::int16_t highTempTwentieths;
    std::int16_t lowTempTwentieths;
    std::uint16_t highHumidityTenths;
    std::uint16_t lowHumidityTenths;
    std::uint16_t ignoreLast;
    std::string_view deviceName;
    std::string_view webAddress;
    std::string_view customText;
    std::string_view brand;
    std::uint8_t channel;     // 1 temperature, 2 humidity, 3 both
    std::uint8_t dateFormat;  // 0 day/month/year, 1 month/day/year, 2 year/month/day
    std::int8_t zoneHours;
    std::int8_t zoneMinutes;
    std::uint8_t battery;
    std::uint8_t pushDelete;
    std::uint8_t alert;
};

// The one builder every preset goes through. The device ID is kept whether or not the logger holds
// its other settings in the block.
LoggerBlock BuildBlock(const Hardware& hardware, std::string_view deviceId,
                       const std::optional<HeldSettings>& settings) {
    LoggerBlock block{};
    block[field::RecordBits] = hardware.recordBits;
    block[field::CapabilityFlags] = hardware.capabilities;
    PutMemorySize(block, hardware.memoryBytes);
    PutLe16(block, field::TempLimitHigh, static_cast<std::uint16_t>(hardware.tempLimitHighTenths));
    PutLe16(block, field::TempLimitLow, static_cast<std::uint16_t>(hardware.tempLimitLowTenths));
    PutFirmwareVersion(block, hardware.firmwareVersion);
    block[field::ModelCode] = hardware.modelCode;
    block[field::HardwareCode] = hardware.hardwareCode;
    block[field::DeviceType] = hardware.deviceType;
    block[field::StateFlags] = hardware.stateFlags;
    PutLe16(block, field::RequiredToolVersion, hardware.requiredToolVersion);
    if (hardware.calibratedUntil) {
        const CalendarDay& day = *hardware.calibratedUntil;
        PutExpiryDate(block, day.yearSince2000, day.month, day.day);
    }
    PutText(block, field::DeviceId, 20, deviceId);
    if (!settings) {
        return block;
    }
    const HeldSettings& s = *settings;
    block[field::ReportLanguage] = s.reportLanguage;
    block[field::Unit] = s.unit;
    PutLe32(block, field::StartDelaySeconds, s.startDelaySeconds);
    PutLe32(block, field::IntervalSeconds, s.intervalSeconds);
    PutLe16(block, field::HighTemp, static_cast<std::uint16_t>(s.highTempTwentieths));
    PutLe16(block, field::LowTemp, static_cast<std::uint16_t>(s.lowTempTwentieths));
    PutLe16(block, field::HighHumidity, s.highHumidityTenths);
    PutLe16(block, field::LowHumidity, s.lowHumidityTenths);
    PutLe16(block, field::IgnoreLast, s.ignoreLast);
    PutText(block, field::DeviceName, 20, s.deviceName);
    PutText(block, field::WebAddress, 50, s.webAddress);
    PutText(block, field::CustomText, 100, s.customText);
    PutText(block, field::Brand, 20, s.brand);
    block[field::Channel] = s.channel;
    block[field::DateFormat] = s.dateFormat;
    block[field::ZoneHours] = static_cast<std::uint8_t>(s.zoneHours);
    block[field::ZoneMinutes] = static_cast<std::uint8_t>(s.zoneMinutes);
    block[field::Battery] = s.battery;
    block[field::PushDelete] = s.pushDelete;
    block[field::Alert] = s.alert;
    return block;
}

LoggerDescription Describe(const LoggerBlock& block) {
    LoggerDescription description;
    description.block = block;
    return description;
}

// The demonstration logger, model 98.
constexpr Hardware DemoHardware{
    .deviceType = 0xA0,
    .modelCode = 98,
    .capabilities = HoldsSettings | UpdatableFirmware | UpdatableFirmwareExtended | MeasuresTemperature |
                    MeasuresHumidity | ReportsFahrenheit,  // 0xED
    .firmwareVersion = 0x4069,
    .memoryBytes = 65536,
    .recordBits = 16,
    .tempLimitHighTenths = 850,
    .tempLimitLowTenths = -400,
    .calibratedUntil = CalendarDay{35, 12, 31},
};

constexpr HeldSettings DemoSettings{
    .reportLanguage = 1,
    .unit = 0,
    .startDelaySeconds = 0,
    .intervalSeconds = 600,
    .highTempTwentieths = 8 * 20,
    .lowTempTwentieths = 2 * 20,
    .highHumidityTenths = 800,
    .lowHumidityTenths = 200,
    .ignoreLast = 0,
    .deviceName = "Demo TH Logger",
    .webAddress = "www.example.com",
    .customText = "Virtual logger for demonstration",
    .brand = "DEMOBRAND",
    .channel = 3,
    .dateFormat = 2,
    .zoneHours = 8,
    .zoneMinutes = 0,
    .battery = 0,
    .pushDelete = 0,
    .alert = 1,
};

constexpr std::string_view DemoDeviceId = "DEMO-000001";

// The demonstration logger with its hardware changed by one field.
template <typename Change>
LoggerDescription DemoVariant(std::string_view deviceId, Change change) {
    Hardware hardware = DemoHardware;
    change(hardware);
    return Describe(BuildBlock(hardware, deviceId, DemoSettings));
}

}  // namespace

LoggerBlock DemoLoggerBlock() {
    return BuildBlock(DemoHardware, DemoDeviceId, DemoSettings);
}

LoggerDescription DemoLogger() {
    return Describe(DemoLoggerBlock());
}

LoggerDescription OldGenerationLogger() {
    constexpr Hardware hardware{
        .deviceType = 0x83,
        .modelCode = 2,
        .capabilities = MeasuresTemperature,
        .firmwareVersion = 0x1E03,
        .memoryBytes = 32768,
        .recordBits = 12,
        .tempLimitHighTenths = 700,
        .tempLimitLowTenths = -300,
        .requiredToolVersion = 0x0200,
    };
    return Describe(BuildBlock(hardware, "OLDGEN-0207", std::nullopt));
}

LoggerDescription HumidityOnlyLogger() {
    constexpr Hardware hardware{
        .deviceType = 0xA0,
        .modelCode = 1,
        .capabilities = HoldsSettings | MeasuresHumidity,
        .firmwareVersion = 0x4069,
        .memoryBytes = 65536,
        .recordBits = 16,
        .tempLimitHighTenths = 850,
        .tempLimitLowTenths = -400,
    };
    constexpr HeldSettings settings{
        .reportLanguage = 1,
        .unit = 0,
        .startDelaySeconds = 1800,
        .intervalSeconds = 300,
        .highTempTwentieths = 0,
        .lowTempTwentieths = 0,
        .highHumidityTenths = 900,
        .lowHumidityTenths = 100,
        .ignoreLast = 2,
        .deviceName = "Store RH Logger",
        .webAddress = "www.example.org",
        .customText = "Humidity only",
        .brand = "HUMIBRAND",
        .channel = 2,
        .dateFormat = 2,
        .zoneHours = 8,
        .zoneMinutes = 0,
        .battery = 1,
        .pushDelete = 1,
        .alert = 1,
    };
    return Describe(BuildBlock(hardware, "RH-000042", settings));
}

LoggerDescription CalibratedModel4Logger() {
    constexpr Hardware hardware{
        .deviceType = 0x83,
        .modelCode = 4,
        .capabilities = HoldsSettings | MeasuresTemperature | ReportsFahrenheit,
        .firmwareVersion = 0x4066,
        .memoryBytes = 32768,
        .recordBits = 16,
        .tempLimitHighTenths = 700,
        .tempLimitLowTenths = -300,
        .calibratedUntil = CalendarDay{35, 12, 31},
    };
    constexpr HeldSettings settings{
        .reportLanguage = 0,
        .unit = 1,
        .startDelaySeconds = 0,
        .intervalSeconds = 900,
        .highTempTwentieths = 25 * 20,
        .lowTempTwentieths = -5 * 20,
        .highHumidityTenths = 0,
        .lowHumidityTenths = 0,
        .ignoreLast = 0,
        .deviceName = "Model 4 Logger",
        .webAddress = "www.example.net",
        .customText = "Calibrated until 2035",
        .brand = "CALIBRAND",
        .channel = 1,
        .dateFormat = 0,
        .zoneHours = 1,
        .zoneMinutes = 0,
        .battery = 0,
        .pushDelete = 0,
        .alert = 1,
    };
    return Describe(BuildBlock(hardware, "M4-000004", settings));
}

LoggerDescription NewerToolLogger() {
    return DemoVariant("DEMO-000319", [](Hardware& h) { h.requiredToolVersion = 0x0319; });
}

LoggerDescription DeviceType84Logger() {
    return DemoVariant("DEMO-000084", [](Hardware& h) { h.deviceType = 0x84; });
}

LoggerDescription OlderFirmwareLogger() {
    return DemoVariant("DEMO-004068", [](Hardware& h) { h.firmwareVersion = 0x4068; });
}

LoggerDescription LockedLogger() {
    return DemoVariant("DEMO-LOCKED", [](Hardware& h) { h.stateFlags = RefusesConfiguration; });
}

std::span<const LoggerPreset> PresetCatalogue() {
    static constexpr LoggerPreset Presets[] = {
        {"Temperature and humidity, model 98 (demonstration)", DemoLogger},
        {"Temperature only, old generation (no stored settings)", OldGenerationLogger},
        {"Humidity only, model 1", HumidityOnlyLogger},
        {"Temperature only, model 4, calibrated until 2035", CalibratedModel4Logger},
        {"Needs tool V3.19 or later (refused)", NewerToolLogger},
        {"Device type 0x84 (ignored)", DeviceType84Logger},
        {"Model 98 at firmware 4.068 (updated before the write)", OlderFirmwareLogger},
        {"Locked against configuration (write refused)", LockedLogger},
    };
    return Presets;
}

}  // namespace lc::sim
