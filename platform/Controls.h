#pragma once

#include <string>

namespace lc::platform {

// A control of the configuration window, addressed by its dialog id.
using ControlId = int;

// The window's controls as the logic sees them. The real window (Qt) and the fake of the tests both
// follow the original platform's notification rules:
//  - setText on an edit raises its change notification synchronously, before setText returns, even
//    when the text does not change;
//  - select and setChecked raise no notification; only the user's own selections and clicks do.
class Controls {
  public:
    virtual ~Controls() = default;

    // Label, edit and button captions; for a combo, text() is the selected item's text.
    virtual void setText(ControlId id, const std::u16string& text) = 0;
    virtual std::u16string text(ControlId id) const = 0;

    virtual void enable(ControlId id, bool enabled) = 0;
    virtual bool isEnabled(ControlId id) const = 0;

    virtual void setChecked(ControlId id, bool checked) = 0;
    virtual bool isChecked(ControlId id) const = 0;

    // Combo lists. selection() is -1 while nothing is selected; select(-1) clears the selection.
    virtual int selection(ControlId id) const = 0;
    virtual void select(ControlId id, int index) = 0;
    virtual void resetItems(ControlId id) = 0;
    virtual void addItem(ControlId id, const std::u16string& text) = 0;
    // First item, from the top, whose text begins with prefix (case-insensitive); -1 when none does.
    virtual int findItemWithPrefix(ControlId id, const std::u16string& prefix) const = 0;

    // A rejected edit: caret after its last character, scrolled into view, and the keyboard focus.
    virtual void moveCaretToEndAndFocus(ControlId id) = 0;
    virtual void setFocus(ControlId id) = 0;

    // Repaint the background under one control, or the whole window at once.
    virtual void invalidate(ControlId id) = 0;
    virtual void redrawWindow() = 0;
};

// Where the controls report what the user did.
class ControlEvents {
  public:
    virtual ~ControlEvents() = default;
    virtual void onClicked(ControlId id) = 0;           // push button or check box
    virtual void onSelectionChanged(ControlId id) = 0;  // combo, by the user only
    virtual void onEditChanged(ControlId id) = 0;       // edit text, by the user or by setText
};

}  // namespace lc::platform
