#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <vector>

#include "protocol/BuildConfigPacket.h"
#include "protocol/ConfigItem.h"
#include "tests/fakes/FakeControls.h"
#include "vocabulary/ControlIds.h"

namespace lc {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Item {
    std::uint8_t classByte;
    std::uint8_t tag;
    Bytes value;
};

// The packet's items as the logger reads them, checking lead, length and checksum on the way.
std::vector<Item> Items(const ConfigPacket& packet) {
    std::vector<Item> items;
    for (std::size_t p = 0; p < packet.usedLength;) {
        const std::uint8_t length = packet.buffer[p + 1];
        EXPECT_EQ(packet.buffer[p], 0x55) << "at " << p;
        EXPECT_EQ(ItemSum({packet.buffer.data() + p, length - 1u}), packet.buffer[p + length - 1])
            << "at " << p;
        items.push_back({packet.buffer[p + 2], packet.buffer[p + 3],
                         Bytes(&packet.buffer[p + 4], &packet.buffer[p + length - 1])});
        p += length;
    }
    return items;
}

Bytes Tags(const std::vector<Item>& items) {
    Bytes tags;
    for (const Item& item : items) {
        tags.push_back(item.tag);
    }
    return tags;
}

Bytes ValueOf(const std::vector<Item>& items, std::uint8_t tag) {
    for (const Item& item : items) {
        if (item.tag == tag) {
            return item.value;
        }
    }
    ADD_FAILURE() << "no item with tag " << int{tag};
    return {};
}

template <std::size_t N>
Bytes AsBytes(const std::array<std::uint8_t, N>& field) {
    return Bytes(field.begin(), field.end());
}

constexpr std::uint16_t OldFirmware = 0x1F05;  // major 31
constexpr std::uint16_t NewFirmware = 0x2001;  // major 32

class ConfigPacketTest : public ::testing::Test {
  protected:
    ConfigPacketTest() {
        draft.startDelayMinutes = 1440;
        draft.intervalMinutes = 5;
        draft.zoneHours = -5;
        draft.zoneMinutes = -30;
        draft.channel = 3;
        draft.temperatureUnit = 1;
        draft.highHumidity = 55.5;
        draft.lowHumidity = 20.0;
        draft.dateFormat = 2;
        std::memcpy(draft.customText.data(), "Vaccines\0stale tail", 19);  // the text and an old tail
        std::memcpy(draft.deviceId.data(), "ID-0042", 7);
        thresholds.lowC = 25.30001;
        thresholds.highC = 30.0;
        info.deviceType = 0xA0;
    }
    std::vector<Item> build(std::uint16_t firmware) {
        info.firmwareVersion = firmware;
        EXPECT_TRUE(BuildConfigPacket({draft, thresholds, clock, info, controls}, packet));
        return Items(packet);
    }

