#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "protocol/firmware/FirmwareImages.h"

namespace lc::demo {

// Firmware images for virtual loggers only: the length and header bytes of their kind, the rest a
// pattern that no two neighbouring frames share, so that a frame sent from the wrong offset shows.
// A real logger must never get one.
std::vector<std::uint8_t> ImageBytes(const FirmwareImageKind& kind);

void WriteImageFile(const std::filesystem::path& folder, const char* fileName,
                    const std::vector<std::uint8_t>& bytes);

// Every kind's made-up image, as files in folder under their kinds' names.
void WriteEveryImage(const std::filesystem::path& folder);

// Every kind's made-up image, loaded the way the tool loads supplied ones: from files in a temporary
// folder, which is gone again when this returns (the images are read once, at start-up).
FirmwareImages MadeUpFirmwareImages();

}  // namespace lc::demo
