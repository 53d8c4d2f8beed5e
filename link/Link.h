#pragma once

#include "link/DeviceSession.h"
#include "link/LinkTiming.h"
#include "platform/HidAccess.h"
#include "platform/MessageBox.h"

namespace lc {

// What a UI-thread transaction on the link needs.
struct Link {
    DeviceSession& session;
    platform::HidAccess& hid;
    platform::MessageBox& messages;
    LinkTiming timing{};
};

}  // namespace lc
