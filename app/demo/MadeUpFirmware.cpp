#include "app/demo/MadeUpFirmware.h"

#include <fstream>

#include "app/demo/TemporaryFolder.h"

namespace lc::demo {

std::vector<std::uint8_t> ImageBytes(const FirmwareImageKind& kind) {
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

void WriteImageFile(const std::filesystem::path& folder, const char* fileName,
                    const std::vector<std::uint8_t>& bytes) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder / fileName, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteEveryImage(const std::filesystem::path& folder) {
    for (const FirmwareImageKind& kind : FirmwareImageKinds()) {
        WriteImageFile(folder, kind.fileName, ImageBytes(kind));
    }
}

FirmwareImages MadeUpFirmwareImages() {
    const TemporaryFolder folder("logger-demo-firmware");
    if (folder.path().empty()) {
        return FirmwareImages::Load({});  // no folder to put them in: no updates in this run
    }
    WriteEveryImage(folder.path());
    return FirmwareImages::Load({folder.path()});
}

}  // namespace lc::demo
