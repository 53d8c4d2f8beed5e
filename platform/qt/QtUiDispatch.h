#pragma once

#include <QObject>
#include <functional>

#include "platform/UiDispatch.h"

namespace lc::platform {

// Work queued onto the event loop of the thread that made this object (the UI thread). It does not
// depend on the window: work posted after the window has gone still runs, and work still queued when
// this object is destroyed is dropped. It must outlive every thread that posts to it.
class QtUiDispatch : public UiDispatch {
  public:
    void post(std::function<void()> task) override;

  private:
    QObject receiver_;
};

}  // namespace lc::platform
