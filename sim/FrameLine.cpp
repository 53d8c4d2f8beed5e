#include "sim/FrameLine.h"

#include <algorithm>
#include <cstdio>

namespace lc::sim {

std::string FormatFrameLine(const platform::HidReport& output) {
    const unsigned frameLength = output[2];
    const unsigned offset = output[3] | (output[4] << 8) | (output[5] << 16);
    char header[64];
    std::snprintf(header, sizeof header, "rx cmd=0x%02X len=%u off=%u data=", output[1], frameLength, offset);
    std::string line = header;
    const std::size_t payloadBytes = std::clamp(frameLength, 6U, 64U) - 6;
    for (std::size_t at = 6; at < 6 + payloadBytes; ++at) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", output[at]);
        line += hex;
    }
    return line;
}

}  // namespace lc::sim
