#include "app/WriteButton.h"

#include <string>

#include "app/resources/WindowTexts.h"
#include "vocabulary/ControlIds.h"

namespace lc {
namespace {

void SetCaption(platform::Controls& controls, const resources::Bilingual& caption) {
    controls.setText(ids::WriteButton, std::u16string(caption.in(CurrentLanguage(controls))));
    controls.invalidate(ids::WriteButton);
}

}  // namespace

void ShowWriteReady(platform::Controls& controls, std::int32_t& writeReady) {
    controls.enable(ids::WriteButton, true);
    writeReady = 1;
    SetCaption(controls, resources::ReadyCaption);
}

void ShowConfiguring(platform::Controls& controls) {
    SetCaption(controls, resources::ConfiguringCaption);
    controls.enable(ids::WriteButton, false);
}

void ShowNoLogger(platform::Controls& controls, std::int32_t& writeReady) {
    writeReady = 0;
    SetCaption(controls, resources::ConnectCaption);
    controls.enable(ids::WriteButton, false);
}

}  // namespace lc
