#include "platform/Text.h"

#include <locale.h>
#include <cstdarg>
#include <cstdio>
#include <vector>

namespace lc::platform {
namespace {

// The system's texts write their numbers with a point in every system language: the window shows
// them and reads them back, and the logger's own figures are never a matter of taste.
locale_t PointDecimalLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// The calling thread formats in the point-decimal locale for as long as this lives.
class PointDecimalFormatting {
  public:
    PointDecimalFormatting() : previous_(uselocale(PointDecimalLocale())) {}
    ~PointDecimalFormatting() { uselocale(previous_); }
    PointDecimalFormatting(const PointDecimalFormatting&) = delete;
    PointDecimalFormatting& operator=(const PointDecimalFormatting&) = delete;

  private:
    locale_t previous_;
};

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        char32_t code = 0xFFFD;
        std::size_t length = 1;
        if (lead < 0x80) {
            code = lead;
        } else if ((lead >> 5) == 0x6) {
            length = 2;
            code = lead & 0x1F;
        } else if ((lead >> 4) == 0xE) {
            length = 3;
            code = lead & 0x0F;
        } else if ((lead >> 3) == 0x1E) {
            length = 4;
            code = lead & 0x07;
        }
        if (length > 1) {
            if (i + length > utf8.size()) {
                code = 0xFFFD;
                length = utf8.size() - i;
            } else {
                for (std::size_t k = 1; k < length; ++k) {
                    code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
                }
            }
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(code));
        }
        i += length;
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size() * 3);
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t code = utf16[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
            utf16[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        }
        if (code < 0x80) {
            out.push_back(static_cast<char>(code));
        } else if (code < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (code >> 6)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (code >> 12)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (code >> 18)));
            out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
        }
    }
    return out;
}

std::u16string FormatText(const char* utf8Format, ...) {
    const PointDecimalFormatting pointDecimal;
    va_list arguments;
    va_start(arguments, utf8Format);
    va_list measuring;
    va_copy(measuring, arguments);
    const int length = std::vsnprintf(nullptr, 0, utf8Format, measuring);
    va_end(measuring);
    std::vector<char> buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), utf8Format, arguments);
    va_end(arguments);
    return Utf8ToUtf16(std::string_view(buffer.data(), buffer.size() - 1));
}

}  // namespace lc::platform
