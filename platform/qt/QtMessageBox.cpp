#include "platform/qt/QtMessageBox.h"

#include <QMessageBox>
#include <utility>

namespace lc::platform {

QtMessageBox::QtMessageBox(QString title, QWidget* owner) : title_(std::move(title)), owner_(owner) {}

void QtMessageBox::show(const std::u16string& text) {
    QMessageBox box(QMessageBox::Warning, title_, QString::fromStdU16String(text), QMessageBox::Ok, owner_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace lc::platform
