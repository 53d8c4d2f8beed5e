#include "platform/qt/QtControls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace lc::platform {
namespace {

QString ToQString(const std::u16string& text) {
    return QString::fromStdU16String(text);
}

}  // namespace

QtControls::QtControls(TemplateDialog& dialog) : dialog_(dialog) {
    const auto& widgets = dialog.controls();
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        const ControlId id = dialog.dialogTemplate().controls[i].id;
        if (id >= 0) {
            connectNotifications(id, *widgets[i]);
        }
    }
}

void QtControls::connectNotifications(ControlId id, QWidget& widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
        QObject::connect(edit, &QLineEdit::textChanged, &dialog_, [this, id] {
            if (events_ != nullptr) {
                events_->onEditChanged(id);
            }
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
        QObject::connect(combo, &QComboBox::activated, &dialog_, [this, id] {
            if (events_ != nullptr) {
                events_->onSelectionChanged(id);
            }
        });
    } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        QObject::connect(button, &QAbstractButton::clicked, &dialog_, [this, id] {
            if (events_ != nullptr) {
                events_->onClicked(id);
            }
        });
    }
}

template <class Widget>
Widget* QtControls::find(ControlId id) const {
    return qobject_cast<Widget*>(dialog_.control(id));
}

void QtControls::setText(ControlId id, const std::u16string& text) {
    const QString value = ToQString(text);
    if (auto* edit = find<QLineEdit>(id)) {
        if (edit->text() != value) {
            edit->setText(value);  // notifies through textChanged before it returns
        } else if (events_ != nullptr) {
            events_->onEditChanged(id);  // Qt stays silent for an unchanged text; the desktop does not
        }
    } else if (auto* label = find<QLabel>(id)) {
        label->setText(value);
    } else if (auto* button = find<QAbstractButton>(id)) {
        button->setText(value);
    } else if (auto* group = find<QGroupBox>(id)) {
        group->setTitle(value);
    }
}

std::u16string QtControls::text(ControlId id) const {
    if (const auto* edit = find<QLineEdit>(id)) {
        return edit->text().toStdU16String();
    }
    if (const auto* combo = find<QComboBox>(id)) {
        return combo->currentText().toStdU16String();
    }
    if (const auto* label = find<QLabel>(id)) {
        return label->text().toStdU16String();
    }
    if (const auto* button = find<QAbstractButton>(id)) {
        return button->text().toStdU16String();
    }
    if (const auto* group = find<QGroupBox>(id)) {
        return group->title().toStdU16String();
    }
    return {};
}

void QtControls::enable(ControlId id, bool enabled) {
    if (QWidget* widget = dialog_.control(id)) {
        widget->setEnabled(enabled);
    }
}

bool QtControls::isEnabled(ControlId id) const {
    const QWidget* widget = dialog_.control(id);
    return widget != nullptr && widget->isEnabled();
}

void QtControls::setChecked(ControlId id, bool checked) {
    if (auto* button = find<QAbstractButton>(id); button != nullptr && button->isCheckable()) {
        button->setChecked(checked);
    }
}

bool QtControls::isChecked(ControlId id) const {
    const auto* button = find<QAbstractButton>(id);
    return button != nullptr && button->isChecked();
}

int QtControls::selection(ControlId id) const {
    const auto* combo = find<QComboBox>(id);
    return combo != nullptr ? combo->currentIndex() : -1;
}

void QtControls::select(ControlId id, int index) {
    if (auto* combo = find<QComboBox>(id)) {
        combo->setCurrentIndex(index < combo->count() ? index : -1);
    }
}

void QtControls::resetItems(ControlId id) {
    if (auto* combo = find<QComboBox>(id)) {
        combo->clear();
    }
}

void QtControls::addItem(ControlId id, const std::u16string& text) {
    if (auto* combo = find<QComboBox>(id)) {
        const int before = combo->currentIndex();
        combo->addItem(ToQString(text));
        combo->setCurrentIndex(
            before);  // Qt selects the first item added to an empty list; the desktop does not
    }
}

int QtControls::findItemWithPrefix(ControlId id, const std::u16string& prefix) const {
    const auto* combo = find<QComboBox>(id);
    if (combo == nullptr) {
        return -1;
    }
    const QString wanted = ToQString(prefix);
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i).startsWith(wanted, Qt::CaseInsensitive)) {
            return i;
        }
    }
    return -1;
}

void QtControls::moveCaretToEndAndFocus(ControlId id) {
    if (auto* edit = find<QLineEdit>(id)) {
        edit->end(false);  // caret after the last character, nothing selected, scrolled into view
        edit->setFocus(Qt::OtherFocusReason);
    }
}

void QtControls::setFocus(ControlId id) {
    if (QWidget* widget = dialog_.control(id)) {
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void QtControls::invalidate(ControlId id) {
    if (const QWidget* widget = dialog_.control(id)) {
        dialog_.update(widget->geometry());
    }
}

void QtControls::redrawWindow() {
    dialog_.repaint();
}

}  // namespace lc::platform
