#include "platform/qt/TemplateDialog.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <utility>

#include "platform/qt/ControlWidgets.h"

namespace lc::platform {
namespace {

constexpr Qt::WindowFlags FixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                             Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                             Qt::WindowCloseButtonHint;

bool IsEnter(const QKeyEvent& event) {
    const bool enterKey = event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
    return enterKey && (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

TemplateDialog::TemplateDialog(const resources::DialogTemplate& dialog, const DialogArt& art, QWidget* parent)
    : QDialog(parent, FixedDialogFlags), template_(dialog), background_(art.background) {
    setWindowTitle(QString::fromUtf16(dialog.caption.data(), static_cast<qsizetype>(dialog.caption.size())));
    setFont(art.font);
    setFixedSize(dialog.width * PixelsPerDialogUnit, dialog.height * PixelsPerDialogUnit);

    for (const resources::DialogControl& control : dialog.controls) {
        QWidget* widget = MakeControlWidget(dialog, control, art, this);
        if (control.id == DialogOkId) {
            connect(static_cast<QPushButton*>(widget), &QPushButton::clicked, this, &QDialog::accept);
        }
        if (!widgets_.empty()) {
            setTabOrder(widgets_.back(), widget);
        }
        widgets_.push_back(widget);
    }
    // The first control of the template lies on top, so a check box takes the clicks on its caption.
    for (auto widget = widgets_.rbegin(); widget != widgets_.rend(); ++widget) {
        (*widget)->raise();
    }
}

QWidget* TemplateDialog::control(ControlId id) const {
    for (std::size_t i = 0; i < widgets_.size(); ++i) {
        if (template_.controls[i].id == id) {
            return widgets_[i];
        }
    }
    return nullptr;
}

void TemplateDialog::addWindowMenuItem(const QString& text, std::function<void()> action) {
    menuItems_.push_back({text, std::move(action)});
}

void TemplateDialog::paintEvent(QPaintEvent* /*event*/) {
    if (background_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), background_);
}

void TemplateDialog::keyPressEvent(QKeyEvent* event) {
    if (!IsEnter(*event)) {
        QDialog::keyPressEvent(event);
        return;
    }
    if (auto* button = qobject_cast<QPushButton*>(focusWidget())) {
        button->click();
    } else {
        accept();
    }
}

void TemplateDialog::contextMenuEvent(QContextMenuEvent* event) {
    if (menuItems_.empty()) {
        QDialog::contextMenuEvent(event);
        return;
    }
    QMenu menu(this);
    for (const MenuItem& item : menuItems_) {
        menu.addAction(item.text);
    }
    const QAction* chosen = menu.exec(event->globalPos());
    // Run the item after the menu has closed, so that a dialog it opens is not nested in the menu.
    const auto actions = menu.actions();
    for (qsizetype i = 0; i < actions.size(); ++i) {
        if (actions[i] == chosen) {
            menuItems_[static_cast<std::size_t>(i)].action();
        }
    }
}

}  // namespace lc::platform
