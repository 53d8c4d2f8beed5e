#pragma once

#include "platform/Controls.h"
#include "platform/qt/TemplateDialog.h"

namespace lc::platform {

// The controls of a template dialog by id, with the desktop's notification rules: setText on an edit
// notifies synchronously, also for an unchanged text; select and setChecked never notify; the user's
// choice in a combo, click on a button and typing in an edit do. An id the dialog has no control of
// the asked kind for is ignored (reads give an empty text, false or -1).
class QtControls : public Controls {
  public:
    explicit QtControls(TemplateDialog& dialog);

    // Where the notifications go; nullptr stops them.
    void setEvents(ControlEvents* events) { events_ = events; }

    void setText(ControlId id, const std::u16string& text) override;
    std::u16string text(ControlId id) const override;
    void enable(ControlId id, bool enabled) override;
    bool isEnabled(ControlId id) const override;
    void setChecked(ControlId id, bool checked) override;
    bool isChecked(ControlId id) const override;
    int selection(ControlId id) const override;
    void select(ControlId id, int index) override;
    void resetItems(ControlId id) override;
    void addItem(ControlId id, const std::u16string& text) override;
    int findItemWithPrefix(ControlId id, const std::u16string& prefix) const override;
    void moveCaretToEndAndFocus(ControlId id) override;
    void setFocus(ControlId id) override;
    void invalidate(ControlId id) override;
    void redrawWindow() override;

  private:
    template <class Widget>
    Widget* find(ControlId id) const;
    void connectNotifications(ControlId id, QWidget& widget);

    TemplateDialog& dialog_;
    ControlEvents* events_ = nullptr;
};

}  // namespace lc::platform
