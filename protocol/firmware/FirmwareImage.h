#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace lc {

// The logger models that have an image of their own.
enum class FirmwareModel { Model98, Model7, Model4, ModelBit7 };
inline constexpr std::size_t FirmwareModelCount = 4;

// What an image for a model must look like. Every image carries its version in its header, so the
// version of the table is also the one the header must hold.
struct FirmwareImageKind {
    FirmwareModel model;
    const char* fileName;
    std::uint8_t firstModelByte;   // image byte 260, compared with the logger's hardware code
    std::uint8_t secondModelByte;  // image byte 261, compared with the logger's device type
    std::uint16_t version;         // image bytes 264 (low) and 265 (high)
    std::uint32_t length;          // every byte of the image is sent
};

const FirmwareImageKind& KindOf(FirmwareModel model);
std::span<const FirmwareImageKind> FirmwareImageKinds();

// A supplied image, sent to the logger unchanged from its first byte on. Beyond the header bytes
// below its contents are enciphered; the tool never looks at them.
class FirmwareImage {
  public:
    // The bytes of a file, taken as an image only when length and header are those of its kind.
    static std::optional<FirmwareImage> FromBytes(const FirmwareImageKind& kind,
                                                  std::vector<std::uint8_t> bytes);

    std::span<const std::uint8_t> bytes() const { return bytes_; }
    std::uint8_t firstModelByte() const { return bytes_[260]; }
    std::uint8_t secondModelByte() const { return bytes_[261]; }
    std::uint16_t version() const { return static_cast<std::uint16_t>(bytes_[265] << 8 | bytes_[264]); }

  private:
    explicit FirmwareImage(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    std::vector<std::uint8_t> bytes_;
};

}  // namespace lc
