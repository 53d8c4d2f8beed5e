#include <gtest/gtest.h>

#include <string>

#include "form/TemperatureThresholds.h"
#include "platform/Text.h"
#include "tests/form/FormWindow.h"

namespace lc {
namespace {

constexpr int Fahrenheit = 1;

// A logger measuring -40.0 to 85.0 °C, with the window in the given unit.
class ThresholdWindow : public testing::FormWindow {
  public:
    explicit ThresholdWindow(int unit = 0) {
        info.tempLimitLow = -400;
        info.tempLimitHigh = 850;
        controls.select(ids::UnitCombo, unit);
    }

    // The tick's steps for the threshold bits, in the tick's order.
    void tick() {
        if (changeFlags.take(change::ReadLowThreshold)) {
            ReadLowTempThreshold(ui, info, thresholds, Silent);
        }
        if (changeFlags.take(change::ReadHighThreshold)) {
            ReadHighTempThreshold(ui, info, thresholds, Silent);
        }
        if (changeFlags.take(change::RefreshUnit)) {
            ShowThresholdsInUnit(controls, thresholds);
        }
    }

    void switchUnit(int unit) {
        controls.userSelect(ids::UnitCombo, unit);
        changeFlags.set(change::RefreshUnit);
        tick();
    }
};

TEST(RoundCelsius, StepsToTheNearestTwentiethAndNudgesAwayFromZero) {
    struct RoundCase {
        double celsius;
        double rounded;
    };
    const RoundCase cases[] = {
        {25.2777, 25.30001}, {0.5555, 0.55001}, {0.5249, 0.50001},     {0.5251, 0.55001}, {0.5759, 0.55001},
        {0.5761, 0.60001},   {2.0, 2.00001},    {-17.7777, -17.80001}, {0.0, -0.00001},   {85.0, 85.00001},
    };
    for (const RoundCase& c : cases) {
        SCOPED_TRACE(c.celsius);
        EXPECT_NEAR(RoundCelsius(c.celsius), c.rounded, 1e-9);
    }
}

TEST(TemperatureThresholds, FahrenheitEntriesKeepTheTypedValueAndARoundedCelsiusTwin) {
    struct FahrenheitCase {
        std::u16string typed;
        double celsius;
    };
    const FahrenheitCase cases[] = {
        {u"77.5", 25.30001},  {u"100.0", 37.80001}, {u"0.0", -17.80001},   {u"33.0", 0.55001},
        {u"185.0", 85.00001}, {u"32.0", -0.00001},  {u"-40.0", -40.00001},
    };
    for (const FahrenheitCase& c : cases) {
        SCOPED_TRACE(platform::Utf16ToUtf8(c.typed));
        ThresholdWindow window(Fahrenheit);
        window.controls.userType(ids::LowTempEdit, c.typed);
        window.tick();
        EXPECT_DOUBLE_EQ(window.thresholds.lowF, std::stod(platform::Utf16ToUtf8(c.typed)));
        EXPECT_NEAR(window.thresholds.lowC, c.celsius, 1e-9);
    }
}

TEST(TemperatureThresholds, TheLoggersRangeIsAppliedInTheChosenUnit) {
    ThresholdWindow window(Fahrenheit);
    window.controls.userType(ids::HighTempEdit, u"185.1");
    EXPECT_FALSE(ReadHighTempThreshold(window.ui, window.info, window.thresholds, "高温警告参数错误"));
    EXPECT_EQ(window.messages.texts(),
              std::vector<std::string>{"高温警告参数错误: 数值必须在-40.0至185.0之内!"});
    EXPECT_DOUBLE_EQ(window.thresholds.highC, 8.0);
    EXPECT_DOUBLE_EQ(window.thresholds.highF, 46.4);

    window.controls.select(ids::UnitCombo, 0);
    window.controls.userType(ids::HighTempEdit, u"85.1");
    EXPECT_FALSE(ReadHighTempThreshold(window.ui, window.info, window.thresholds, Silent));
    window.controls.userType(ids::HighTempEdit, u"85.0");
    EXPECT_TRUE(ReadHighTempThreshold(window.ui, window.info, window.thresholds, Silent));
    EXPECT_DOUBLE_EQ(window.thresholds.highC, 85.0);
    EXPECT_DOUBLE_EQ(window.thresholds.highF, 185.0);
}

TEST(TemperatureThresholds, AFahrenheitBoundTypedAsShownIsAccepted) {
    ThresholdWindow window(Fahrenheit);
    window.info.tempLimitLow = -180;  // -18.0 °C is -0.4 °F
    window.controls.userType(ids::LowTempEdit, u"-0.4");
    EXPECT_TRUE(ReadLowTempThreshold(window.ui, window.info, window.thresholds, Silent));
    EXPECT_NEAR(window.thresholds.lowC, -18.00001, 1e-9);
    window.controls.userType(ids::LowTempEdit, u"-0.5");
    EXPECT_FALSE(ReadLowTempThreshold(window.ui, window.info, window.thresholds, "低温警告参数错误"));
    EXPECT_EQ(window.messages.texts(),
              std::vector<std::string>{"低温警告参数错误: 数值必须在-0.4至185.0之内!"});
}

TEST(TemperatureThresholds, TypingFollowsWithinOneTickAndAnUnfinishedNumberChangesNothing) {
    ThresholdWindow window;
    window.controls.userType(ids::LowTempEdit, u"-");
    window.tick();
    EXPECT_DOUBLE_EQ(window.thresholds.lowC, 2.0);
    EXPECT_DOUBLE_EQ(window.thresholds.lowF, 35.6);
    EXPECT_TRUE(window.messages.shown.empty());

    window.controls.userType(ids::LowTempEdit, u"-5");
    window.tick();
    EXPECT_DOUBLE_EQ(window.thresholds.lowC, -5.0);
    EXPECT_DOUBLE_EQ(window.thresholds.lowF, 23.0);
}

TEST(TemperatureThresholds, SwitchingUnitsBackAndForthNeitherDriftsNorRereads) {
    ThresholdWindow window;
    window.controls.userType(ids::LowTempEdit, u"25.3");
    window.tick();
    EXPECT_DOUBLE_EQ(window.thresholds.lowF, 25.3 * 1.8 + 32.0);

    window.switchUnit(Fahrenheit);
    EXPECT_EQ(window.controls.text(ids::LowTempEdit), u"77.5");
    EXPECT_EQ(window.controls.text(ids::HighTempEdit), u"46.4");
    EXPECT_EQ(window.controls.text(ids::LowTempUnit), u"℉");
    EXPECT_EQ(window.controls.text(ids::HighTempUnit), u"℉");
    EXPECT_EQ(window.changeFlags.bits, 0u);
    EXPECT_EQ(window.thresholds.lowEditGuard, 0);
    EXPECT_EQ(window.thresholds.highEditGuard, 0);

    window.switchUnit(0);
    EXPECT_EQ(window.controls.text(ids::LowTempEdit), u"25.3");
    EXPECT_EQ(window.controls.text(ids::HighTempEdit), u"8.0");
    EXPECT_EQ(window.controls.text(ids::LowTempUnit), u"℃");
    EXPECT_DOUBLE_EQ(window.thresholds.lowC, 25.3);
    EXPECT_DOUBLE_EQ(window.thresholds.lowF, 25.3 * 1.8 + 32.0);
    EXPECT_GT(window.controls.control(ids::LowTempEdit).invalidations, 0);
    EXPECT_GT(window.controls.control(ids::HighTempUnit).invalidations, 0);
}

TEST(TemperatureThresholds, FreezingTypedInFahrenheitShowsMinusZeroCelsius) {
    ThresholdWindow window(Fahrenheit);
    window.controls.userType(ids::LowTempEdit, u"32.0");
    window.tick();
    window.switchUnit(0);
    EXPECT_EQ(window.controls.text(ids::LowTempEdit), u"-0.0");
}

TEST(TemperatureThresholds, ALoggersThresholdsShownInFahrenheitLeaveNoReadPending) {
    ThresholdWindow window(Fahrenheit);
    window.thresholds.lowC = -10.0;
    window.thresholds.lowF = 14.0;
    window.thresholds.highC = 30.0;
    window.thresholds.highF = 86.0;
    window.changeFlags.set(change::RefreshUnit);
    window.tick();
    EXPECT_EQ(window.controls.text(ids::LowTempEdit), u"14.0");
    EXPECT_EQ(window.controls.text(ids::HighTempEdit), u"86.0");
    EXPECT_EQ(window.changeFlags.bits, 0u);
}

}  // namespace
}  // namespace lc
