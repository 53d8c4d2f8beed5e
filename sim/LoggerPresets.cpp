#include "sim/LoggerPresets.h"

#include "sim/BlockFields.h"

namespace lc::sim {

LoggerBlock DemoLoggerBlock() {
    LoggerBlock block{};
    block[field::RecordBits] = 16;
    block[field::CapabilityFlags] = 0xED;  // stored settings, firmware update, temperature, humidity, °F
    PutMemorySize(block, 65536);
    PutLe16(block, field::TempLimitHigh, 850);
    PutLe16(block, field::TempLimitLow, static_cast<std::uint16_t>(-400));
    PutFirmwareVersion(block, 0x4069);
    block[field::ModelCode] = 98;
    block[field::HardwareCode] = 0x00;
    block[field::DeviceType] = 0xA0;
    block[field::StateFlags] = 0;
    PutLe16(block, field::RequiredToolVersion, 0x0318);
    PutExpiryDate(block, 35, 12, 31);

    block[field::ReportLanguage] = 1;
    block[field::Unit] = 0;
    PutLe32(block, field::StartDelaySeconds, 0);
    PutLe32(block, field::IntervalSeconds, 600);
    PutLe16(block, field::HighTemp, 8 * 20);
    PutLe16(block, field::LowTemp, 2 * 20);
    PutLe16(block, field::HighHumidity, 800);
    PutLe16(block, field::LowHumidity, 200);
    PutLe16(block, field::IgnoreLast, 0);
    PutText(block, field::DeviceName, 20, "Demo TH Logger");
    PutText(block, field::DeviceId, 20, "DEMO-000001");
    PutText(block, field::WebAddress, 50, "www.example.com");
    PutText(block, field::CustomText, 100, "Virtual logger for demonstration");
    PutText(block, field::Brand, 20, "DEMOBRAND");
    block[field::Channel] = 3;
    block[field::DateFormat] = 2;
    block[field::ZoneHours] = 8;
    block[field::ZoneMinutes] = 0;
    block[field::Battery] = 0;
    block[field::PushDelete] = 0;
    block[field::Alert] = 1;
    return block;
}

LoggerDescription DemoLogger() {
    LoggerDescription description;
    description.block = DemoLoggerBlock();
    return description;
}

std::span<const LoggerPreset> PresetCatalogue() {
    static constexpr LoggerPreset Presets[] = {
        {"Temperature and humidity, model 98 (demonstration)", DemoLogger},
    };
    return Presets;
}

}  // namespace lc::sim
