#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

#include "platform/qt/DialogArt.h"
#include "vocabulary/DialogTemplate.h"

namespace lc::platform {

// A fixed-size dialog built from a template: every control at its place, in template order, which is
// the tab order and (first on top) the stacking order; the background picture under them.
// Enter ends the dialog like OK and Esc like Cancel, wherever the focus is, unless a push button has
// the focus, which Enter then presses.
class TemplateDialog : public QDialog {
  public:
    TemplateDialog(const resources::DialogTemplate& dialog, const DialogArt& art, QWidget* parent = nullptr);

    // The first control with this id; nullptr when the template has none.
    QWidget* control(ControlId id) const;
    // Every control, with or without an id, in template order.
    const std::vector<QWidget*>& controls() const { return widgets_; }
    const resources::DialogTemplate& dialogTemplate() const { return template_; }

    // An item of the window's own menu, opened on a right click anywhere outside an edit.
    void addWindowMenuItem(const QString& text, std::function<void()> action);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    struct MenuItem {
        QString text;
        std::function<void()> action;
    };

    const resources::DialogTemplate& template_;
    QPixmap background_;
    std::vector<QWidget*> widgets_;
    std::vector<MenuItem> menuItems_;
};

}  // namespace lc::platform
