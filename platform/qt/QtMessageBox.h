#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include "platform/MessageBox.h"

namespace lc::platform {

// A modal warning box with an OK button over the window (or alone before the window exists). Its own
// event loop keeps the window's timers and posted work running while it is open.
class QtMessageBox : public MessageBox {
  public:
    QtMessageBox(QString title, QWidget* owner);

    void show(const std::u16string& text) override;

  private:
    QString title_;
    QPointer<QWidget> owner_;
};

}  // namespace lc::platform
