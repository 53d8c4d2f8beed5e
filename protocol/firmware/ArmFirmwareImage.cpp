#include "protocol/firmware/ArmFirmwareImage.h"

namespace lc {

bool ArmFirmwareImage(DeviceSession& session, std::uint16_t firmwareVersion, const FirmwareImage& image,
                      std::uint32_t length) {
    if (firmwareVersion >= image.version()) {
        session.imageData = {};
        session.imageLength.store(0);
        return false;
    }
    session.imageData = image.bytes().first(length);
    session.imageLength.store(length);
    return true;
}

void DisarmFirmwareImage(DeviceSession& session) {
    session.imageData = {};
    session.imageLength.store(0);
    session.imageOffset.store(0);
}

}  // namespace lc
