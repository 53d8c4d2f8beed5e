#pragma once

#include <string>

namespace lc::platform {

// A modal message with an OK button. show() returns once the user has dismissed it; meanwhile the
// window's handlers may still run (a nested event loop), but no tick starts.
class MessageBox {
  public:
    virtual ~MessageBox() = default;
    virtual void show(const std::u16string& text) = 0;
};

}  // namespace lc::platform
