#include <gtest/gtest.h>

#include "protocol/firmware/ChooseFirmwareModel.h"
#include "protocol/firmware/FirmwareImages.h"
#include "tests/integration/firmware/CaseName.h"
#include "tests/integration/firmware/TestImages.h"

namespace lc {
namespace {

using testing::ImageBytes;
using testing::TemporaryFolder;
using testing::WriteImageFile;

TEST(FirmwareImages, TakesEveryWellFormedImageAndOnlyThose) {
    TemporaryFolder folder;
    for (const FirmwareImageKind& kind : FirmwareImageKinds()) {
        WriteImageFile(folder.path(), kind.fileName, ImageBytes(kind));
    }
    const FirmwareImages images = FirmwareImages::Load({folder.path()});
    for (const FirmwareImageKind& kind : FirmwareImageKinds()) {
        const FirmwareImage* image = images.find(kind.model);
        ASSERT_NE(image, nullptr) << kind.fileName;
        EXPECT_EQ(image->bytes().size(), kind.length);
        EXPECT_EQ(image->version(), kind.version);
    }
}

struct Malformed {
    const char* what;
    friend void PrintTo(const Malformed& tested, std::ostream* out) { *out << tested.what; }
    void (*spoil)(std::vector<std::uint8_t>&);
};

class MalformedImage : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedImage, IsNoImage) {
    TemporaryFolder folder;
    const FirmwareImageKind& kind = KindOf(FirmwareModel::Model7);
    std::vector<std::uint8_t> bytes = ImageBytes(kind);
    GetParam().spoil(bytes);
    WriteImageFile(folder.path(), kind.fileName, bytes);
    EXPECT_EQ(FirmwareImages::Load({folder.path()}).find(FirmwareModel::Model7), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    FirmwareImages, MalformedImage,
    ::testing::Values(Malformed{"OneByteShort", [](std::vector<std::uint8_t>& b) { b.pop_back(); }},
                      Malformed{"OneByteLong", [](std::vector<std::uint8_t>& b) { b.push_back(0); }},
                      Malformed{"Empty", [](std::vector<std::uint8_t>& b) { b.clear(); }},
                      Malformed{"FirstModelByte", [](std::vector<std::uint8_t>& b) { b[260] = 0x01; }},
                      Malformed{"SecondModelByte", [](std::vector<std::uint8_t>& b) { b[261] = 0x83; }},
                      Malformed{"VersionLow", [](std::vector<std::uint8_t>& b) { b[264] = 0x70; }},
                      Malformed{"VersionHigh", [](std::vector<std::uint8_t>& b) { b[265] = 0x41; }}),
    testing::CaseName());

TEST(FirmwareImages, FirstFolderHoldingTheFileDecides) {
    TemporaryFolder build;
    TemporaryFolder installed;
    const FirmwareImageKind& model4 = KindOf(FirmwareModel::Model4);
    const FirmwareImageKind& model98 = KindOf(FirmwareModel::Model98);
    std::vector<std::uint8_t> spoiled = ImageBytes(model4);
    spoiled.pop_back();
    WriteImageFile(build.path(), model4.fileName, spoiled);
    WriteImageFile(installed.path(), model4.fileName, ImageBytes(model4));
    WriteImageFile(installed.path(), model98.fileName, ImageBytes(model98));

    const FirmwareImages images = FirmwareImages::Load({build.path(), installed.path()});

    EXPECT_EQ(images.find(FirmwareModel::Model4), nullptr);
    EXPECT_NE(images.find(FirmwareModel::Model98), nullptr);
    EXPECT_EQ(images.find(FirmwareModel::Model7), nullptr);
}

TEST(FirmwareImages, NoFolderMeansNoImages) {
    const FirmwareImages images = FirmwareImages::Load({"/nonexistent/firmware"});
    EXPECT_EQ(images.find(FirmwareModel::ModelBit7), nullptr);
}

struct Choice {
    const char* what;
    friend void PrintTo(const Choice& tested, std::ostream* out) { *out << tested.what; }
    DeviceInfo info;
    std::optional<FirmwareModel> model;
};

DeviceInfo Logger(std::uint16_t version, std::uint8_t model, std::uint8_t capabilities, std::uint8_t type) {
    DeviceInfo info;
    info.firmwareVersion = version;
    info.modelCode = model;
    info.capabilityFlags = capabilities;
    info.deviceType = type;
    return info;
}

class ImageChoice : public ::testing::TestWithParam<Choice> {};

TEST_P(ImageChoice, FollowsModelCapabilitiesAndType) {
    EXPECT_EQ(ChooseFirmwareModel(GetParam().info), GetParam().model);
}

INSTANTIATE_TEST_SUITE_P(
    FirmwareImages, ImageChoice,
    ::testing::Values(Choice{"Model98", Logger(0x4050, 98, 0x0C, 160), FirmwareModel::Model98},
                      Choice{"Model7", Logger(0x4050, 7, 0x0C, 160), FirmwareModel::Model7},
                      Choice{"Model4", Logger(0x4050, 4, 0x0C, 131), FirmwareModel::Model4},
                      Choice{"MoreCapabilities", Logger(0x4050, 4, 0xFF, 131), FirmwareModel::Model4},
                      Choice{"Bit7", Logger(0x4050, 0x81, 0x00, 131), FirmwareModel::ModelBit7},
                      Choice{"Bit7AnyType", Logger(0x4050, 0xE2, 0x00, 160), FirmwareModel::ModelBit7},
                      Choice{"Missing08", Logger(0x4050, 4, 0x04, 131), std::nullopt},
                      Choice{"Missing04", Logger(0x4050, 98, 0x08, 160), std::nullopt},
                      Choice{"Model4AsType160", Logger(0x4050, 4, 0x0C, 160), std::nullopt},
                      Choice{"Model7AsType131", Logger(0x4050, 7, 0x0C, 131), std::nullopt},
                      Choice{"Model98AsType131", Logger(0x4050, 98, 0x0C, 131), std::nullopt},
                      Choice{"OtherModel", Logger(0x4050, 5, 0x0C, 131), std::nullopt},
                      Choice{"FamilyBelow", Logger(0x3F99, 98, 0x0C, 160), std::nullopt},
                      Choice{"FamilyAbove", Logger(0x4100, 0x81, 0x0C, 131), std::nullopt}),
    testing::CaseName());

}  // namespace
}  // namespace lc
