#include "protocol/ValueEncoding.h"

#include <cmath>
#include <limits>

namespace lc {

namespace {

std::int32_t TruncatedToInt32(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::fmin(std::fmax(value, lowest), highest));
}

}  // namespace

std::array<std::uint8_t, 2> ScaledValue(double value, double factor) {
    return LittleEndian<2>(TruncatedToInt32(value * factor));
}

}  // namespace lc
