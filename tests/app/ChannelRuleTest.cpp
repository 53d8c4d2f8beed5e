#include <gtest/gtest.h>

#include "app/ChannelRule.h"
#include "sim/BlockFields.h"
#include "sim/LoggerPresets.h"
#include "tests/app/ToolUnderTest.h"
#include "vocabulary/ControlIds.h"

namespace lc::testing {
namespace {

TEST(RecordCapacity, DividesTheMemoryByTheChannelsRecordWidth) {
    struct Case {
        std::uint32_t memorySize;
        std::uint8_t recordBits;
        int channel;
        std::uint32_t capacity;
    };
    const Case cases[] = {
        {65536, 12, 1, 52428},  // humidity records are 10 bits whatever the temperature's width
        {65536, 12, 0, 43690},
        {65536, 12, 2, 23831},
        {0xFFFFFF, 1, 0, 0xFFFFFF * 8u},
        // A logger that reports no temperature record width holds no countable temperature record.
        {65536, 0, 0, 0},
        {65536, 0, 2, 52428},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RecordCapacity(c.memorySize, c.recordBits, c.channel), c.capacity)
            << c.memorySize << " bits " << int(c.recordBits) << " channel " << c.channel;
    }
}

// The demonstration logger shown: alert-aware firmware (0x0040 on), alerts on, 64 KiB, 16-bit
// temperature records.
struct ChannelChange : ::testing::Test {
    ChannelChange() { plugIn(sim::DemoLogger()); }

    void plugIn(const sim::LoggerDescription& description) {
        tool.tick();
        tool.plugInAndTake(description);
        tool.tick();
    }

    void pickChannelAndTick(int channel) {
        ASSERT_TRUE(tool.controls.userSelect(ids::ChannelCombo, channel));
        tool.tick();
    }

    ToolUnderTest tool;
};

TEST_F(ChannelChange, EnablesTheChannelsThresholdsThenShowsItsDurationOnTheNextTick) {
    struct Case {
        int channel;
        bool temperature;
        bool humidity;
        const char* duration;
    };
    const Case cases[] = {
        {1, false, true, "最大记录时长:364.1天/52428点"},
        {0, true, false, "最大记录时长:227.6天/32768点"},
        {2, true, true, "最大记录时长:140.0天/20164点"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.channel);
        pickChannelAndTick(c.channel);
        tool.expectThresholdEdits(c.temperature, c.humidity);
        tool.tick();
        EXPECT_EQ(tool.text(ids::DurationDisplay), c.duration);
    }
}

TEST_F(ChannelChange, KeepsTheThresholdsDisabledWhileAlertsAreOffOrTheSettingsLocked) {
    tool.controls.userClick(ids::AlertBox);  // alerts off
    tool.tick();
    tool.expectThresholdEdits(false, false);

    tool.controls.userClick(ids::AlertBox);  // alerts on again, but the settings locked
    tool.controls.setChecked(ids::LockBox, true);
    pickChannelAndTick(2);
    tool.expectThresholdEdits(false, false);
}

TEST(OlderLogger, ItsThresholdsFollowTheChannelWhateverTheAlertBox) {
    sim::LoggerDescription older = sim::DemoLogger();
    sim::PutFirmwareVersion(older.block, 0x0030);
    ToolUnderTest tool;
    tool.tick();
    tool.plugInAndTake(older);
    tool.controls.userClick(ids::AlertBox);  // alerts off
    tool.controls.userSelect(ids::ChannelCombo, 0);
    tool.tick();
    EXPECT_TRUE(tool.controls.isEnabled(ids::HighTempEdit));
    EXPECT_TRUE(tool.controls.isEnabled(ids::LowTempEdit));
    EXPECT_FALSE(tool.controls.isEnabled(ids::HighHumidityEdit));
}

TEST(NoLogger, AChannelChangeChangesNothingElse) {
    ToolUnderTest tool;
    tool.tick();
    tool.controls.userSelect(ids::ChannelCombo, 1);
    tool.tick();
    tool.tick();
    EXPECT_TRUE(tool.controls.isEnabled(ids::HighTempEdit));
    EXPECT_TRUE(tool.controls.isEnabled(ids::HighHumidityEdit));
    EXPECT_EQ(tool.text(ids::DurationDisplay), "最大记录时长:");
}

}  // namespace
}  // namespace lc::testing
