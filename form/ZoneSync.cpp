#include "form/ZoneSync.h"

#include "form/ZoneItem.h"
#include "form/ZoneText.h"
#include "vocabulary/ControlIds.h"

namespace lc {

void SyncZoneSelection(platform::Ui& ui, ClockDisplayMemory& memory) {
    ParseZoneText(ui.messages, ui.controls.text(ids::ZoneCombo), memory.zoneOffset);
    SelectZoneItem(ui.controls, static_cast<std::int16_t>(memory.zoneOffset));
}

}  // namespace lc
