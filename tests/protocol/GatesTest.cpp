#include "protocol/Gates.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/fakes/FakeControls.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/protocol/InfoBlockFixture.h"
#include "vocabulary/ControlIds.h"

namespace lc {
namespace {

using testing::InfoBlockBuilder;

struct Date {
    std::uint8_t year;
    std::uint8_t month;
    std::uint8_t day;
};

class GateTest : public ::testing::Test {
  protected:
    void chinese() { controls.select(ids::WindowLanguageCombo, 0); }
    platform::Ui ui() { return {controls, messages}; }

    // A model 4 logger of device type 0x83 with a valid expiry stamp.
    void expiresOn(Date expiry) {
        logger.bytes(infoblock::ExpiryYear,
                     {expiry.year, expiry.month, expiry.day,
                      static_cast<std::uint8_t>(expiry.year + expiry.month + expiry.day)});
    }
    bool refusedOn(Date today) {
        const LoggerClock clock{today.year, today.month, today.day, 12, 0, 0};
        return CheckCalibrationExpiry(ui(), logger.block, info, clock);
    }

    fakes::FakeControls controls;
    fakes::FakeMessageBox messages;
    InfoBlockBuilder logger;
    DeviceInfo info{.modelCode = 4, .deviceType = 0x83};
};

TEST_F(GateTest, ToolVersionGateNamesTheVersionTheLoggerNeeds) {
    struct Case {
        std::uint16_t required;
        bool chinese;
        const char* message;  // nullptr: accepted silently
    };
    const Case cases[] = {
        {0x0318, true, nullptr},
        {0x0100, false, nullptr},
        {0x0319, true, "此配置工具版本过低！\r\n请使用V3.19或更高版本配置工具！"},
        {0x0319, false, "The tool's version is too low！\r\nPlease use V3.19 or later version！"},
        {0x040A, false, "The tool's version is too low！\r\nPlease use V4.0A or later version！"},
    };
    for (const Case& c : cases) {
        messages.shown.clear();
        controls.select(ids::WindowLanguageCombo, c.chinese ? 0 : 1);
        info.requiredToolVersion = c.required;
        EXPECT_EQ(PassesToolVersionGate(ui(), info), c.message == nullptr) << std::hex << c.required;
        EXPECT_EQ(messages.texts(),
                  c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
}

TEST(DayNumber, CountsFromTheFirstDayOf2001WithoutLeapDaysInTheYearCounted) {
    EXPECT_EQ(DayNumber(1, 1, 1), 1u);
    EXPECT_EQ(DayNumber(24, 2, 29), DayNumber(24, 3, 1));
    EXPECT_EQ(DayNumber(25, 1, 1) - DayNumber(24, 12, 31), 2u);
    EXPECT_EQ(DayNumber(0, 1, 1), 255u / 4 * 1461 + 255u % 4 * 365 + 1);  // year byte 0 lies far ahead
}

TEST(DayNumber, CountsAMonthPastDecemberAsTheWholeYear) {
    EXPECT_EQ(DayNumber(24, 13, 1), DayNumber(24, 12, 31) + 1);
    EXPECT_EQ(DayNumber(24, 255, 1), DayNumber(24, 13, 1));
    EXPECT_EQ(DayNumber(24, 0, 5), DayNumber(24, 1, 5));
}

TEST_F(GateTest, CalibrationExpiresOnItsDayAndWarnsInItsLast29Days) {
    struct Case {
        Date today;
        Date expiry;
        bool refused;
        const char* message;
    };
    const Case cases[] = {
        {{24, 6, 15},
         {24, 6, 15},
         true,
         "Calibration has expired,\r\nPlease send back to the manufacturer for recalibration!"},
        {{24, 6, 16},
         {24, 6, 15},
         true,
         "Calibration has expired,\r\nPlease send back to the manufacturer for recalibration!"},
        {{24, 2, 29},
         {24, 3, 1},
         true,
         "Calibration has expired,\r\nPlease send back to the manufacturer for recalibration!"},
        {{24, 6, 1}, {24, 6, 30}, false, "The calibration will expire in 29 day!"},
        {{24, 6, 14}, {24, 6, 15}, false, "The calibration will expire in 1 day!"},
        {{24, 12, 31}, {25, 1, 1}, false, "The calibration will expire in 2 day!"},
        {{24, 12, 31}, {24, 13, 1}, false, "The calibration will expire in 1 day!"},
        {{24, 6, 1}, {24, 7, 1}, false, nullptr},
        {{24, 6, 1}, {0, 1, 1}, false, nullptr},
    };
    for (const Case& c : cases) {
        messages.shown.clear();
        expiresOn(c.expiry);
        EXPECT_EQ(refusedOn(c.today), c.refused) << int{c.expiry.month} << "/" << int{c.expiry.day};
        EXPECT_EQ(messages.texts(),
                  c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{});
    }
}

TEST_F(GateTest, CalibrationMessagesFollowTheWindowLanguage) {
    chinese();
    expiresOn({24, 6, 15});
    EXPECT_TRUE(refusedOn({24, 6, 15}));
    EXPECT_FALSE(refusedOn({24, 6, 1}));
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"校准数据已经过期,\r\n请将设备发回厂家重新校准!",
                                                          "设备校准数据将在14天后过期!"}));
}

TEST_F(GateTest, AnUnstampedLoggerExpiresOnTheFirstOfJune2021) {
    for (std::uint8_t check : {std::uint8_t{0}, std::uint8_t{99}}) {
        logger.bytes(infoblock::ExpiryYear, {30, 1, 1, check});
        EXPECT_TRUE(refusedOn({21, 6, 1})) << int{check};
        EXPECT_FALSE(refusedOn({21, 5, 1})) << int{check};  // 31 days before: silent
    }
    logger.bytes(infoblock::ExpiryYear, {0, 0, 0, 0});
    EXPECT_TRUE(refusedOn({21, 6, 1}));
}

TEST_F(GateTest, OnlyModel4OfType83IsCheckedForExpiry) {
    expiresOn({21, 1, 1});
    info.deviceType = 0xA0;
    EXPECT_FALSE(refusedOn({24, 6, 15}));
    info = DeviceInfo{.modelCode = 0x84, .deviceType = 0x83};
    EXPECT_FALSE(refusedOn({24, 6, 15}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(GateTest, AlertsLockTheThresholdsOnlyFromFirmware0040) {
    struct Case {
        std::uint16_t firmware;
        bool alertBoxChecked;
        bool locked;
    };
    const Case cases[] = {
        {0x003F, false, false}, {0x0040, false, true}, {0x0040, true, false}, {0x4066, false, true}};
    for (const Case& c : cases) {
        controls.setChecked(ids::AlertBox, c.alertBoxChecked);
        info.firmwareVersion = c.firmware;
        EXPECT_EQ(AlertsLocked(controls, info), c.locked) << std::hex << c.firmware;
    }
}

}  // namespace
}  // namespace lc
