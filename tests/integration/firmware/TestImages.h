#pragma once

#include "app/demo/MadeUpFirmware.h"
#include "app/demo/TemporaryFolder.h"
#include "protocol/firmware/FirmwareImages.h"

namespace lc::testing {

// The demonstration's made-up images: the right length and header, a pattern elsewhere.
using demo::ImageBytes;
using demo::WriteImageFile;

// A fresh folder under the system's temporary folder, removed with the object.
class TemporaryFolder : public demo::TemporaryFolder {
  public:
    TemporaryFolder() : demo::TemporaryFolder("firmware-test") {}
};

// Every model's image, well formed, in folder, and loaded from there.
inline FirmwareImages SupplyEveryImage(const TemporaryFolder& folder) {
    demo::WriteEveryImage(folder.path());
    return FirmwareImages::Load({folder.path()});
}

}  // namespace lc::testing
