#pragma once

#include <QWidget>
#include <memory>

#include "platform/MessageBox.h"

namespace lc {

// Where the tool's messages go: modal boxes for the technician, or standard error, each message
// dismissed at once, where no one is there to click (the tests, a demonstration run by a script).
enum class MessageOutput { Boxes, StandardError };

// The tool's messages: modal boxes over owner (none before the window exists), or standard error.
std::unique_ptr<platform::MessageBox> MakeToolMessages(MessageOutput output, QWidget* owner);

}  // namespace lc
