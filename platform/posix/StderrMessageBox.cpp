#include "platform/posix/StderrMessageBox.h"

#include <cstdio>

#include "platform/Text.h"

namespace lc::platform {

void StderrMessageBox::show(const std::u16string& text) {
    const std::string utf8 = Utf16ToUtf8(text);
    std::fprintf(stderr, "%s\n", utf8.c_str());
    std::fflush(stderr);
}

}  // namespace lc::platform
