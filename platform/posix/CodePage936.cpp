#include "platform/CodePage936.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#include <vector>

namespace lc::platform {
namespace {

// One iconv conversion descriptor for the duration of a call.
class Converter {
  public:
    Converter(const char* to, const char* from) : descriptor_(iconv_open(to, from)) {
        if (descriptor_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error("the C library has no code page 936 converter");
        }
    }
    ~Converter() { iconv_close(descriptor_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as it can; returns false at an input sequence it cannot convert, with in and
    // inLeft pointing at it.
    bool convert(char*& in, std::size_t& inLeft, std::string& out) {
        std::vector<char> chunk(64);
        while (inLeft > 0) {
            char* cursor = chunk.data();
            std::size_t room = chunk.size();
            const std::size_t result = iconv(descriptor_, &in, &inLeft, &cursor, &room);
            out.append(chunk.data(), chunk.size() - room);
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                return false;
            }
        }
        return true;
    }

  private:
    iconv_t descriptor_;
};

}  // namespace

std::string ToCodePage936(std::u16string_view text) {
    Converter converter("CP936", "UTF-16LE");
    std::string out;
    for (char16_t unit : text) {
        char bytes[2] = {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        char* in = bytes;
        std::size_t inLeft = sizeof bytes;
        if (!converter.convert(in, inLeft, out)) {
            out.push_back('?');
        }
    }
    return out;
}

std::u16string FromCodePage936(std::string_view bytes) {
    Converter converter("UTF-16LE", "CP936");
    std::string wide;
    std::string input(bytes);
    char* in = input.data();
    std::size_t inLeft = input.size();
    while (!converter.convert(in, inLeft, wide)) {
        wide.append("\xFD\xFF", 2);
        ++in;
        --inLeft;
    }
    std::u16string out;
    for (std::size_t i = 0; i + 1 < wide.size(); i += 2) {
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(wide[i]) |
                                            (static_cast<unsigned char>(wide[i + 1]) << 8)));
    }
    return out;
}

}  // namespace lc::platform
