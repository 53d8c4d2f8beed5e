#include "protocol/DecodeDeviceInfo.h"

#include <gtest/gtest.h>

#include "tests/protocol/InfoBlockFixture.h"

namespace lc {
namespace {

using testing::InfoBlockBuilder;

TEST(DecodeDeviceInfo, JoinsTheScatteredFieldsAndReadsTheLimitsAsSigned) {
    InfoBlockBuilder logger;
    logger.bytes(4, {12, 0xE5, 0x20, 0x4E})
        .bytes(8, {0x30, 0xF8, 0xD0, 0x07})
        .bytes(16, {0x40, 0x07})
        .bytes(20, {0x66, 0x01, 0x5A, 0xA0})
        .byte(26, 0x04)
        .bytes(27, {0x19, 0x03});

    DeviceInfo info;
    ReadLoggerIdentity(logger.block, info);
    DecodeDeviceInfo(logger.block, info);

    EXPECT_EQ(info.firmwareVersion, 0x4066);
    EXPECT_EQ(info.memorySize, 0x20u + 0x4Eu * 256 + 0x01u * 65536);  // byte 8 plays no part
    EXPECT_EQ(info.tempLimitHigh, -2000);
    EXPECT_EQ(info.tempLimitLow, 2000);
    EXPECT_EQ(info.recordBits, 12);
    EXPECT_EQ(info.capabilityFlags, 0xE5);
    EXPECT_EQ(info.modelCode, 7);
    EXPECT_EQ(info.hardwareCode, 0x5A);
    EXPECT_EQ(info.deviceType, 0xA0);
    EXPECT_EQ(info.stateFlags, 0x04);
    EXPECT_EQ(info.requiredToolVersion, 0x0319);
}

TEST(DecodeDeviceInfo, ConfiguresOnlyItsTwoDeviceTypes) {
    EXPECT_TRUE(IsConfigurableDeviceType(0x83));
    EXPECT_TRUE(IsConfigurableDeviceType(0xA0));
    EXPECT_FALSE(IsConfigurableDeviceType(0x84));
    EXPECT_FALSE(IsConfigurableDeviceType(0x00));
}

TEST(RecordLimit, CapsTheCapacityByTheMemoryClass) {
    struct Case {
        std::uint8_t memoryExponent;
        std::uint32_t capacityBefore;
        std::uint32_t capacityAfter;
    };
    const Case cases[] = {
        {19, 52428, 10000}, {20, 52428, 20000}, {21, 52428, 40000},
        {22, 99999, 80000}, {22, 5000, 5000},  // below the limit: kept
        {0, 99999, 99999},  {23, 99999, 99999}, {18, 99999, 99999},
    };
    for (const Case& c : cases) {
        InfoBlockBuilder logger;
        logger.byte(infoblock::MemoryExponent, c.memoryExponent);
        DeviceInfo info;
        info.recordCapacity = c.capacityBefore;
        ApplyRecordLimit(logger.block, info);
        EXPECT_EQ(info.recordCapacity, c.capacityAfter) << "exponent " << int{c.memoryExponent};
    }
}

}  // namespace
}  // namespace lc
