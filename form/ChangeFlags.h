#pragma once

#include <cstdint>

namespace lc {

// Pending form work: control handlers set a bit, the next tick does the work.
namespace change {
inline constexpr std::uint32_t SyncZone = 0x001;
inline constexpr std::uint32_t RefreshDate = 0x002;
inline constexpr std::uint32_t RefreshChannel = 0x004;
inline constexpr std::uint32_t RefreshUnit = 0x008;
inline constexpr std::uint32_t ReadHighThreshold = 0x010;
inline constexpr std::uint32_t ReadLowThreshold = 0x020;
inline constexpr std::uint32_t FollowReportLanguage = 0x080;
inline constexpr std::uint32_t ApplyLock = 0x100;
inline constexpr std::uint32_t WriteRequest = 0x200;
inline constexpr std::uint32_t RefreshDuration = 0x400;
}  // namespace change

// Touched by the UI thread only (handlers and the tick), so a plain word.
struct ChangeFlags {
    std::uint32_t bits = 0;

    void set(std::uint32_t bit) { bits |= bit; }
    bool isSet(std::uint32_t bit) const { return (bits & bit) != 0; }
    // Clears the bit and tells whether it was set: the tick's "test, clear, then work".
    bool take(std::uint32_t bit) {
        const bool wasSet = isSet(bit);
        bits &= ~bit;
        return wasSet;
    }
};

}  // namespace lc
