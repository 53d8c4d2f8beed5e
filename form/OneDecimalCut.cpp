#include "form/OneDecimalCut.h"

#include <string>

namespace lc {

namespace {

// Where the text must end, or npos when it may stay as it is.
std::size_t CutPosition(const std::u16string& text) {
    int afterPoint = 0;  // 0 until a point is met, then 1 + the characters after it
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'.' && afterPoint == 0) {
            afterPoint = 1;
        } else if (text[i] == u'.') {
            return i;
        } else if (afterPoint != 0 && ++afterPoint == 3) {
            return i;
        }
    }
    return std::u16string::npos;
}

}  // namespace

bool CutToOneDecimal(platform::Controls& controls, platform::ControlId id) {
    const std::u16string text = controls.text(id);
    const std::size_t cut = CutPosition(text);
    if (cut == std::u16string::npos) {
        return true;
    }
    controls.setText(id, text.substr(0, cut));
    controls.moveCaretToEndAndFocus(id);
    return false;
}

}  // namespace lc
