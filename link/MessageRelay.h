#pragma once

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "platform/MessageBox.h"
#include "platform/UiDispatch.h"

namespace lc {

// Shows the worker's messages on the UI thread, where the window lives, and holds the worker until
// the technician has dismissed each one.
class MessageRelay {
  public:
    MessageRelay(platform::UiDispatch& uiDispatch, platform::MessageBox& messages);

    // Returns once the message has been dismissed, or at once when the relay is stopped.
    void tell(std::u16string text);
    // Ends the wait under way and every later one; a message not yet on screen is never shown.
    void stop();

  private:
    // Shared with the tasks handed to the UI thread, which may run after the relay is gone.
    struct Handshake {
        std::mutex mutex;
        std::condition_variable dismissed;
        bool stopped = false;
        std::uint64_t lastTold = 0;
        std::uint64_t lastDismissed = 0;
    };

    platform::UiDispatch& uiDispatch_;
    platform::MessageBox& messages_;
    std::shared_ptr<Handshake> handshake_ = std::make_shared<Handshake>();
};

}  // namespace lc
