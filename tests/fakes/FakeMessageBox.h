#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/Text.h"

namespace lc::fakes {

// Records every message and dismisses it at once. whileShown runs inside the box, as the
// technician's clicks would in the nested event loop of a real one.
class FakeMessageBox : public platform::MessageBox {
  public:
    void show(const std::u16string& text) override {
        shown.push_back(text);
        if (whileShown) {
            whileShown(text);
        }
    }

    // The messages as UTF-8, for readable assertions.
    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const std::u16string& text : shown) {
            result.push_back(platform::Utf16ToUtf8(text));
        }
        return result;
    }

    std::vector<std::u16string> shown;
    std::function<void(const std::u16string&)> whileShown;
};

}  // namespace lc::fakes
