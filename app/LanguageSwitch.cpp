#include "app/LanguageSwitch.h"

#include <string>
#include <variant>

#include "vocabulary/ControlIds.h"

namespace lc {
namespace {

using resources::Bilingual;

void SetCaption(platform::Controls& controls, platform::ControlId id, const Bilingual& text,
                UiLanguage language) {
    controls.setText(id, std::u16string(text.in(language)));
}

// A programmatic selection raises no notification, so the kept index sets no change flag.
void RewriteList(platform::Controls& controls, const resources::ComboListText& list, UiLanguage language) {
    const int kept = controls.selection(list.id);
    controls.resetItems(list.id);
    for (const Bilingual& item : list.items) {
        controls.addItem(list.id, std::u16string(item.in(language)));
    }
    controls.select(list.id, kept);
}

}  // namespace

void ApplyWindowLanguage(platform::Controls& controls, UiLanguage& uiLanguage, std::int32_t writeReady) {
    const int selection = controls.selection(ids::WindowLanguageCombo);
    if (selection != 0 && selection != 1) {
        return;
    }
    const UiLanguage language = static_cast<UiLanguage>(selection);
    uiLanguage = language;

    for (const resources::WindowTextStep& step : resources::WindowTextSteps()) {
        if (const auto* caption = std::get_if<resources::CaptionText>(&step)) {
            SetCaption(controls, caption->id, caption->text, language);
        } else if (const auto* list = std::get_if<resources::ComboListText>(&step)) {
            RewriteList(controls, *list, language);
        } else if (language == UiLanguage::English) {
            controls.select(ids::ReportLanguageCombo, 0);
        }
    }

    // The enabled state stays: a finished write keeps its button disabled under the ready caption.
    if (writeReady == 0) {
        SetCaption(controls, ids::WriteButton, resources::PlugInCaption, language);
    } else if (writeReady == 1) {
        SetCaption(controls, ids::WriteButton, resources::ReadyCaption, language);
    }
    controls.redrawWindow();
}

}  // namespace lc
