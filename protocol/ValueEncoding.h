#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace lc {

// The low Width bytes of a number, least significant first (two's complement when negative).
template <std::size_t Width>
std::array<std::uint8_t, Width> LittleEndian(std::int64_t value) {
    std::array<std::uint8_t, Width> bytes{};
    const auto bits = static_cast<std::uint64_t>(value);
    for (std::size_t i = 0; i < Width; ++i) {
        bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    }
    return bytes;
}

// A reading in the logger's fixed-point form: value × factor, truncated toward zero to 32 bits (a value
// beyond that range saturates), of which the low 16 bits are sent.
std::array<std::uint8_t, 2> ScaledValue(double value, double factor);

}  // namespace lc
