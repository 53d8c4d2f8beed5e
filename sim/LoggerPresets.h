#pragma once

#include <span>

#include "sim/LoggerDescription.h"

namespace lc::sim {

// The demonstration logger: a temperature and humidity logger of device type 0xA0, model 98, at
// firmware 0x4069, 64 KiB of memory, 16-bit records, -40.0..85.0 °C, accepting tool 3.18 and later,
// not locked, alerts on, answering 0x91 in 58-byte slices.
LoggerBlock DemoLoggerBlock();
LoggerDescription DemoLogger();

// A logger a technician meets, by the name the demonstration offers it under.
struct LoggerPreset {
    const char* name;
    LoggerDescription (*describe)();
};

// Every preset, the demonstration logger first.
std::span<const LoggerPreset> PresetCatalogue();

}  // namespace lc::sim
