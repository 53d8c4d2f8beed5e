#pragma once

#include <cstdint>

#include "form/ChangeFlags.h"
#include "platform/Controls.h"
#include "protocol/DeviceInfo.h"

namespace lc {

// How many records fit the logger's memory on a channel (0 temperature, 1 humidity, 2 both). A logger
// that reports no width for its temperature records holds no countable temperature record: 0.
std::uint32_t RecordCapacity(std::uint32_t memorySize, std::uint8_t recordBits, int channel);

// A new channel or alert switch on an attached logger: recompute its capacity, enable the threshold
// edits the channel uses, and ask for the duration to follow.
void ApplyChannelRule(platform::Controls& controls, bool loggerAttached, DeviceInfo& info,
                      ChangeFlags& changes);

}  // namespace lc
