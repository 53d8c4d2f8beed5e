// A firmware folder holding a file of any bytes under one model's name, loaded as at start-up, and an
// accepted image cut into the frames of a transfer. Properties: a file becomes that model's image
// exactly when its length and header are those of the model, unchanged from its first byte on, and
// no other model gets one; the data frames carry every image byte once, in order, at their offsets,
// each in a legal frame of at most 56 payload bytes with zeros behind; the progress stays within
// 0..99 and never falls.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz/FuzzInput.h"
#include "fuzz/Property.h"
#include "link/CommandFrame.h"
#include "protocol/firmware/FirmwareFrames.h"
#include "protocol/firmware/FirmwareImages.h"

namespace {

using namespace lc;
using fuzz::Require;

// The firmware folder of this run, gone again when the run ends.
struct FirmwareFolder {
    FirmwareFolder() { std::filesystem::create_directories(path); }
    ~FirmwareFolder() { std::filesystem::remove_all(path); }
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("firmware-fuzz-" + std::to_string(getpid()));
};

const std::filesystem::path& Folder() {
    static const FirmwareFolder folder;
    return folder.path;
}

bool HeaderFits(const std::vector<std::uint8_t>& file, const FirmwareImageKind& kind) {
    return file.size() == kind.length && file[260] == kind.firstModelByte &&
           file[261] == kind.secondModelByte && file[264] == (kind.version & 0xFF) &&
           file[265] == (kind.version >> 8);
}

void RequireFrames(std::span<const std::uint8_t> image) {
    const auto length = static_cast<std::uint32_t>(image.size());
    std::uint32_t offset = 0;
    int lastPercent = 0;
    while (offset < length) {
        platform::HidReport report;
        report.fill(0xEE);
        const std::uint32_t carried = BuildFirmwareDataFrame(report, image, offset);
        Require(carried > 0 && carried <= FirmwareFramePayload && offset + carried <= length,
                "a data frame carries 1..56 bytes of what is left");
        Require(report[0] == FrameReportId && report[ReplyCodeByte] == FirmwareDataCommand &&
                    report[FrameLengthByte] == MinFrameLength + carried,
                "a data frame's header names its command and payload");
        Require((report[3] | report[4] << 8 | report[5] << 16) == static_cast<int>(offset),
                "a data frame names its offset in the image");
        Require(std::equal(image.begin() + offset, image.begin() + offset + carried, report.begin() + 6) &&
                    std::all_of(report.begin() + 6 + carried, report.end(), [](auto b) { return b == 0; }),
                "a data frame carries the image's bytes and zeros behind them");
        offset += carried;
        const int percent = FirmwarePercent(offset, length);
        Require(percent >= lastPercent && percent <= 99, "the progress never falls and never shows 100");
        lastPercent = percent;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::FuzzInput in(data, size);
    const auto kinds = FirmwareImageKinds();
    const FirmwareImageKind& kind = kinds[in.byte() % kinds.size()];
    // Laid over a file of the model's length, the bytes reach the header checks; as they are, they
    // test every other length.
    const bool fullLength = in.flag();
    std::vector<std::uint8_t> file(in.rest().begin(), in.rest().end());
    if (fullLength) {
        file.resize(kind.length);
    }
    const std::filesystem::path path = Folder() / kind.fileName;
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));

    const FirmwareImages images = FirmwareImages::Load({Folder()});
    std::filesystem::remove(path);
    for (const FirmwareImageKind& other : kinds) {
        if (other.model != kind.model) {
            Require(images.find(other.model) == nullptr, "a model without a file has no image");
        }
    }
    const FirmwareImage* image = images.find(kind.model);
    Require((image != nullptr) == HeaderFits(file, kind),
            "a file is an image exactly when its length and header are the model's");
    if (image == nullptr) {
        return 0;
    }
    Require(std::equal(image->bytes().begin(), image->bytes().end(), file.begin(), file.end()),
            "an image is the file's bytes unchanged");
    RequireFrames(image->bytes());
    return 0;
}
