#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace lc {

// The meaningful bytes of a logger's information block.
inline constexpr std::size_t InfoBlockMeaningfulBytes = 516;

// The buffer the information read gathers into, from its first byte on. Never cleared: a short read
// leaves an earlier logger's bytes behind its end (zeros on the first logger of the run).
struct InfoBlock {
    std::array<std::uint8_t, 262144> bytes{};
};

}  // namespace lc
