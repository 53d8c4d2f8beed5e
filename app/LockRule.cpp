#include "app/LockRule.h"

#include "vocabulary/ControlIds.h"

namespace lc {

void ApplyLockRule(platform::Controls& controls) {
    const bool editable = !controls.isChecked(ids::LockBox);
    // Left alone: the device ID (never editable), auto start, the lock box itself, the write button and
    // the window language.
    for (platform::ControlId id :
         {ids::ZoneCombo, ids::DateFormatCombo, ids::StartDelayEdit, ids::IntervalEdit, ids::ChannelCombo,
          ids::UnitCombo, ids::HighTempEdit, ids::LowTempEdit, ids::HighHumidityEdit, ids::LowHumidityEdit,
          ids::ReportLanguageCombo, ids::BatteryCombo, ids::PushDeleteBox, ids::BrandEdit,
          ids::DeviceNameEdit, ids::CustomTextEdit, ids::WebAddressEdit, ids::IgnoreLastEdit,
          ids::AlertBox}) {
        controls.enable(id, editable);
    }

    const bool alerts = controls.isChecked(ids::AlertBox);
    const int channel = controls.selection(ids::ChannelCombo);
    const bool temperature = alerts && editable && (channel == 0 || channel == 2);
    const bool humidity = alerts && editable && (channel == 1 || channel == 2);
    controls.enable(ids::HighTempEdit, temperature);
    controls.enable(ids::LowTempEdit, temperature);
    controls.enable(ids::HighHumidityEdit, humidity);
    controls.enable(ids::LowHumidityEdit, humidity);
}

}  // namespace lc
