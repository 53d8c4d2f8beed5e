#include "platform/qt/QtUiDispatch.h"

#include <utility>

namespace lc::platform {

void QtUiDispatch::post(std::function<void()> task) {
    QMetaObject::invokeMethod(&receiver_, std::move(task), Qt::QueuedConnection);
}

}  // namespace lc::platform
