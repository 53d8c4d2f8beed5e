#pragma once

#include <cstdint>

namespace lc {

// The temperature alert thresholds in both units, so that a unit switch never drifts.
struct AlertThresholds {
    double lowC = 2.0;
    double highC = 8.0;
    double lowF = 35.6;
    double highF = 46.4;
    // Set: the next change notification of that edit is the program's own text, not the user's.
    std::uint8_t lowEditGuard = 0;
    std::uint8_t highEditGuard = 0;
};

}  // namespace lc
