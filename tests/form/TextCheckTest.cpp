#include <gtest/gtest.h>

#include <set>
#include <string>

#include "form/TextCheck.h"
#include "platform/CodePage936.h"
#include "tests/fakes/FakeMessageBox.h"

namespace lc {
namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

struct TextCase {
    const char* what;
    std::string text;
    bool checkCharacters;
    bool allowEmpty;
    TextCode code;
};

TEST(CheckTextField, CountsBytesAndChecksCharactersUpToTheFirstOffence) {
    const std::string chinese = platform::ToCodePage936(u"中");
    const std::string ideographicSpace = platform::ToCodePage936(u"\u3000");
    const TextCase cases[] = {
        {"20 ASCII bytes", std::string(20, 'a'), false, false, TextCode::Ok},
        {"21 ASCII bytes", std::string(21, 'a'), false, false, TextCode::TooLong},
        {"ten double-byte characters", Repeat(chinese, 10), false, false, TextCode::Ok},
        {"eleven double-byte characters", Repeat(chinese, 11), false, false, TextCode::TooLong},
        {"empty, not allowed", "", false, false, TextCode::Empty},
        {"empty, allowed", "", false, true, TextCode::Ok},
        {"terminator first", std::string("\0abc", 4), false, false, TextCode::Empty},
        {"bytes after the terminator", std::string(5, 'a') + '\0' + std::string(30, 'b'), false, false,
         TextCode::Ok},
        {"printable ASCII", "a-Z_0.9~{}[]()<>@#$%", true, false, TextCode::Ok},
        {"tab and line breaks", "a\tb\r\nc", true, false, TextCode::Ok},
        {"a byte 0xC4", "ab\xC4", true, false, TextCode::IllegalCharacter},
        {"a control byte", "ab\x01", true, false, TextCode::IllegalCharacter},
        {"a Chinese character", "id" + chinese, true, false, TextCode::IllegalCharacter},
        {"the ideographic space A1 A1", "id" + ideographicSpace, true, false, TextCode::Ok},
        {"a Chinese character unchecked", "id" + chinese, false, false, TextCode::Ok},
        {"illegal inside the limit, too long too", "\xC4" + std::string(30, 'a'), true, false,
         TextCode::IllegalCharacter},
        {"too long before the illegal byte", std::string(20, 'a') + "\xC4", true, false, TextCode::TooLong},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.what);
        fakes::FakeMessageBox messages;
        EXPECT_EQ(CheckTextField(messages, c.text, 20, c.checkCharacters, c.allowEmpty, Silent), c.code);
        EXPECT_TRUE(messages.shown.empty());
    }
}

TEST(CheckTextField, WithALabelTellsEachRefusalOnce) {
    struct MessageCase {
        std::string text;
        const char* message;
    };
    const MessageCase cases[] = {
        {"", "设备ID错误: 不能为空!"},
        {std::string(21, 'a'), "设备ID错误: 字符串太长!"},
        {"\xC4\xE3", "设备ID错误: 存在非法字符!"},
    };
    for (const MessageCase& c : cases) {
        fakes::FakeMessageBox messages;
        CheckTextField(messages, c.text, 20, true, false, "设备ID错误");
        EXPECT_EQ(messages.texts(), std::vector<std::string>{c.message});
    }
}

TEST(AllowedTextBytes, IsPrintableAsciiWithTabLineBreaksAndFiveHighBytes) {
    std::set<int> expected{0x09, 0x0A, 0x0D, 0xA1, 0xA8, 0xAE, 0xB0, 0xBA};
    for (int byte = 0x20; byte <= 0x7E; ++byte) {
        expected.insert(byte);
    }
    const std::set<int> actual(AllowedTextBytes.begin(), AllowedTextBytes.end());
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(actual.size(), AllowedTextBytes.size());
}

}  // namespace
}  // namespace lc