    ConfigDraft draft;
    AlertThresholds thresholds;
    LoggerClock clock{24, 6, 15, 10, 30, 45};
    DeviceInfo info;
    fakes::FakeControls controls;
    ConfigPacket packet;
};

TEST_F(ConfigPacketTest, OldGenerationCarries21ItemsIn342Bytes) {
    const std::vector<Item> items = build(OldFirmware);
    EXPECT_EQ(Tags(items), (Bytes{0x49, 0x0D, 0x25, 0x19, 0x03, 0x4A, 0x4F, 0x4D, 0x82, 0x0F, 0x05,
                                  0x07, 0x09, 0x0B, 0x1B, 0x15, 0x2D, 0x27, 0x11, 0x17, 0xFF}));
    EXPECT_EQ(packet.usedLength, 342);
    EXPECT_EQ(packet.writeStage, WriteStage::PacketReady);
    EXPECT_TRUE(std::all_of(packet.buffer.begin() + 342, packet.buffer.end(), [](auto b) { return b == 0; }));
}

TEST_F(ConfigPacketTest, NewGenerationCarries30ItemsIn417Bytes) {
    const std::vector<Item> items = build(NewFirmware);
    EXPECT_EQ(Tags(items), (Bytes{0x49, 0x0D, 0x25, 0x19, 0x03, 0x4A, 0x4F, 0x4D, 0x82, 0x0F,
                                  0x06, 0x08, 0x09, 0x0B, 0x2F, 0x31, 0x33, 0x35, 0x37, 0x39,
                                  0x3D, 0x43, 0x44, 0x40, 0x15, 0x2D, 0x27, 0x11, 0x17, 0xFF}));
    EXPECT_EQ(packet.usedLength, 417);
    EXPECT_EQ(ValueOf(items, 0x40), (Bytes{0x2C, 0x01, 0x00, 0x00}));
    EXPECT_EQ(ValueOf(items, 0x3D), Bytes{3});
    EXPECT_EQ(ValueOf(items, 0x44), Bytes{2});
}

TEST_F(ConfigPacketTest, ItemsStartWithTheToolVersionAndEndWithTheClosingItem) {
    build(0x1E03);
    EXPECT_EQ(Bytes(packet.buffer.begin(), packet.buffer.begin() + 7),
              (Bytes{0x55, 0x07, 0xA0, 0x49, 0x18, 0x03, 0x60}));
    packet = ConfigPacket{};
    build(0x1E02);
    EXPECT_EQ(Bytes(packet.buffer.begin() + packet.usedLength - 5, packet.buffer.begin() + packet.usedLength),
              (Bytes{0x55, 0x05, 0xFF, 0xFF, 0x58}));
}

TEST_F(ConfigPacketTest, FirmwareFrom1E03NamesItsDeviceTypeInEveryItem) {
    for (const auto& [firmware, classByte] :
         std::map<std::uint16_t, std::uint8_t>{{0x1E02, 0xFF}, {0x1E03, 0xA0}}) {
        packet = ConfigPacket{};
        for (const Item& item : build(firmware)) {
            EXPECT_EQ(item.classByte, classByte) << std::hex << firmware << " tag " << int{item.tag};
        }
    }
}

TEST_F(ConfigPacketTest, NumbersAreScaledForTheGeneration) {
    struct Case {
        std::uint16_t firmware;
        double lowC;
        std::uint8_t tag;
        Bytes value;
    };
    const Case cases[] = {
        {NewFirmware, 25.30001, 0x0B, {0xFA, 0x01}},
        {OldFirmware, 25.30001, 0x0B, {0xFD, 0x00}},
        {NewFirmware, -17.80001, 0x0B, {0x9C, 0xFE}},
        {OldFirmware, -17.80001, 0x0B, {0x4E, 0xFF}},
        {NewFirmware, 25.3, 0x0B, {0xFA, 0x01}},
        {NewFirmware, 25.3, 0x09, {0x58, 0x02}},
        {OldFirmware, 25.3, 0x09, {0x2C, 0x01}},
        {NewFirmware, 25.3, 0x33, {0x2B, 0x02}},
        {NewFirmware, 25.3, 0x35, {0xC8, 0x00}},
        {NewFirmware, 25.3, 0x43, {0xFB, 0xE2}},
        {NewFirmware, 25.3, 0x06, {0x80, 0x51, 0x01, 0x00}},
        {OldFirmware, 25.3, 0x05, {0xA0, 0x05}},
        {NewFirmware, 25.3, 0x08, {0x2C, 0x01, 0x00, 0x00}},
        {OldFirmware, 25.3, 0x07, {0x05, 0x00}},
    };
    for (const Case& c : cases) {
        packet = ConfigPacket{};
        thresholds.lowC = c.lowC;
        EXPECT_EQ(ValueOf(build(c.firmware), c.tag), c.value)
            << std::hex << c.firmware << " tag " << int{c.tag} << " lowC " << c.lowC;
    }
}

TEST_F(ConfigPacketTest, OldGenerationIsAlwaysWrittenInCelsius) {
    EXPECT_EQ(ValueOf(build(OldFirmware), 0x0F), Bytes{0});
    EXPECT_EQ(draft.temperatureUnit, 0);
    packet = ConfigPacket{};
    draft.temperatureUnit = 1;
    EXPECT_EQ(ValueOf(build(NewFirmware), 0x0F), Bytes{1});
}

TEST_F(ConfigPacketTest, TextsClockAndAutoStartTravelAsTheyAre) {
    controls.setChecked(ids::AutoStartBox, true);
    const std::vector<Item> items = build(NewFirmware);
    EXPECT_EQ(ValueOf(items, 0x19), AsBytes(draft.customText));
    EXPECT_EQ(ValueOf(items, 0x11), AsBytes(draft.deviceId));
    EXPECT_EQ(ValueOf(items, 0x03), (Bytes{24, 6, 15, 10, 30, 45}));
    EXPECT_EQ(ValueOf(items, 0x82), Bytes{1});
    EXPECT_EQ(ValueOf(items, 0x4D), Bytes{1});
    EXPECT_EQ(ValueOf(items, 0x49), (Bytes{0x18, 0x03}));
}

TEST_F(ConfigPacketTest, APendingPacketRefusesARebuild) {
    build(NewFirmware);
    const ConfigPacket pending = packet;
    info.firmwareVersion = OldFirmware;
    EXPECT_FALSE(BuildConfigPacket({draft, thresholds, clock, info, controls}, packet));
    EXPECT_EQ(packet.buffer, pending.buffer);
    EXPECT_EQ(packet.usedLength, pending.usedLength);
    EXPECT_EQ(packet.writeStage, pending.writeStage);
}

TEST(AppendConfigItem, NeverPassesTheEndOfTheBuffer) {
    ConfigPacket packet;
    const DeviceInfo info;
    const Bytes value(250, 0xAB);
    while (packet.usedLength + 255u <= ConfigPacketCapacity) {
        ASSERT_TRUE(AppendConfigItem(packet, info, 0x19, value));
    }
    const ConfigPacket full = packet;  // 8 items: 2040 bytes
    EXPECT_FALSE(AppendConfigItem(packet, info, 0x19, Bytes(4, 0)));
    EXPECT_EQ(packet.usedLength, full.usedLength);
    EXPECT_EQ(packet.buffer, full.buffer);
    EXPECT_TRUE(AppendConfigItem(packet, info, 0x19, Bytes(3, 0)));
    EXPECT_EQ(packet.usedLength, ConfigPacketCapacity);
    EXPECT_FALSE(AppendConfigItem(packet, info, 0xFF, {}));
}

TEST(AppendConfigItem, RefusesAValueLongerThanAnItemCanSay) {
    ConfigPacket packet;
    EXPECT_FALSE(AppendConfigItem(packet, DeviceInfo{}, 0x19, Bytes(251, 0)));
    EXPECT_EQ(packet.usedLength, 0);
}

}  // namespace
}  // namespace lc
