#pragma once

#include <QTimer>
#include <functional>

#include "platform/Timer.h"

namespace lc::platform {

// The tick timer on the UI thread's event loop; it keeps firing inside modal loops (message boxes,
// the About box).
class QtTimer : public Timer {
  public:
    QtTimer();

    void setHandler(std::function<void()> onTick) override;
    void start(int periodMs) override;
    void stop() override;

  private:
    QTimer timer_;
    std::function<void()> handler_;
};

}  // namespace lc::platform
