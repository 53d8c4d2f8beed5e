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

struct DialogTemplate {
    int width;
    int height;
    std::u16string_view caption;
    std::span<const DialogControl> controls;  // in template order, which is also the tab order
};

inline constexpr std::u16string_view ToolTitle = u"温湿度记录仪配置工具";

// Template 102, the configuration window.
const DialogTemplate& ConfigDialogTemplate();
// Template 100, the About box.
const DialogTemplate& AboutDialogTemplate();

// The combo lists stored with template 102, in index order; empty for an id that is no combo.
std::span<const std::u16string_view> TemplateComboItems(platform::ControlId id);

}  // namespace lc::resources
