#pragma once

#include <string>

#include "platform/MessageBox.h"

namespace lc::platform {

// Messages written to standard error, one per line block, and dismissed at once. Used where no one
// can click a box: the start-up tests run the tool without a display.
class StderrMessageBox : public MessageBox {
  public:
    void show(const std::u16string& text) override;
};

}  // namespace lc::platform
