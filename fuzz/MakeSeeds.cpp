// Writes the fuzz targets' seed corpora from the virtual logger presets and the made-up firmware
// images: one file per preset and target, so every target starts from what real loggers send.
// Usage: make-fuzz-seeds CORPUS_FOLDER
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/demo/MadeUpFirmware.h"
#include "form/FormCollection.h"
#include "link/CommandFrame.h"
#include "platform/CodePage936.h"
#include "protocol/ApplyInfoBlock.h"
#include "sim/BlockFields.h"
#include "sim/LoggerPresets.h"
#include "sim/VirtualLogger.h"
#include "tests/form/FormWindow.h"

namespace {

using namespace lc;
using Bytes = std::vector<std::uint8_t>;

// A file name from a preset's name: its letters and digits in lower case, dashes between.
std::string FileName(std::string_view name) {
    std::string file;
    for (char c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)) != 0) {
            file.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
        } else if (!file.empty() && file.back() != '-') {
            file.push_back('-');
        }
    }
    while (!file.empty() && file.back() == '-') {
        file.pop_back();
    }
    return file;
}

void Write(const std::filesystem::path& folder, std::string_view name, const Bytes& bytes) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder / FileName(name), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A form text as FormTextFuzz reads it: its length, its UTF-16 units, then the bounds and switches.
Bytes TextSeed(const std::u16string& text) {
    Bytes seed{static_cast<std::uint8_t>(text.size())};
    for (char16_t unit : text) {
        seed.push_back(static_cast<std::uint8_t>(unit));
        seed.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    for (std::uint8_t tail : {0x10, 0x27, 0, 0, 0x70, 0xFE, 0xD0, 0x07, 1, 0}) {
        seed.push_back(tail);
    }
    return seed;
}

// The answers to the information read, each as ReportIntakeFuzz reads it: its length, its bytes.
Bytes InfoReadSeed(const sim::LoggerDescription& description) {
    sim::VirtualLogger logger(description);
    Bytes seed;
    for (std::uint32_t offset = 0; offset < sim::LoggerBlockBytes; offset += MaxPayloadBytes) {
        platform::HidReport request;
        BuildRequestFrame(request, ReadInfoCommand, MinFrameLength, offset, {});
        for (const sim::InputReport& reply : logger.receive(request).replies) {
            seed.push_back(static_cast<std::uint8_t>(reply.length));
            seed.insert(seed.end(), reply.bytes.begin(), reply.bytes.end());
        }
    }
    return seed;
}

template <typename T>
void Append(Bytes& bytes, const T& value) {
    const auto* raw = reinterpret_cast<const std::uint8_t*>(&value);
    bytes.insert(bytes.end(), raw, raw + sizeof(T));
}

// The draft the form collects once the logger is taken, as PacketBuildFuzz reads it; none when the
// tool refuses the logger.
std::optional<Bytes> DraftSeed(const sim::LoggerBlock& loggerBlock) {
    static InfoBlock block;
    std::copy(loggerBlock.begin(), loggerBlock.end(), block.bytes.begin());
    const LoggerClock clock{26, 3, 29, 1, 30, 0};
    testing::FormWindow w;
    ConfigDraft draft;
    if (!ApplyInfoBlock({w.ui, block, w.info, w.thresholds, w.changeFlags, clock}, true) ||
        !CollectConfigDraft(w.ui, w.info, w.thresholds, draft)) {
        return std::nullopt;
    }
    Bytes seed;
    Append(seed, draft);
    Append(seed, w.thresholds.lowC);
    Append(seed, w.thresholds.highC);
    Append(seed, clock);
    Append(seed, w.info.firmwareVersion);
    seed.insert(seed.end(), {w.info.deviceType, w.info.capabilityFlags, 0, 0});
    return seed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path corpus = argv[1];
    for (const sim::LoggerPreset& preset : sim::PresetCatalogue()) {
        const sim::LoggerDescription description = preset.describe();
        const sim::LoggerBlock& block = description.block;
        Write(corpus / "InfoBlockFuzz", preset.name, Bytes(block.begin(), block.end()));
        Write(corpus / "ReportIntakeFuzz", preset.name, InfoReadSeed(description));
        if (const std::optional<Bytes> draft = DraftSeed(block)) {
            Write(corpus / "PacketBuildFuzz", preset.name, *draft);
        }
        const auto text = [&](std::size_t offset, std::size_t width) {
            const std::string bytes(reinterpret_cast<const char*>(&block[offset]), width);
            return platform::FromCodePage936(bytes.c_str());
        };
        Write(corpus / "FormTextFuzz", std::string(preset.name) + "-name",
              TextSeed(text(sim::field::DeviceName, 20)));
        Write(corpus / "FormTextFuzz", std::string(preset.name) + "-id",
              TextSeed(text(sim::field::DeviceId, 20)));
    }
    int typedCount = 0;
    for (const char16_t* typed : {u"60", u"-2.5", u"85.05", u"UTC+08:00", u"UTC-05:30", u"1.2.3"}) {
        Write(corpus / "FormTextFuzz", "typed " + std::to_string(++typedCount), TextSeed(typed));
    }
    const auto kinds = FirmwareImageKinds();
    for (std::size_t k = 0; k < kinds.size(); ++k) {
        // The header of the kind's image, laid over a file of its length.
        const Bytes image = demo::ImageBytes(kinds[k]);
        Bytes seed{static_cast<std::uint8_t>(k), 1};
        seed.insert(seed.end(), image.begin(), image.begin() + 272);
        Write(corpus / "FirmwareImageFuzz", kinds[k].fileName, seed);
    }
    return 0;
}
