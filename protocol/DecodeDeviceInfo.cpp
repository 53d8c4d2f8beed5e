#include "protocol/DecodeDeviceInfo.h"

#include <algorithm>

#include "protocol/InfoBlockLayout.h"

namespace lc {

namespace {

// Records a logger of each memory class holds, by the base-2 logarithm of its memory; 0 for none.
std::uint32_t RecordLimit(std::uint8_t memoryExponent) {
    switch (memoryExponent) {
        case 19:
            return 10000;
        case 20:
            return 20000;
        case 21:
            return 40000;
        case 22:
            return 80000;
        default:
            return 0;
    }
}

}  // namespace

void ReadLoggerIdentity(const InfoBlock& block, DeviceInfo& info) {
    using namespace infoblock;
    info.firmwareVersion =
        static_cast<std::uint16_t>(Byte(block, FirmwareVersionHigh) << 8 | Byte(block, FirmwareVersionLow));
    info.deviceType = Byte(block, DeviceType);
}

bool IsConfigurableDeviceType(std::uint8_t deviceType) {
    return deviceType == 0x83 || deviceType == 0xA0;
}

void DecodeDeviceInfo(const InfoBlock& block, DeviceInfo& info) {
    using namespace infoblock;
    info.deviceType = Byte(block, DeviceType);
    info.recordBits = Byte(block, RecordBits);
    info.capabilityFlags = Byte(block, CapabilityFlags);
    info.memorySize = static_cast<std::uint32_t>(Byte(block, MemorySizeLow)) |
                      static_cast<std::uint32_t>(Byte(block, MemorySizeMiddle)) << 8 |
                      static_cast<std::uint32_t>(Byte(block, MemorySizeHigh)) << 16;
    info.tempLimitHigh = Signed16(block, TempLimitHigh);
    info.tempLimitLow = Signed16(block, TempLimitLow);
    info.modelCode = Byte(block, ModelCode);
    info.hardwareCode = Byte(block, HardwareCode);
    info.stateFlags = Byte(block, StateFlags);
    info.requiredToolVersion = Unsigned16(block, RequiredToolVersion);
}

void ApplyRecordLimit(const InfoBlock& block, DeviceInfo& info) {
    const std::uint32_t limit = RecordLimit(infoblock::Byte(block, infoblock::MemoryExponent));
    if (limit != 0) {
        info.recordCapacity = std::min(info.recordCapacity, limit);
    }
}

}  // namespace lc
