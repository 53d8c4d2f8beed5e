#pragma once

#include <QWidget>
#include <memory>

#include "platform/MessageBox.h"

namespace lc {

// Set LOGGER_CONFIG_MESSAGES=stderr to have every message written to standard error and dismissed at
// once instead of shown in a box. Only the tests set it: they run the tool where no one can click.
inline constexpr const char* MessageOutputVariable = "LOGGER_CONFIG_MESSAGES";

// The tool's messages: modal boxes over owner (none before the window exists), or standard error.
std::unique_ptr<platform::MessageBox> MakeToolMessages(QWidget* owner);

}  // namespace lc
