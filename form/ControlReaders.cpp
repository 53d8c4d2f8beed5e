#include "form/ControlReaders.h"

namespace lc {

namespace {

FieldCode PointAtRefusal(platform::Controls& controls, platform::ControlId id, FieldCode code) {
    if (code != FieldCode::Ok) {
        controls.moveCaretToEndAndFocus(id);
    }
    return code;
}

}  // namespace

FieldCode ReadIntegerControl(platform::Ui& ui, platform::ControlId id, std::int32_t& value, std::int32_t max,
                             FieldLabel label) {
    const FieldCode code = ParseIntegerField(ui.messages, ui.controls.text(id), value, max, label);
    return PointAtRefusal(ui.controls, id, code);
}

FieldCode ReadDecimalControl(platform::Ui& ui, platform::ControlId id, double& value, double min, double max,
                             FieldLabel label) {
    const FieldCode code = ParseDecimalField(ui.messages, ui.controls.text(id), value, min, max, label);
    return PointAtRefusal(ui.controls, id, code);
}

}  // namespace lc
