#include <gtest/gtest.h>

#include <stdlib.h>
#include <time.h>

#include <array>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

#include "form/ClockDisplayMemory.h"
#include "form/DateDisplay.h"
#include "form/LoggerClockStep.h"
#include "form/ReportLanguageDateFormat.h"
#include "form/ZoneItem.h"
#include "form/ZoneSync.h"
#include "form/ZoneText.h"
#include "platform/Text.h"
#include "platform/posix/SystemLocalClock.h"
#include "tests/fakes/FakeLocalClock.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/form/FormWindow.h"

namespace lc {
namespace {

// Zone combo index of an offset in minutes east of UTC.
int ZoneIndex(int offsetMinutes) {
    return (720 - offsetMinutes) / 30;
}

class ClockWindow : public testing::FormWindow {
  public:
    void clockStep() { UpdateLoggerClock(ui, pcClock, memory, clock, changeFlags); }

    fakes::FakeLocalClock pcClock;
    ClockDisplayMemory memory;
    LoggerClock clock;
};

struct ClockCase {
    const char* what;
    int pcBias;
    platform::LocalTime pcTime;
    int zone;
    LoggerClock expected;
};

// Year - 2000, month, day, hour, minute, second, as a test failure prints them.
std::array<int, 6> Fields(const LoggerClock& c) {
    return {c.year, c.month, c.day, c.hour, c.minute, c.second};
}

TEST(UpdateLoggerClock, MovesThePcTimeIntoTheChosenZoneAcrossDaysMonthsAndYears) {
    const ClockCase cases[] = {
        {"into the new year", -480, {2024, 12, 31, 23, 30, 15}, 540, {25, 1, 1, 0, 30, 15}},
        {"back to a leap February", -480, {2024, 3, 1, 0, 10, 0}, 0, {24, 2, 29, 16, 10, 0}},
        {"back to a common February", -480, {2023, 3, 1, 0, 10, 0}, 0, {23, 2, 28, 16, 10, 0}},
        {"forward over a leap day", -480, {2024, 2, 28, 20, 0, 0}, 720, {24, 2, 29, 0, 0, 0}},
        {"forward past a common February", -480, {2023, 2, 28, 20, 0, 0}, 720, {23, 3, 1, 0, 0, 0}},
        {"half-hour PC zone", -330, {2024, 6, 15, 10, 15, 0}, 480, {24, 6, 15, 12, 45, 0}},
        {"half-hour logger zone", -480, {2024, 6, 15, 10, 15, 0}, 330, {24, 6, 15, 7, 45, 0}},
        {"back into the old year", -480, {2025, 1, 1, 1, 0, 0}, -720, {24, 12, 31, 5, 0, 0}},
        {"minutes borrowed from midnight", -480, {2024, 6, 1, 0, 10, 0}, 450, {24, 5, 31, 23, 40, 0}},
        {"negative half-hour zone", 0, {2024, 6, 15, 0, 15, 0}, -30, {24, 6, 14, 23, 45, 0}},
        {"minutes carried into the next day", 0, {2024, 4, 30, 23, 45, 0}, 30, {24, 5, 1, 0, 15, 0}},
        {"same zone", -480, {2024, 6, 15, 10, 15, 59}, 480, {24, 6, 15, 10, 15, 59}},
        {"a leap second carried", 0, {2016, 12, 31, 23, 59, 60}, 60, {17, 1, 1, 1, 0, 0}},
    };
    for (const ClockCase& c : cases) {
        SCOPED_TRACE(c.what);
        ClockWindow window;
        window.pcClock.biasMinutes = c.pcBias;
        window.pcClock.time = c.pcTime;
        window.controls.select(ids::ZoneCombo, ZoneIndex(c.zone));
        window.clockStep();
        EXPECT_EQ(Fields(window.clock), Fields(c.expected));
        EXPECT_EQ(window.memory.zoneOffset, c.zone);
        EXPECT_EQ(window.memory.pcOffset, -c.pcBias);
    }
}

// The PC's zone set for the test process as the desktop sets it, put back afterwards. POSIX zone rules
// need no zone database on the machine.
class PcZone {
  public:
    explicit PcZone(const char* rule) {
        if (const char* tz = getenv("TZ")) {
            previous_ = tz;
        }
        setenv("TZ", rule, 1);
        tzset();
    }
    ~PcZone() {
        if (previous_) {
            setenv("TZ", previous_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    PcZone(const PcZone&) = delete;
    PcZone& operator=(const PcZone&) = delete;

  private:
    std::optional<std::string> previous_;
};

struct TrueTimeCase {
    const char* what;
    const char* pcZone;
    std::array<int, 6> utc;  // year, month, day, hour, minute, second
    int zone;
    LoggerClock expected;
};

std::time_t UtcMoment(const std::array<int, 6>& utc) {
    struct tm fields {};
    fields.tm_year = utc[0] - 1900;
    fields.tm_mon = utc[1] - 1;
    fields.tm_mday = utc[2];
    fields.tm_hour = utc[3];
    fields.tm_min = utc[4];
    fields.tm_sec = utc[5];
    return timegm(&fields);
}

constexpr const char* Berlin = "CET-1CEST,M3.5.0,M10.5.0/3";
constexpr const char* Sydney = "AEST-10AEDT,M10.1.0,M4.1.0/3";
constexpr const char* Shanghai = "CST-8";

TEST(UpdateLoggerClock, GivesTheTrueTimeOfTheChosenZoneOnBothSidesOfADaylightSavingChange) {
    const TrueTimeCase cases[] = {
        {"last second of Berlin winter", Berlin, {2024, 3, 31, 0, 59, 59}, 60, {24, 3, 31, 1, 59, 59}},
        {"first second of Berlin summer", Berlin, {2024, 3, 31, 1, 0, 0}, 60, {24, 3, 31, 2, 0, 0}},
        {"last second of Berlin summer", Berlin, {2024, 10, 27, 0, 59, 59}, 60, {24, 10, 27, 1, 59, 59}},
        {"first second of Berlin winter", Berlin, {2024, 10, 27, 1, 0, 0}, 60, {24, 10, 27, 2, 0, 0}},
        {"Berlin summer, logger on UTC", Berlin, {2024, 7, 1, 12, 0, 0}, 0, {24, 7, 1, 12, 0, 0}},
        {"Sydney in December", Sydney, {2024, 12, 15, 2, 0, 0}, 600, {24, 12, 15, 12, 0, 0}},
        {"Sydney in July", Sydney, {2024, 7, 15, 2, 0, 0}, 600, {24, 7, 15, 12, 0, 0}},
        {"Sydney's new year, logger still in the old",
         Sydney,
         {2024, 12, 31, 23, 30, 0},
         0,
         {24, 12, 31, 23, 30, 0}},
        {"a zone without daylight saving", Shanghai, {2024, 6, 15, 2, 15, 0}, 480, {24, 6, 15, 10, 15, 0}},
        {"a zone without daylight saving, logger in summer Berlin's",
         Shanghai,
         {2024, 6, 15, 2, 15, 0},
         60,
         {24, 6, 15, 3, 15, 0}},
    };
    for (const TrueTimeCase& c : cases) {
        SCOPED_TRACE(c.what);
        const PcZone pcZone(c.pcZone);
        const platform::SystemLocalClock pcClock([&] { return UtcMoment(c.utc); });
        ClockWindow window;
        window.controls.select(ids::ZoneCombo, ZoneIndex(c.zone));
        UpdateLoggerClock(window.ui, pcClock, window.memory, window.clock, window.changeFlags);
        UpdateLoggerClock(window.ui, pcClock, window.memory, window.clock, window.changeFlags);
        EXPECT_EQ(Fields(window.clock), Fields(c.expected));
        EXPECT_EQ(
            window.controls.text(ids::TimeDisplay),
            platform::FormatText("%02d:%02d:%02d", c.expected.hour, c.expected.minute, c.expected.second));
    }
}

TEST(UpdateLoggerClock, TheFirstTickAsksForTheDateAndTheNextShowsTheTime) {
    ClockWindow window;
    window.pcClock.time = {2024, 3, 5, 10, 15, 7};
    window.clockStep();
    EXPECT_TRUE(window.changeFlags.take(change::RefreshDate));
    EXPECT_EQ(window.controls.text(ids::TimeDisplay), u"12:00:00");

    window.clockStep();
    EXPECT_EQ(window.changeFlags.bits, 0u);
    EXPECT_EQ(window.controls.text(ids::TimeDisplay), u"10:15:07");
    const int invalidations = window.controls.control(ids::TimeDisplay).invalidations;
    EXPECT_GT(invalidations, 0);

    window.clockStep();
    EXPECT_EQ(window.controls.control(ids::TimeDisplay).invalidations, invalidations);

    window.controls.userSelect(ids::DateFormatCombo, 0);
    window.clockStep();
    EXPECT_TRUE(window.changeFlags.take(change::RefreshDate));

    window.pcClock.time = {2024, 3, 6, 0, 0, 0};
    window.clockStep();
    EXPECT_TRUE(window.changeFlags.take(change::RefreshDate));
}

TEST(UpdateLoggerClock, AZoneTextThatDoesNotParseKeepsTheLastZone) {
    ClockWindow window;
    window.clockStep();
    ASSERT_EQ(window.memory.zoneOffset, 480);
    window.controls.select(ids::ZoneCombo, -1);
    window.clockStep();
    EXPECT_EQ(window.memory.zoneOffset, 480);
    EXPECT_EQ(window.messages.texts(), std::vector<std::string>{"时区参数错误: 内容为空"});
}

TEST(ParseZoneText, ReadsSignHoursAndMinutesAndNothingPastTheText) {
    struct ZoneCase {
        std::u16string_view text;
        bool parsed;
        std::int32_t offset;  // the offset left behind: 7 when untouched
        const char* message;  // "" for none
    };
    const ZoneCase cases[] = {
        {u"UTC+08:00", true, 480, ""},
        {u"UTC-05:30", true, -330, ""},
        {u"UTC+00:00", true, 0, ""},
        // Too short for its minutes, or for anything at all: read as empty, never past the end.
        {u"UTC+8", false, 7, "时区参数错误: 内容为空"},
        {u"UTC", false, 7, "时区参数错误: 内容为空"},
    };
    for (const ZoneCase& c : cases) {
        fakes::FakeMessageBox messages;
        std::int32_t offset = 7;
        EXPECT_EQ(ParseZoneText(messages, c.text, offset), c.parsed) << platform::Utf16ToUtf8(c.text);
        EXPECT_EQ(offset, c.offset) << platform::Utf16ToUtf8(c.text);
        const std::vector<std::string> expected =
            *c.message == 0 ? std::vector<std::string>{} : std::vector<std::string>{c.message};
        EXPECT_EQ(messages.texts(), expected) << platform::Utf16ToUtf8(c.text);
    }
}

TEST(ShowLoggerDate, WritesTheDateInTheChosenFormat) {
    const std::u16string shown[] = {u"05/03/2024", u"03/05/2024", u"2024/03/05"};
    for (int format = 0; format < 3; ++format) {
        testing::FormWindow window;
        window.controls.select(ids::DateFormatCombo, format);
        ShowLoggerDate(window.controls, LoggerClock{24, 3, 5, 0, 0, 0});
        EXPECT_EQ(window.controls.text(ids::DateDisplay), shown[format]);
        EXPECT_EQ(window.controls.control(ids::DateDisplay).invalidations, 1);
    }
}

TEST(ShowLoggerDate, WithoutAFormatLeavesTheTextButRepaints) {
    testing::FormWindow window;
    window.controls.select(ids::DateFormatCombo, -1);
    ShowLoggerDate(window.controls, LoggerClock{24, 3, 5, 0, 0, 0});
    EXPECT_EQ(window.controls.text(ids::DateDisplay), u"2019/01/01");
    EXPECT_EQ(window.controls.control(ids::DateDisplay).invalidations, 1);
}

TEST(SelectZoneItem, SelectsTheListedZoneOrUtc) {
    struct ZoneCase {
        std::int16_t offset;
        const char16_t* item;
    };
    const ZoneCase cases[] = {{330, u"UTC+05:30"}, {-330, u"UTC-05:30"}, {-30, u"UTC-00:30"},
                              {720, u"UTC+12:00"}, {-720, u"UTC-12:00"}, {15, u"UTC+00:00"},
                              {780, u"UTC+00:00"}, {0, u"UTC+00:00"}};
    for (const ZoneCase& c : cases) {
        SCOPED_TRACE(c.offset);
        testing::FormWindow window;
        SelectZoneItem(window.controls, c.offset);
        EXPECT_EQ(window.controls.text(ids::ZoneCombo), c.item);
    }
}

TEST(SyncZoneSelection, TheLoggerClockFollowsThePickedZone) {
    ClockWindow window;
    window.controls.userSelect(ids::ZoneCombo, ZoneIndex(-330));
    SyncZoneSelection(window.ui, window.memory);
    EXPECT_EQ(window.memory.zoneOffset, -330);
    EXPECT_EQ(window.controls.text(ids::ZoneCombo), u"UTC-05:30");
    window.clockStep();
    EXPECT_EQ(window.clock.hour, 20);  // 10:15 at UTC+08:00 is 20:45 the day before at UTC-05:30
    EXPECT_EQ(window.clock.minute, 45);
    EXPECT_EQ(window.clock.day, 14);
}

TEST(MatchDateFormatToReportLanguage, OnlyOlderFirmwareFollowsTheReportLanguage) {
    struct LanguageCase {
        std::uint16_t firmware;
        int reportLanguage;
        int dateFormat;
    };
    const LanguageCase cases[] = {{0x1E03, 0, 0}, {0x1E03, 1, 2}, {0x2000, 0, 1}, {0x4066, 1, 1}};
    for (const LanguageCase& c : cases) {
        SCOPED_TRACE(c.firmware);
        testing::FormWindow window;
        window.info.firmwareVersion = c.firmware;
        window.controls.select(ids::DateFormatCombo, 1);
        window.controls.userSelect(ids::ReportLanguageCombo, c.reportLanguage);
        MatchDateFormatToReportLanguage(window.controls, window.info);
        EXPECT_EQ(window.controls.selection(ids::DateFormatCombo), c.dateFormat);
    }
}

}  // namespace
}  // namespace lc
