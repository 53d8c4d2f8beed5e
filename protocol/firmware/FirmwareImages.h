#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <vector>

#include "protocol/firmware/FirmwareImage.h"

namespace lc {

// The supplied firmware images, read once at start-up. A model whose file is missing or malformed has
// no image: its loggers are not updated and their configuration write goes ahead.
class FirmwareImages {
  public:
    // For each model, the first folder that holds the model's file decides; a malformed file there is
    // not made up for by another folder.
    static FirmwareImages Load(const std::vector<std::filesystem::path>& folders);

    const FirmwareImage* find(FirmwareModel model) const;

  private:
    std::array<std::optional<FirmwareImage>, FirmwareModelCount> images_;
};

// Where the images are looked for: "firmware" beside the executable (a build tree), then the
// installed data folder.
std::vector<std::filesystem::path> FirmwareFolders();

}  // namespace lc
