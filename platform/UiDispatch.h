#pragma once

#include <functional>

namespace lc::platform {

// Hands work from the link worker to the UI thread, where every control lives. post() returns at
// once; the task runs later on the UI thread, from its event loop.
class UiDispatch {
  public:
    virtual ~UiDispatch() = default;
    virtual void post(std::function<void()> task) = 0;
};

}  // namespace lc::platform
