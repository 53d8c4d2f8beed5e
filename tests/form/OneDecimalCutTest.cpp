#include <gtest/gtest.h>

#include <string>

#include "form/OneDecimalCut.h"
#include "platform/Text.h"
#include "tests/form/FormWindow.h"

namespace lc {
namespace {

TEST(CutToOneDecimal, KeepsOneCharacterAfterTheFirstPoint) {
    struct CutCase {
        std::u16string typed;
        std::u16string shown;
    };
    const CutCase cases[] = {
        {u"12.34", u"12.3"}, {u"1.2.3", u"1.2"}, {u"1..5", u"1."}, {u"-0.5", u"-0.5"},
        {u"12", u"12"},      {u"1.x9", u"1.x"},  {u".", u"."},     {u"", u""},
    };
    for (const CutCase& c : cases) {
        SCOPED_TRACE(platform::Utf16ToUtf8(c.typed));
        testing::FormWindow window;
        window.controls.userType(ids::HighHumidityEdit, c.typed);
        EXPECT_EQ(window.controls.text(ids::HighHumidityEdit), c.shown);
        const bool cut = c.typed != c.shown;
        EXPECT_EQ(window.controls.focused(), cut ? ids::HighHumidityEdit : -1);
        EXPECT_EQ(window.controls.control(ids::HighHumidityEdit).caretAtEnd, cut);
        EXPECT_EQ(window.changeFlags.bits, 0u);
    }
}

TEST(CutToOneDecimal, ReportsWhetherTheTextWasLeftAsItWas) {
    testing::FormWindow window;
    window.controls.setEvents(nullptr);
    window.controls.setText(ids::LowHumidityEdit, u"3.14");
    EXPECT_FALSE(CutToOneDecimal(window.controls, ids::LowHumidityEdit));
    EXPECT_TRUE(CutToOneDecimal(window.controls, ids::LowHumidityEdit));
    EXPECT_EQ(window.controls.text(ids::LowHumidityEdit), u"3.1");
}

TEST(ThresholdEdits, ACutTemperatureAsksForOneReadThroughTheNestedNotification) {
    struct EditCase {
        platform::ControlId edit;
        std::uint32_t readBit;
    };
    const EditCase cases[] = {{ids::LowTempEdit, change::ReadLowThreshold},
                              {ids::HighTempEdit, change::ReadHighThreshold}};
    for (const EditCase& c : cases) {
        testing::FormWindow window;
        window.controls.userType(c.edit, u"12.34");
        EXPECT_EQ(window.controls.text(c.edit), u"12.3");
        EXPECT_EQ(window.changeFlags.bits, c.readBit);
        EXPECT_EQ(window.thresholds.lowEditGuard, 0);
        EXPECT_EQ(window.thresholds.highEditGuard, 0);
        EXPECT_EQ(window.controls.focused(), c.edit);
    }
}

TEST(ThresholdEdits, TheProgramsOwnTextTakesTheGuardInsteadOfAskingForARead) {
    testing::FormWindow window;
    window.thresholds.lowEditGuard = 1;
    window.controls.setText(ids::LowTempEdit, u"35.6");
    EXPECT_EQ(window.thresholds.lowEditGuard, 0);
    EXPECT_FALSE(window.changeFlags.isSet(change::ReadLowThreshold));

    window.controls.userType(ids::LowTempEdit, u"35.5");
    EXPECT_TRUE(window.changeFlags.isSet(change::ReadLowThreshold));
}

TEST(ThresholdEdits, OtherEditsAreNotCut) {
    testing::FormWindow window;
    window.controls.userType(ids::BrandEdit, u"v1.2.3");
    window.controls.userType(ids::IntervalEdit, u"1.25");
    EXPECT_EQ(window.controls.text(ids::BrandEdit), u"v1.2.3");
    EXPECT_EQ(window.controls.text(ids::IntervalEdit), u"1.25");
    EXPECT_EQ(window.changeFlags.bits, 0u);
}

}  // namespace
}  // namespace lc
