#include "platform/qt/ControlWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace lc::platform {
namespace {

using resources::ControlKind;
using resources::DialogControl;

constexpr int ClosedComboHeightDu = 12;
// Lists open as far as the desktop's own drop-down lists do.
constexpr int ComboVisibleItems = 30;

QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// The box has no text of its own; its caption is the label beside it, which lets clicks through to it.
// Anywhere on the control toggles it, not only on the square.
class CaptionlessCheckBox : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

// Labels, frames and icons are drawn over the background and take no clicks: the control below gets
// them, as a check box does for its caption.
void MakeStatic(QWidget& widget) {
    widget.setAttribute(Qt::WA_TransparentForMouseEvents);
    widget.setFocusPolicy(Qt::NoFocus);
}

QWidget* MakeLabel(const DialogControl& control, QWidget* parent) {
    auto* label = new QLabel(ToQString(control.text), parent);
    label->setTextFormat(Qt::PlainText);  // texts from a logger must never be read as markup
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    MakeStatic(*label);
    return label;
}

QWidget* MakeIcon(const DialogArt& art, QWidget* parent) {
    auto* icon = new QLabel(parent);
    icon->setPixmap(art.icon);
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    MakeStatic(*icon);
    return icon;
}

QWidget* MakeGroupBox(const DialogControl& control, QWidget* parent) {
    auto* group = new QGroupBox(ToQString(control.text), parent);
    MakeStatic(*group);
    return group;
}

QWidget* MakeCombo(std::span<const std::u16string_view> items, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setMaxVisibleItems(ComboVisibleItems);
    for (std::u16string_view item : items) {
        combo->addItem(ToQString(item));
    }
    combo->setCurrentIndex(-1);  // nothing is selected until the window's initialisation selects
    return combo;
}

QWidget* MakeEdit(const DialogControl& control, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(control.kind == ControlKind::NumericEdit ? Qt::AlignHCenter : Qt::AlignLeft);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Active, QPalette::Text, Qt::red);
    palette.setColor(QPalette::Inactive, QPalette::Text, Qt::red);
    // A disabled edit lets the background show through, as the labels do.
    palette.setColor(QPalette::Disabled, QPalette::Base, Qt::transparent);
    edit->setPalette(palette);
    if (control.kind == ControlKind::ReadOnlyEdit) {
        edit->setFrame(false);
        edit->setEnabled(false);
    }
    return edit;
}

QWidget* MakePushButton(const DialogControl& control, QWidget* parent) {
    auto* button = new QPushButton(ToQString(control.text), parent);
    if (control.id == DialogOkId) {
        button->setDefault(true);
    } else {
        // Enter in an edit must end the dialog, not press a button that happens to be near.
        button->setAutoDefault(false);
        button->setEnabled(false);
    }
    return button;
}

QWidget* MakeWidget(const resources::DialogTemplate& dialog, const DialogControl& control,
                    const DialogArt& art, QWidget* parent) {
    switch (control.kind) {
        case ControlKind::Label:
            return MakeLabel(control, parent);
        case ControlKind::CheckBox:
            return new CaptionlessCheckBox(parent);
        case ControlKind::Combo:
            return MakeCombo(dialog.comboItems(control.id), parent);
        case ControlKind::NumericEdit:
        case ControlKind::TextEdit:
        case ControlKind::ReadOnlyEdit:
            return MakeEdit(control, parent);
        case ControlKind::GroupBox:
            return MakeGroupBox(control, parent);
        case ControlKind::PushButton:
            return MakePushButton(control, parent);
        case ControlKind::Icon:
            return MakeIcon(art, parent);
    }
    return MakeLabel(control, parent);
}

}  // namespace

QRect ToPixels(const resources::DialogRect& rect) {
    return QRect(rect.x * PixelsPerDialogUnit, rect.y * PixelsPerDialogUnit, rect.width * PixelsPerDialogUnit,
                 rect.height * PixelsPerDialogUnit);
}

QRect ControlGeometry(const DialogControl& control) {
    QRect place = ToPixels(control.rect);
    if (control.kind == ControlKind::Combo) {
        place.setHeight(ClosedComboHeightDu * PixelsPerDialogUnit);
    }
    return place;
}

QWidget* MakeControlWidget(const resources::DialogTemplate& dialog, const DialogControl& control,
                           const DialogArt& art, QWidget* parent) {
    QWidget* widget = MakeWidget(dialog, control, art, parent);
    widget->setGeometry(ControlGeometry(control));
    if (control.hidden) {
        widget->setEnabled(false);
        widget->hide();
    }
    return widget;
}

}  // namespace lc::platform
