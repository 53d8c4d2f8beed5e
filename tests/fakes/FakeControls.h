#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "vocabulary/DialogTemplate.h"

namespace lc::fakes {

// The window's controls without a window, built from a dialog template. Follows the platform's
// notification rules: setText on an edit notifies synchronously; select and setChecked never notify;
// the user* operations act as the technician does and notify as the real controls do.
class FakeControls : public platform::Controls {
  public:
    struct Control {
        resources::ControlKind kind = resources::ControlKind::Label;
        std::u16string text;
        bool enabled = true;
        bool visible = true;
        bool checked = false;
        std::vector<std::u16string> items;
        int selection = -1;
        int invalidations = 0;
        bool caretAtEnd = false;
    };

    // The configuration window's template with its combo lists.
    FakeControls();
    explicit FakeControls(const resources::DialogTemplate& dialog);

    void setEvents(platform::ControlEvents* events) { events_ = events; }

    void setText(platform::ControlId id, const std::u16string& text) override;
    std::u16string text(platform::ControlId id) const override;
    void enable(platform::ControlId id, bool enabled) override;
    bool isEnabled(platform::ControlId id) const override;
    void setChecked(platform::ControlId id, bool checked) override;
    bool isChecked(platform::ControlId id) const override;
    int selection(platform::ControlId id) const override;
    void select(platform::ControlId id, int index) override;
    void resetItems(platform::ControlId id) override;
    void addItem(platform::ControlId id, const std::u16string& text) override;
    int findItemWithPrefix(platform::ControlId id, const std::u16string& prefix) const override;
    void moveCaretToEndAndFocus(platform::ControlId id) override;
    void setFocus(platform::ControlId id) override;
    void invalidate(platform::ControlId id) override;
    void redrawWindow() override { ++redraws_; }

    // The technician's own actions. A disabled control takes none of them; they return false then.
    bool userType(platform::ControlId id, const std::u16string& text);
    bool userSelect(platform::ControlId id, int index);
    bool userClick(platform::ControlId id);

    const Control& control(platform::ControlId id) const;
    Control& control(platform::ControlId id);
    bool has(platform::ControlId id) const { return controls_.count(id) != 0; }
    std::vector<std::u16string> items(platform::ControlId id) const { return control(id).items; }
    platform::ControlId focused() const { return focused_; }
    int redraws() const { return redraws_; }

  private:
    std::map<platform::ControlId, Control> controls_;
    platform::ControlEvents* events_ = nullptr;
    platform::ControlId focused_ = -1;
    int redraws_ = 0;
};

}  // namespace lc::fakes
