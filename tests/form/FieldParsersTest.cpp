#include <gtest/gtest.h>

#include <string>

#include "form/ControlReaders.h"
#include "form/FieldParsers.h"
#include "platform/Text.h"
#include "tests/form/FormWindow.h"

namespace lc {
namespace {

using platform::Utf16ToUtf8;

struct IntegerCase {
    std::u16string text;
    FieldCode code;
    std::int32_t value;
};

TEST(ParseIntegerField, AcceptsOnlyWholeNumbersWithinZeroToMax) {
    const IntegerCase cases[] = {
        {u"  15", FieldCode::Ok, 15},
        {u"+0", FieldCode::Ok, 0},
        {u"-0", FieldCode::Ok, 0},
        {u"0001440", FieldCode::Ok, 1440},
        {u"-5", FieldCode::OutOfRange, -1},
        {u"1441", FieldCode::OutOfRange, -1},
        {u"15 ", FieldCode::IllegalCharacter, -1},
        {u"\t15", FieldCode::IllegalCharacter, -1},
        {u"1.5", FieldCode::IllegalCharacter, -1},
        {u"abc", FieldCode::IllegalCharacter, -1},
        {u"", FieldCode::Empty, -1},
        {u"   ", FieldCode::Empty, -1},
        {u"-", FieldCode::Empty, -1},
        {u"+-1", FieldCode::IllegalCharacter, -1},
        {u"4294967311", FieldCode::OutOfRange, -1},            // wraps to 15 in 32 bits
        {u"9999999999999999999", FieldCode::OutOfRange, -1},   // 19 digits, above the 64-bit signed range
        {u"00000000000000000015", FieldCode::OutOfRange, -1},  // the 20th digit stops the parse
    };
    for (const IntegerCase& c : cases) {
        SCOPED_TRACE(Utf16ToUtf8(c.text));
        fakes::FakeMessageBox messages;
        std::int32_t value = -1;
        EXPECT_EQ(ParseIntegerField(messages, c.text, value, 1440, Silent), c.code);
        EXPECT_EQ(value, c.value);
        EXPECT_TRUE(messages.shown.empty());
    }
}

struct DecimalCase {
    std::u16string text;
    FieldCode code;
    double value;
};

TEST(ParseDecimalField, AcceptsDecimalsWithinTheBounds) {
    const DecimalCase cases[] = {
        {u"-40", FieldCode::Ok, -40.0},
        {u"85.0", FieldCode::Ok, 85.0},
        {u".5", FieldCode::Ok, 0.5},
        {u"5.", FieldCode::Ok, 5.0},
        {u" +2.25", FieldCode::Ok, 2.25},
        {u"1.0000000000000000000000000000000000000001", FieldCode::Ok, 1.0},
        {u"-40.5", FieldCode::OutOfRange, 99.0},
        {u"-50", FieldCode::OutOfRange, 99.0},
        {u"00000000001", FieldCode::OutOfRange, 99.0},
        {u".", FieldCode::Empty, 99.0},
        {u"-.", FieldCode::Empty, 99.0},
        {u"", FieldCode::Empty, 99.0},
        {u"1.2.3", FieldCode::BadFormat, 99.0},
        {u"1e5", FieldCode::IllegalCharacter, 99.0},
        {u"2,5", FieldCode::IllegalCharacter, 99.0},
    };
    for (const DecimalCase& c : cases) {
        SCOPED_TRACE(Utf16ToUtf8(c.text));
        fakes::FakeMessageBox messages;
        double value = 99.0;
        EXPECT_EQ(ParseDecimalField(messages, c.text, value, -40.0, 85.0, Silent), c.code);
        EXPECT_DOUBLE_EQ(value, c.value);
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST(ParseDecimalField, AThousandFractionDigitsStayFinite) {
    fakes::FakeMessageBox messages;
    double value = 0.0;
    EXPECT_EQ(ParseDecimalField(messages, u"12." + std::u16string(1000, u'9'), value, 0.0, 85.0, Silent),
              FieldCode::Ok);
    EXPECT_NEAR(value, 13.0, 1e-9);
    EXPECT_EQ(ParseDecimalField(messages, u"90." + std::u16string(1000, u'0'), value, 0.0, 85.0, Silent),
              FieldCode::OutOfRange);
}

struct MessageCase {
    std::u16string text;
    const char* message;
};

TEST(ParseIntegerField, WithALabelTellsEachRefusalOnce) {
    const MessageCase cases[] = {
        {u"-5", "启动延时参数错误: 数值必须在0至1440之内!"},
        {u"", "启动延时参数错误: 内容为空"},
        {u"x", "启动延时参数错误: 存在非法字符!"},
    };
    for (const MessageCase& c : cases) {
        fakes::FakeMessageBox messages;
        std::int32_t value = 0;
        ParseIntegerField(messages, c.text, value, 1440, "启动延时参数错误");
        EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
    }
}

TEST(ParseDecimalField, WithALabelTellsEachRefusalOnce) {
    const MessageCase cases[] = {
        {u"-50", "低温警告参数错误: 数值必须在-40.0至85.0之内!"},
        {u"-", "低温警告参数错误: 内容为空"},
        {u"1e5", "低温警告参数错误: 存在非法字符!"},
        {u"1.2.3", "低温警告参数错误: 数值格式错误!"},
    };
    for (const MessageCase& c : cases) {
        fakes::FakeMessageBox messages;
        double value = 0;
        ParseDecimalField(messages, c.text, value, -40.0, 85.0, "低温警告参数错误");
        EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
    }
}

TEST(ControlReaders, ARefusalPutsTheCaretAtTheEndAndTheFocusOnTheEditEvenSilently) {
    testing::FormWindow window;
    std::int32_t interval = 0;
    window.controls.userType(ids::IntervalEdit, u"5x");
    EXPECT_EQ(ReadIntegerControl(window.ui, ids::IntervalEdit, interval, 1440, Silent),
              FieldCode::IllegalCharacter);
    EXPECT_EQ(window.controls.focused(), ids::IntervalEdit);
    EXPECT_TRUE(window.controls.control(ids::IntervalEdit).caretAtEnd);
    EXPECT_TRUE(window.messages.shown.empty());

    double humidity = 0.0;
    window.controls.userType(ids::LowHumidityEdit, u"101");
    EXPECT_EQ(ReadDecimalControl(window.ui, ids::LowHumidityEdit, humidity, 0.0, 100.0, "低湿警告参数错误"),
              FieldCode::OutOfRange);
    EXPECT_EQ(window.controls.focused(), ids::LowHumidityEdit);
    EXPECT_EQ(window.messages.texts(),
              std::vector<std::string>{"低湿警告参数错误: 数值必须在0.0至100.0之内!"});
}

TEST(ControlReaders, AnAcceptedTextLeavesTheFocusAlone) {
    testing::FormWindow window;
    std::int32_t interval = 0;
    EXPECT_EQ(ReadIntegerControl(window.ui, ids::IntervalEdit, interval, 1440, "采样间隔参数错误"),
              FieldCode::Ok);
    EXPECT_EQ(interval, 5);
    EXPECT_EQ(window.controls.focused(), -1);
}

}  // namespace
}  // namespace lc
