#pragma once

#include "platform/Controls.h"
#include "platform/HidAccess.h"
#include "platform/LocalClock.h"
#include "platform/MessageBox.h"
#include "platform/Timer.h"
#include "platform/UiDispatch.h"

namespace lc {

// Everything the configuration window's logic needs of the platform. Only main (and the tests) know
// which implementations stand behind it: the Qt window or the fakes, hidapi or the virtual bus.
struct WindowServices {
    platform::Controls& controls;
    platform::MessageBox& messages;
    platform::Timer& timer;
    platform::UiDispatch& uiDispatch;
    platform::LocalClock& clock;
    platform::HidAccess& hid;
};

}  // namespace lc
