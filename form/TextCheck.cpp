#include "form/TextCheck.h"

#include <algorithm>

#include "platform/Text.h"

namespace lc {

namespace {

bool IsAllowedByte(char byte) {
    return std::find(AllowedTextBytes.begin(), AllowedTextBytes.end(), static_cast<std::uint8_t>(byte)) !=
           AllowedTextBytes.end();
}

TextCode WalkText(std::string_view text, std::uint8_t maxLength, bool checkCharacters, bool allowEmpty) {
    if (text.empty() || text.front() == '\0') {
        return allowEmpty ? TextCode::Ok : TextCode::Empty;
    }
    for (std::size_t i = 0; i < text.size() && text[i] != '\0'; ++i) {
        if (i >= maxLength) {
            return TextCode::TooLong;
        }
        if (checkCharacters && !IsAllowedByte(text[i])) {
            return TextCode::IllegalCharacter;
        }
    }
    return TextCode::Ok;
}

const char* MessageFormat(TextCode code) {
    switch (code) {
        case TextCode::Empty:
            return "%s: 不能为空!";
        case TextCode::TooLong:
            return "%s: 字符串太长!";
        default:
            return IllegalCharacterFormat;
    }
}

}  // namespace

TextCode CheckTextField(platform::MessageBox& messages, std::string_view text, std::uint8_t maxLength,
                        bool checkCharacters, bool allowEmpty, FieldLabel label) {
    const TextCode code = WalkText(text, maxLength, checkCharacters, allowEmpty);
    if (code != TextCode::Ok && label != Silent) {
        messages.show(platform::FormatText(MessageFormat(code), label));
    }
    return code;
}

}  // namespace lc
