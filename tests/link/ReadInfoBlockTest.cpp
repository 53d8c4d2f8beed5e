#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <vector>

#include "link/ReadInfoBlock.h"
#include "tests/link/LinkBench.h"

namespace lc::testing {
namespace {

constexpr std::uint8_t Untouched = 0xEE;

using Buffer = std::array<std::uint8_t, 1024>;

Buffer UntouchedBuffer() {
    Buffer buffer;
    buffer.fill(Untouched);
    return buffer;
}

// The offsets of the 0x91 requests the logger received.
std::vector<unsigned> InfoRequestOffsets(const sim::VirtualLogger& logger) {
    std::vector<unsigned> offsets;
    for (const platform::HidReport& report : logger.receivedReports()) {
        if (report[1] == 0x91) {
            offsets.push_back(report[3] | (report[4] << 8) | (report[5] << 16));
        }
    }
    return offsets;
}

// How many bytes the read gathered: the buffer holds the logger's memory (its block, then zeros) up to
// there and is untouched from there on.
std::size_t Gathered(const Buffer& buffer, const sim::LoggerBlock& block) {
    std::size_t at = 0;
    while (at < buffer.size() && buffer[at] == (at < block.size() ? block[at] : 0)) {
        ++at;
    }
    EXPECT_TRUE(std::all_of(buffer.begin() + static_cast<std::ptrdiff_t>(at), buffer.end(),
                            [](std::uint8_t byte) { return byte == Untouched; }));
    return at;
}

struct SliceCase {
    std::size_t sliceBytes;
    std::optional<std::size_t> blockEndsAfter;
    std::size_t requests;
    std::size_t gathered;
};

void PrintTo(const SliceCase& slices, std::ostream* out) {
    *out << slices.sliceBytes << "-byte slices, ending after " << slices.blockEndsAfter.value_or(0)
         << " bytes";
}

class ReadInfoBlockSlices : public ::testing::TestWithParam<SliceCase> {};

TEST_P(ReadInfoBlockSlices, GathersUntil516BytesOrAnEmptyReply) {
    const SliceCase slices = GetParam();
    LinkBench bench;
    sim::LoggerDescription description = sim::DemoLogger();
    description.sliceBytes = slices.sliceBytes;
    description.blockEndsAfter = slices.blockEndsAfter;
    sim::VirtualLogger& logger = bench.openLogger(description);
    Buffer buffer = UntouchedBuffer();

    EXPECT_TRUE(ReadInfoBlock(bench.link, buffer));

    EXPECT_EQ(Gathered(buffer, logger.block()), slices.gathered);
    const std::vector<unsigned> offsets = InfoRequestOffsets(logger);
    ASSERT_EQ(offsets.size(), slices.requests);
    for (std::size_t request = 0; request < offsets.size(); ++request) {
        EXPECT_EQ(offsets[request],
                  std::min(request * slices.sliceBytes, slices.blockEndsAfter.value_or(SIZE_MAX)));
    }
    EXPECT_TRUE(bench.messages.shown.empty());
    EXPECT_FALSE(bench.published());
}

INSTANTIATE_TEST_SUITE_P(Logger, ReadInfoBlockSlices,
                         ::testing::Values(SliceCase{58, std::nullopt, 9, 522},  //
                                           SliceCase{10, std::nullopt, 52, 520},
                                           SliceCase{58, 0, 1, 0},     // an empty first reply
                                           SliceCase{58, 100, 3, 100}  // 58, 42, then empty
                                           ));

TEST(ReadInfoBlock, NeverWritesPastTheGivenBuffer) {
    LinkBench bench;
    sim::VirtualLogger& logger = bench.openLogger();
    std::vector<std::uint8_t> buffer(530, Untouched);

    EXPECT_TRUE(ReadInfoBlock(bench.link, std::span(buffer).first(516)));

    const sim::LoggerBlock block = logger.block();
    EXPECT_TRUE(std::equal(block.begin(), block.end(), buffer.begin()));
    EXPECT_TRUE(
        std::all_of(buffer.begin() + 516, buffer.end(), [](std::uint8_t byte) { return byte == Untouched; }));
}

struct ForeignCase {
    int foreignReplies;
    bool read;
};

void PrintTo(const ForeignCase& foreign, std::ostream* out) {
    *out << foreign.foreignReplies << " foreign replies";
}

class ReadInfoBlockForeignReplies : public ::testing::TestWithParam<ForeignCase> {};

TEST_P(ReadInfoBlockForeignReplies, ToleratesTenOverTheWholeRead) {
    LinkBench bench;
    sim::VirtualLogger& logger = bench.openLogger();
    logger.answerWithForeignCode(GetParam().foreignReplies, 0x55);
    Buffer buffer = UntouchedBuffer();

    EXPECT_EQ(ReadInfoBlock(bench.link, buffer), GetParam().read);

    if (GetParam().read) {
        EXPECT_EQ(Gathered(buffer, logger.block()), 522u);
    } else {
        EXPECT_EQ(buffer[0], Untouched);
    }
    EXPECT_TRUE(bench.messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Logger, ReadInfoBlockForeignReplies,
                         ::testing::Values(ForeignCase{10, true}, ForeignCase{11, false}));

TEST(ReadInfoBlock, ThrowsAwayAReportLeftPublishedFromEarlier) {
    LinkBench bench;
    sim::VirtualLogger& logger = bench.openLogger();
    bench.awaitReply();  // kept for a transaction, as a foreign reply is during the information read
    sim::InputReport stray = Frame(0x91, 64);
    std::fill(stray.bytes.begin() + 6, stray.bytes.end(), 0xAB);
    bench.bus.sendInputReport(logger, stray);
    ASSERT_TRUE(bench.pumpUntil([&] { return bench.published(); }));
    Buffer buffer = UntouchedBuffer();

    EXPECT_TRUE(ReadInfoBlock(bench.link, buffer));

    EXPECT_EQ(Gathered(buffer, logger.block()), 522u);
}

TEST(ReadInfoBlock, ALoggerLeavingMidReadEndsItSilentlyAndIsReportedRemoved) {
    LinkBench bench;
    sim::VirtualLogger& logger = bench.openLogger();
    logger.leaveAtRequest(3);
    Buffer buffer = UntouchedBuffer();
    const auto started = std::chrono::steady_clock::now();

    EXPECT_FALSE(ReadInfoBlock(bench.link, buffer));

    EXPECT_TRUE(bench.takeNotice(LinkEvent::Removed, 1500ms));
    EXPECT_LT(std::chrono::steady_clock::now() - started, 1500ms);
    EXPECT_TRUE(bench.messages.shown.empty());
    EXPECT_EQ(bench.session.writeHandle.load(), platform::InvalidHidHandle);
    EXPECT_TRUE(bench.session.devicePath.empty());
}

TEST(ReadInfoBlock, FailsAtOnceWithoutALogger) {
    LinkBench bench;
    Buffer buffer = UntouchedBuffer();

    EXPECT_FALSE(ReadInfoBlock(bench.link, buffer));

    EXPECT_EQ(buffer[0], Untouched);
}

}  // namespace
}  // namespace lc::testing
