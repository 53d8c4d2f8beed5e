#include "platform/qt/QtTimer.h"

#include <utility>

namespace lc::platform {

QtTimer::QtTimer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (handler_) {
            handler_();
        }
    });
}

void QtTimer::setHandler(std::function<void()> onTick) {
    handler_ = std::move(onTick);
}

void QtTimer::start(int periodMs) {
    timer_.start(periodMs);
}

void QtTimer::stop() {
    timer_.stop();
}

}  // namespace lc::platform
