#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/BlockFields.h"
#include "sim/FrameLine.h"
#include "sim/LoggerPresets.h"
#include "sim/VirtualHidBus.h"
#include "sim/VirtualLogger.h"

namespace lc::sim {
namespace {

// payload: at most 58 bytes.
platform::HidReport Request(std::uint8_t code, std::uint32_t offset, std::vector<std::uint8_t> payload) {
    platform::HidReport report{0x01,
                               code,
                               static_cast<std::uint8_t>(6 + payload.size()),
                               static_cast<std::uint8_t>(offset),
                               static_cast<std::uint8_t>(offset >> 8),
                               static_cast<std::uint8_t>(offset >> 16)};
    std::copy(payload.begin(), payload.end(), report.begin() + 6);
    return report;
}

std::vector<std::uint8_t> Bytes(std::size_t count, std::uint8_t first) {
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t at = 0; at < count; ++at) {
        bytes[at] = static_cast<std::uint8_t>(first + at);
    }
    return bytes;
}

TEST(FrameLine, ShowsCommandLengthOffsetAndPayload) {
    EXPECT_EQ(FormatFrameLine(Request(0x91, 0, {})), "rx cmd=0x91 len=6 off=0 data=");
    EXPECT_EQ(FormatFrameLine(Request(0x19, 58, {0xAB, 0x0C})), "rx cmd=0x19 len=8 off=58 data=AB0C");
    EXPECT_EQ(FormatFrameLine(Request(0x93, 0xF400, {})), "rx cmd=0x93 len=6 off=62464 data=");
}

TEST(VirtualLogger, ReassemblesAnItemFromItsChunksAndAnswersWithTheStatusChosen) {
    VirtualLogger logger(DemoLogger());
    logger.setItemStatus(0x17, 3);
    const std::vector<std::uint8_t> custom = Bytes(100, 1);

    const Reaction first = logger.receive(Request(0x19, 0, {custom.begin(), custom.begin() + 58}));
    logger.receive(Request(0x19, 58, {custom.begin() + 58, custom.end()}));
    const Reaction refused = logger.receive(Request(0x17, 0, {0x41}));

    EXPECT_EQ(logger.itemValue(0x19), custom);
    ASSERT_EQ(first.replies.size(), 1u);
    EXPECT_EQ(first.replies[0].bytes[1], 0x19);
    ASSERT_EQ(refused.replies.size(), 1u);
    EXPECT_EQ(refused.replies[0].bytes[1], 0x90);
    EXPECT_EQ(refused.replies[0].bytes[6], 3);
}

struct StoredField {
    std::uint8_t tag;
    std::vector<std::uint8_t> value;
    std::size_t offset;
    std::vector<std::uint8_t> stored;
};

void WriteAndEnd(VirtualLogger& logger, const std::vector<StoredField>& fields) {
    for (const StoredField& field : fields) {
        for (std::size_t offset = 0; offset < field.value.size(); offset += 58) {
            const auto chunk = field.value.begin() + static_cast<std::ptrdiff_t>(offset);
            const auto end =
                field.value.begin() + static_cast<std::ptrdiff_t>(std::min(offset + 58, field.value.size()));
            logger.receive(Request(field.tag, static_cast<std::uint32_t>(offset), {chunk, end}));
        }
    }
    EXPECT_TRUE(logger.receive(Request(0x94, 0, {})).replies.empty());
}

void ExpectStored(const LoggerBlock& block, const std::vector<StoredField>& fields) {
    for (const StoredField& field : fields) {
        const std::vector<std::uint8_t> stored(block.begin() + static_cast<std::ptrdiff_t>(field.offset),
                                               block.begin() + static_cast<std::ptrdiff_t>(field.offset) +
                                                   static_cast<std::ptrdiff_t>(field.stored.size()));
        EXPECT_EQ(stored, field.stored) << "tag 0x" << std::hex << int(field.tag);
    }
}

TEST(VirtualLogger, KeepsTheSettingsOfTheNewGenerationInItsBlock) {
    VirtualLogger logger(DemoLogger());
    const std::vector<StoredField> fields = {
        {0x0D, {0}, 128, {0}},
        {0x0F, {1}, 129, {1}},
        {0x06, {0x80, 0x51, 0x01, 0x00}, 130, {0x80, 0x51, 0x01, 0x00}},
        {0x08, {0x3C, 0, 0, 0}, 134, {0x3C, 0, 0, 0}},
        {0x09, {0xFA, 0x01}, 138, {0xFA, 0x01}},
        {0x0B, {0x9C, 0xFE}, 140, {0x9C, 0xFE}},
        {0x33, {0x2B, 0x02}, 150, {0x2B, 0x02}},
        {0x35, {0x64, 0x00}, 152, {0x64, 0x00}},
        {0x25, {7, 0}, 162, {7, 0}},
        {0x15, Bytes(20, 0x41), 166, Bytes(20, 0x41)},
        {0x11, Bytes(20, 0x30), 186, Bytes(20, 0x30)},
        {0x17, Bytes(50, 0x21), 206, Bytes(50, 0x21)},
        {0x19, Bytes(100, 0x10), 256, Bytes(100, 0x10)},
        {0x2D, Bytes(20, 0x61), 358, Bytes(20, 0x61)},
        {0x3D, {2}, 395, {2}},
        {0x44, {1}, 396, {1}},
        {0x43, {0xFB, 0xE2}, 397, {0xFB}},
        {0x27, {3}, 398, {3}},
        {0x4A, {1}, 402, {1}},
        {0x4F, {0}, 411, {0}},
    };

    WriteAndEnd(logger, fields);

    ExpectStored(logger.block(), fields);
    EXPECT_EQ(logger.block()[401], 0xE2);
}

TEST(VirtualLogger, TakesMinutesAndTenthsFromTheOldGeneration) {
    LoggerDescription old = DemoLogger();
    PutFirmwareVersion(old.block, 0x1F10);
    VirtualLogger logger(old);

    WriteAndEnd(logger, {{0x05, {0xA0, 0x05}, 0, {}}, {0x07, {10, 0}, 0, {}}, {0x0B, {0x4E, 0xFF}, 0, {}}});

    ExpectStored(logger.block(), {{0x05, {}, 130, {0x80, 0x51, 0x01, 0x00}},  // 1440 minutes
                                  {0x07, {}, 134, {0x58, 0x02, 0x00, 0x00}},  // 10 minutes
                                  {0x0B, {}, 140, {0x9C, 0xFE}}});            // -17.8 °C
}

// Sends an image of the given length in 56-byte frames, the empty frame and the closing frame.
void SendImage(VirtualHidBus& bus, platform::HidHandle handle, const std::vector<std::uint8_t>& image) {
    for (std::size_t offset = 0; offset < image.size(); offset += 56) {
        const auto end = image.begin() + static_cast<std::ptrdiff_t>(std::min(offset + 56, image.size()));
        bus.write(handle,
                  Request(0x93, static_cast<std::uint32_t>(offset),
                          {image.begin() + static_cast<std::ptrdiff_t>(offset), end}),
                  500);
    }
    bus.write(handle, Request(0x93, static_cast<std::uint32_t>(image.size()), {}), 500);
    bus.write(handle, Request(0x7F, 0, {}), 500);
}

TEST(VirtualLogger, RestartsWithTheImagesVersionAndKeepsItsSettings) {
    VirtualHidBus bus;
    LoggerDescription description = DemoLogger();
    PutFirmwareVersion(description.block, 0x4066);
    description.restartDelay = std::chrono::milliseconds(50);
    VirtualLogger& logger = bus.plugIn(description);
    std::vector<std::string> lines;
    bus.setFrameObserver([&](const std::string& line) { lines.push_back(line); });
    const std::string path = bus.pathOf(logger);
    const platform::HidHandle handle = bus.openForWriting(path);
    std::vector<std::uint8_t> image = Bytes(300, 0);
    image[264] = 0x69;
    image[265] = 0x40;

    SendImage(bus, handle, image);

    EXPECT_FALSE(bus.exists(path));
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    EXPECT_TRUE(bus.exists(path));
    EXPECT_EQ(GetFirmwareVersion(logger.block()), 0x4069);
    EXPECT_EQ(logger.block()[field::Alert], 1);
    EXPECT_EQ(logger.receivedImage(), image);
    EXPECT_TRUE(logger.firmwareViolations().empty());
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[6], "rx cmd=0x93 len=6 off=300 data=");
    EXPECT_EQ(lines[8], "unplug");
    EXPECT_EQ(lines[9], "plug");
    EXPECT_EQ(bus.write(handle, Request(0x91, 0, {}), 500).outcome, platform::HidIo::Failed);
}

TEST(VirtualLogger, AcknowledgesDataFramesAndRecordsOnesOutOfOrder) {
    VirtualLogger logger(DemoLogger());
    logger.refuseFirmwareFrame(4, 0x90);

    const Reaction first = logger.receive(Request(0x93, 0, Bytes(56, 0)));
    logger.receive(Request(0x93, 0, Bytes(56, 0)));  // again, its acknowledgement lost
    logger.receive(Request(0x93, 112, Bytes(56, 0)));
    const Reaction refused = logger.receive(Request(0x93, 168, Bytes(56, 0)));

    ASSERT_EQ(first.replies.size(), 1u);
    EXPECT_EQ(first.replies[0].bytes[1], 0x93);
    ASSERT_EQ(refused.replies.size(), 1u);
    EXPECT_EQ(refused.replies[0].bytes[1], 0x90);
    EXPECT_EQ(logger.firmwareViolations(), std::vector<std::string>{"frame 3 at offset 112, expected 56"});
}

}  // namespace
}  // namespace lc::sim
