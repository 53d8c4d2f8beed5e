#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "protocol/firmware/FirmwareImages.h"

namespace lc::testing {

// An image of the kind's length and header; the rest is a pattern that no two neighbouring frames
// share, so a frame sent from the wrong offset shows.
inline std::vector<std::uint8_t> ImageBytes(const FirmwareImageKind& kind) {
    std::vector<std::uint8_t> bytes(kind.length);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    }
    bytes[260] = kind.firstModelByte;
    bytes[261] = kind.secondModelByte;
    bytes[264] = static_cast<std::uint8_t>(kind.version);
    bytes[265] = static_cast<std::uint8_t>(kind.version >> 8);
    return bytes;
}

inline void WriteImageFile(const std::filesystem::path& folder, const char* fileName,
                           const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder / fileName, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder under the system's temporary folder, removed with the object.
class TemporaryFolder {
  public:
    TemporaryFolder() {
        char name[] = "/tmp/firmware-test-XXXXXX";
        path_ = ::mkdtemp(name);
    }
    ~TemporaryFolder() { std::filesystem::remove_all(path_); }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

// Every model's image, well formed, in folder, and loaded from there.
inline FirmwareImages SupplyEveryImage(const TemporaryFolder& folder) {
    for (const FirmwareImageKind& kind : FirmwareImageKinds()) {
        WriteImageFile(folder.path(), kind.fileName, ImageBytes(kind));
    }
    return FirmwareImages::Load({folder.path()});
}

}  // namespace lc::testing
