#include "link/MessageRelay.h"

#include <utility>

namespace lc {

MessageRelay::MessageRelay(platform::UiDispatch& uiDispatch, platform::MessageBox& messages)
    : uiDispatch_(uiDispatch), messages_(messages) {}

void MessageRelay::tell(std::u16string text) {
    std::uint64_t ticket = 0;
    {
        std::lock_guard lock(handshake_->mutex);
        if (handshake_->stopped) {
            return;
        }
        ticket = ++handshake_->lastTold;
    }
    uiDispatch_.post([handshake = handshake_, &messages = messages_, text = std::move(text), ticket] {
        {
            std::lock_guard lock(handshake->mutex);
            if (handshake->stopped) {
                return;
            }
        }
        messages.show(text);
        {
            std::lock_guard lock(handshake->mutex);
            handshake->lastDismissed = ticket;
        }
        handshake->dismissed.notify_all();
    });
    std::unique_lock lock(handshake_->mutex);
    handshake_->dismissed.wait(lock,
                               [&] { return handshake_->stopped || handshake_->lastDismissed >= ticket; });
}

void MessageRelay::stop() {
    {
        std::lock_guard lock(handshake_->mutex);
        handshake_->stopped = true;
    }
    handshake_->dismissed.notify_all();
}

}  // namespace lc
