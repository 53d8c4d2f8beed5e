#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

namespace lc::fuzz {

// The fuzzer's bytes, taken from the front; once they run out every value is zero.
class FuzzInput {
  public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : rest_(data, size) {}

    std::uint8_t byte() { return rest_.empty() ? 0 : take(1)[0]; }
    bool flag() { return (byte() & 1) != 0; }
    template <typename T>
    T value() {
        T result{};
        const std::span<const std::uint8_t> bytes = take(sizeof(T));
        std::memcpy(&result, bytes.data(), bytes.size());
        return result;
    }
    std::span<const std::uint8_t> take(std::size_t count) {
        const std::span<const std::uint8_t> taken = rest_.first(std::min(count, rest_.size()));
        rest_ = rest_.subspan(taken.size());
        return taken;
    }
    // A text of at most maxUnits UTF-16 code units, any of them, lone surrogates included.
    std::u16string text(std::size_t maxUnits) {
        const std::size_t units = std::min<std::size_t>(byte(), maxUnits);
        std::u16string result;
        for (std::size_t i = 0; i < units && !rest_.empty(); ++i) {
            result.push_back(static_cast<char16_t>(value<std::uint16_t>()));
        }
        return result;
    }
    std::span<const std::uint8_t> rest() const { return rest_; }

  private:
    std::span<const std::uint8_t> rest_;
};

}  // namespace lc::fuzz
