#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <vector>

#include "app/demo/MadeUpFirmware.h"

namespace lc {
namespace {

// The images are loaded from files the way supplied ones are, and the files go at once: a demo that
// is killed leaves nothing in the temporary folder.
TEST(MadeUpFirmware, EveryModelHasItsImageAndTheFolderItCameFromIsGone) {
    QTemporaryDir temporary;
    const bool hadTemporaryFolder = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray previous = qgetenv("TMPDIR");
    qputenv("TMPDIR", temporary.path().toUtf8());
    const FirmwareImages images = demo::MadeUpFirmwareImages();
    if (hadTemporaryFolder) {
        qputenv("TMPDIR", previous);
    } else {
        qunsetenv("TMPDIR");
    }

    for (const FirmwareImageKind& kind : FirmwareImageKinds()) {
        SCOPED_TRACE(kind.fileName);
        const FirmwareImage* image = images.find(kind.model);
        ASSERT_NE(image, nullptr);
        const std::vector<std::uint8_t> bytes(image->bytes().begin(), image->bytes().end());
        EXPECT_EQ(bytes, demo::ImageBytes(kind));
    }
    EXPECT_TRUE(std::filesystem::is_empty(temporary.path().toStdString()));
}

}  // namespace
}  // namespace lc
