#pragma once

#include <span>
#include <string_view>

#include "platform/Controls.h"
#include "vocabulary/DialogTemplate.h"

namespace lc::resources {

inline constexpr std::u16string_view ToolTitle = u"温湿度记录仪配置工具";

// Template 102, the configuration window.
const DialogTemplate& ConfigDialogTemplate();
// Template 100, the About box.
const DialogTemplate& AboutDialogTemplate();

// The combo lists stored with template 102, in index order; empty for an id that is no combo.
std::span<const std::u16string_view> TemplateComboItems(platform::ControlId id);

}  // namespace lc::resources
