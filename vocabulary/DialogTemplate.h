#pragma once

#include <span>
#include <string_view>

#include "platform/Controls.h"

namespace lc::resources {

enum class ControlKind {
    Label,
    CheckBox,      // no caption of its own: the label just right of it is its caption
    Combo,         // drop-down list, no typing, vertical scroll bar
    NumericEdit,   // bordered, centred text
    TextEdit,      // bordered, left-aligned
    ReadOnlyEdit,  // no border, disabled in the template
    GroupBox,
    PushButton,  // disabled in the template
    Icon
};

// Position and size in dialog units.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct DialogControl {
    platform::ControlId id;
    ControlKind kind;
    DialogRect rect;
    std::u16string_view text;  // the template text; empty where the template has none
    bool hidden;               // neither visible nor enabled, and never shown
};

// The combo lists stored with a template, in index order; empty for an id that is no combo.
using ComboItems = std::span<const std::u16string_view> (*)(platform::ControlId id);

struct DialogTemplate {
    int width;
    int height;
    std::u16string_view caption;
    std::span<const DialogControl> controls;  // in template order, which is also the tab order
    ComboItems comboItems;
};

}  // namespace lc::resources
