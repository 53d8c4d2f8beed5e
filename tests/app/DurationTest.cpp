#include <gtest/gtest.h>

#include "app/DurationDisplay.h"
#include "sim/LoggerPresets.h"
#include "tests/app/ToolUnderTest.h"
#include "vocabulary/ControlIds.h"

namespace lc::testing {
namespace {

TEST(DurationText, TellsDaysAboveOneDayAndHoursUpToIt) {
    struct Case {
        std::int32_t interval;
        std::uint32_t capacity;
        UiLanguage language;
        const char* text;
    };
    const Case cases[] = {
        {5, 10000, UiLanguage::Chinese, "最大记录时长:34.7天/10000点"},
        {1, 1000, UiLanguage::Chinese, "最大记录时长:16.7小时/1000点"},
        // An interval of 0 records every second.
        {0, 86400, UiLanguage::Chinese, "最大记录时长:24.0小时/86400点"},
        {0, 86401, UiLanguage::Chinese, "最大记录时长:1.0天/86401点"},
        {5, 10000, UiLanguage::English, "Lasting Days:34.7Day/10000Item"},
        {1, 1000, UiLanguage::English, "Lasting Days:16.7Hour/1000Item"},
        {5, 0, UiLanguage::English, "Lasting Days:0.0Hour/0Item"},
        // The longest interval with the largest memories: 86400 s x 52429 is past 2^32 seconds.
        {1440, 52429, UiLanguage::Chinese, "最大记录时长:52429.0天/52429点"},
        {1440, 49711, UiLanguage::English, "Lasting Days:49711.0Day/49711Item"},
        {1440, 49710, UiLanguage::English, "Lasting Days:49710.0Day/49710Item"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::Utf16ToUtf8(DurationText(c.interval, c.capacity, c.language)), c.text);
    }
}

// The demonstration logger shown: room for 20164 temperature and humidity records.
struct AttachedLogger : ::testing::Test {
    AttachedLogger() {
        tool.tick();
        tool.plugInAndTake(sim::DemoLogger());
        tool.tick();
    }
    ToolUnderTest tool;
};

TEST_F(AttachedLogger, TheDurationFollowsTheTypedIntervalOnTheNextTick) {
    tool.controls.userType(ids::IntervalEdit, u"1");
    EXPECT_EQ(tool.text(ids::DurationDisplay), "最大记录时长:140.0天/20164点");
    tool.tick();
    EXPECT_EQ(tool.text(ids::DurationDisplay), "最大记录时长:14.0天/20164点");
}

TEST_F(AttachedLogger, AnIntervalThatIsNoNumberKeepsTheDurationAndPointsAtTheEdit) {
    tool.controls.userType(ids::IntervalEdit, u"1441");
    tool.tick();
    EXPECT_EQ(tool.text(ids::DurationDisplay), "最大记录时长:140.0天/20164点");
    EXPECT_TRUE(tool.messages.shown.empty());
    EXPECT_EQ(tool.controls.focused(), ids::IntervalEdit);
    EXPECT_TRUE(tool.controls.control(ids::IntervalEdit).caretAtEnd);
}

TEST(NoLogger, TypingAnIntervalLeavesTheDurationAlone) {
    ToolUnderTest tool;
    tool.tick();
    tool.controls.userType(ids::IntervalEdit, u"1");
    tool.tick();
    EXPECT_EQ(tool.text(ids::DurationDisplay), "最大记录时长:");
}

}  // namespace
}  // namespace lc::testing
