#pragma once

#include <span>

#include "sim/LoggerDescription.h"

namespace lc::sim {

// The demonstration logger: a temperature and humidity logger of device type 0xA0, model 98, at
// firmware 0x4069, 64 KiB of memory, 16-bit records, -40.0..85.0 °C, accepting tool 3.18 and later,
// not locked, alerts on, answering 0x91 in 58-byte slices.
LoggerBlock DemoLoggerBlock();
LoggerDescription DemoLogger();

// The other loggers a technician meets. Each holds what such a logger holds; unless said otherwise
// it accepts tool 3.18, is not locked and has alerts on.

// Device type 0x83, model 2, firmware 0x1E03 (old generation: below major 0x20), temperature only,
// no Fahrenheit; its block carries no stored settings (capability bit 0x01 clear), only its device ID.
LoggerDescription OldGenerationLogger();
// Device type 0xA0, model 1, firmware 0x4069, humidity only, with stored settings (channel humidity,
// 10.0..90.0 %RH).
LoggerDescription HumidityOnlyLogger();
// Device type 0x83, model 4, firmware 0x4066, temperature only with Fahrenheit, with stored settings
// (Fahrenheit, English reports); calibrated until 31 December 2035.
LoggerDescription CalibratedModel4Logger();
// The demonstration logger asking for tool 3.19 (0x0319) or later.
LoggerDescription NewerToolLogger();
// The demonstration logger's block under device type 0x84, which the tool does not configure.
LoggerDescription DeviceType84Logger();
// The demonstration logger at firmware 0x4068, one behind the model-98 image (0x4069).
LoggerDescription OlderFirmwareLogger();
// The demonstration logger with state flag 0x04: it refuses configuration (firmware 0x4061 and later).
LoggerDescription LockedLogger();

// A logger a technician meets, by the name the demonstration offers it under.
struct LoggerPreset {
    const char* name;
    LoggerDescription (*describe)();
};

// Every preset, the demonstration logger first.
std::span<const LoggerPreset> PresetCatalogue();

}  // namespace lc::sim
