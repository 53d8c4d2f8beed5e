#pragma once

#include "form/AlertThresholds.h"
#include "form/ChangeFlags.h"
#include "form/ThresholdEdits.h"
#include "platform/Ui.h"
#include "protocol/DeviceInfo.h"
#include "tests/fakes/FakeControls.h"
#include "tests/fakes/FakeMessageBox.h"
#include "vocabulary/ControlIds.h"

namespace lc::testing {

// The configuration window as a freshly opened one shows it, with the threshold edits' change
// notifications wired to their handler as the window wires them.
class FormWindow : public platform::ControlEvents {
  public:
    FormWindow() {
        controls.select(ids::ZoneCombo, 8);
        controls.select(ids::DateFormatCombo, 2);
        controls.select(ids::ChannelCombo, 0);
        controls.select(ids::UnitCombo, 0);
        controls.select(ids::ReportLanguageCombo, 1);
        controls.select(ids::BatteryCombo, 2);
        controls.select(ids::WindowLanguageCombo, 0);
        controls.setText(ids::StartDelayEdit, u"60");
        controls.setText(ids::IntervalEdit, u"5");
        controls.setText(ids::LowTempEdit, u"2.0");
        controls.setText(ids::HighTempEdit, u"8.0");
        controls.setText(ids::LowHumidityEdit, u"20.0");
        controls.setText(ids::HighHumidityEdit, u"80.0");
        controls.setText(ids::IgnoreLastEdit, u"0");
        controls.setEvents(this);
    }
    ~FormWindow() override { controls.setEvents(nullptr); }

    void onClicked(platform::ControlId) override {}
    void onSelectionChanged(platform::ControlId) override {}
    void onEditChanged(platform::ControlId id) override {
        OnThresholdEditChanged(controls, id, thresholds, changeFlags);
    }

    fakes::FakeControls controls;
    fakes::FakeMessageBox messages;
    platform::Ui ui{controls, messages};
    DeviceInfo info;
    AlertThresholds thresholds;
    ChangeFlags changeFlags;
};

}  // namespace lc::testing
