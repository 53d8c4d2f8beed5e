#include "form/TextControlReader.h"

#include <algorithm>
#include <string>

#include "form/TextCheck.h"
#include "platform/CodePage936.h"

namespace lc {

bool ReadTextControl(platform::Ui& ui, platform::ControlId id, std::span<std::uint8_t> field,
                     bool checkCharacters, bool allowEmpty, FieldLabel label) {
    const std::string bytes = platform::ToCodePage936(ui.controls.text(id));
    const auto width = static_cast<std::uint8_t>(field.size());
    if (CheckTextField(ui.messages, bytes, width, checkCharacters, allowEmpty, label) != TextCode::Ok) {
        ui.controls.moveCaretToEndAndFocus(id);
        return false;
    }
    const std::string_view text(bytes.c_str());  // up to the terminator, as checked
    std::fill(field.begin(), field.end(), std::uint8_t{0});
    std::copy(text.begin(), text.end(), field.begin());
    return true;
}

}  // namespace lc
