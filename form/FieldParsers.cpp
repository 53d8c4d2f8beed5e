#include "form/FieldParsers.h"

#include "platform/Text.h"

namespace lc {

namespace {

constexpr const char* EmptyFormat = "%s: 内容为空";

// More digits than this cannot be a bounded 32-bit value; 19 of them still fit 64 bits unsigned.
constexpr int MaxIntegerDigits = 19;
constexpr int MaxDecimalIntegerDigits = 10;
// Fraction digits beyond these cannot change a double; they are accepted but not accumulated, so the
// fraction and its divisor stay finite however long the text is.
constexpr int MaxFractionDigits = 18;

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// Where the number starts after leading blanks (a tab is no blank) and one sign.
struct NumberStart {
    std::size_t position = 0;
    bool negative = false;
};

NumberStart SkipBlanksAndSign(std::u16string_view text) {
    NumberStart start;
    while (start.position < text.size() && text[start.position] == u' ') {
        ++start.position;
    }
    if (start.position < text.size() && (text[start.position] == u'-' || text[start.position] == u'+')) {
        start.negative = text[start.position] == u'-';
        ++start.position;
    }
    return start;
}

FieldCode ParseMagnitude(std::u16string_view text, std::size_t position, std::uint64_t& magnitude) {
    int digits = 0;
    for (; position < text.size() && IsDigit(text[position]); ++position) {
        if (digits == MaxIntegerDigits) {
            return FieldCode::OutOfRange;
        }
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(text[position] - u'0');
        ++digits;
    }
    if (position < text.size()) {
        return FieldCode::IllegalCharacter;
    }
    return digits == 0 ? FieldCode::Empty : FieldCode::Ok;
}

struct DecimalParts {
    double integerPart = 0.0;
    std::uint64_t fraction = 0;
    double divisor = 1.0;
};

FieldCode ParseDecimalParts(std::u16string_view text, std::size_t position, DecimalParts& parts) {
    int integerDigits = 0;
    int fractionDigits = 0;
    bool pointSeen = false;
    for (; position < text.size(); ++position) {
        const char16_t c = text[position];
        if (IsDigit(c) && !pointSeen) {
            if (integerDigits == MaxDecimalIntegerDigits) {
                return FieldCode::OutOfRange;
            }
            parts.integerPart = parts.integerPart * 10.0 + (c - u'0');
            ++integerDigits;
        } else if (IsDigit(c)) {
            if (fractionDigits < MaxFractionDigits) {
                parts.fraction = parts.fraction * 10 + static_cast<std::uint64_t>(c - u'0');
                parts.divisor *= 10.0;
                ++fractionDigits;
            }
        } else if (c == u'.' && !pointSeen) {
            pointSeen = true;
        } else if (c == u'.') {
            return FieldCode::BadFormat;
        } else {
            return FieldCode::IllegalCharacter;
        }
    }
    return integerDigits == 0 && fractionDigits == 0 ? FieldCode::Empty : FieldCode::Ok;
}

}  // namespace

FieldCode ParseIntegerField(platform::MessageBox& messages, std::u16string_view text, std::int32_t& value,
                            std::int32_t max, FieldLabel label) {
    const NumberStart start = SkipBlanksAndSign(text);
    std::uint64_t magnitude = 0;
    FieldCode code = ParseMagnitude(text, start.position, magnitude);
    const bool belowZero = start.negative && magnitude != 0;
    if (code == FieldCode::Ok && (belowZero || magnitude > static_cast<std::uint64_t>(max))) {
        code = FieldCode::OutOfRange;
    }
    if (code == FieldCode::Ok) {
        value = static_cast<std::int32_t>(magnitude);
    } else if (label != Silent) {
        switch (code) {
            case FieldCode::OutOfRange:
                messages.show(platform::FormatText("%s: 数值必须在%d至%d之内!", label, 0, max));
                break;
            case FieldCode::Empty:
                messages.show(platform::FormatText(EmptyFormat, label));
                break;
            default:
                messages.show(platform::FormatText(IllegalCharacterFormat, label));
                break;
        }
    }
    return code;
}

FieldCode ParseDecimalField(platform::MessageBox& messages, std::u16string_view text, double& value,
                            double min, double max, FieldLabel label) {
    const NumberStart start = SkipBlanksAndSign(text);
    DecimalParts parts;
    FieldCode code = ParseDecimalParts(text, start.position, parts);
    const double magnitude = static_cast<double>(parts.fraction) / parts.divisor + parts.integerPart;
    const double signedValue = start.negative ? -magnitude : magnitude;
    if (code == FieldCode::Ok && (signedValue < min || signedValue > max)) {
        code = FieldCode::OutOfRange;
    }
    if (code == FieldCode::Ok) {
        value = signedValue;
    } else if (label != Silent) {
        switch (code) {
            case FieldCode::OutOfRange:
                messages.show(platform::FormatText("%s: 数值必须在%0.1f至%0.1f之内!", label, min, max));
                break;
            case FieldCode::Empty:
                messages.show(platform::FormatText(EmptyFormat, label));
                break;
            case FieldCode::BadFormat:
                messages.show(platform::FormatText("%s: 数值格式错误!", label));
                break;
            default:
                messages.show(platform::FormatText(IllegalCharacterFormat, label));
                break;
        }
    }
    return code;
}

}  // namespace lc
