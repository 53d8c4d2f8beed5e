#pragma once

#include "platform/Controls.h"
#include "platform/MessageBox.h"

namespace lc::platform {

// What a routine of the window's logic needs of the window.
struct Ui {
    Controls& controls;
    MessageBox& messages;
};

}  // namespace lc::platform
