#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "sim/LoggerDescription.h"

namespace lc::sim {

// The configuration items a logger has received, by tag, each reassembled from its chunks.
using ReceivedItems = std::map<std::uint8_t, std::vector<std::uint8_t>>;

// What the logger does on the end of a configuration write: it keeps the settings in its information
// block, where the next information read shows them. Firmware below major number 0x20 takes its
// times in minutes and its temperature thresholds in tenths; the block holds seconds and twentieths.
void StoreSettings(const ReceivedItems& items, LoggerBlock& block);

}  // namespace lc::sim
