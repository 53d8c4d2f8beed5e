#include "protocol/firmware/FirmwareImages.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace lc {
namespace {

std::optional<FirmwareImage> ReadImage(const std::filesystem::path& file, const FirmwareImageKind& kind) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) {
        return std::nullopt;
    }
    return FirmwareImage::FromBytes(kind, std::move(bytes));
}

}  // namespace

FirmwareImages FirmwareImages::Load(const std::vector<std::filesystem::path>& folders) {
    FirmwareImages images;
    for (const FirmwareImageKind& kind : FirmwareImageKinds()) {
        for (const std::filesystem::path& folder : folders) {
            const std::filesystem::path file = folder / kind.fileName;
            std::error_code error;
            if (std::filesystem::is_regular_file(file, error)) {
                images.images_[static_cast<std::size_t>(kind.model)] = ReadImage(file, kind);
                break;
            }
        }
    }
    return images;
}

const FirmwareImage* FirmwareImages::find(FirmwareModel model) const {
    const std::optional<FirmwareImage>& image = images_[static_cast<std::size_t>(model)];
    return image ? &*image : nullptr;
}

std::vector<std::filesystem::path> FirmwareFolders() {
    std::vector<std::filesystem::path> folders;
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        folders.push_back(executable.parent_path() / "firmware");
    }
    folders.emplace_back(LOGGER_FIRMWARE_DIR);
    return folders;
}

}  // namespace lc
