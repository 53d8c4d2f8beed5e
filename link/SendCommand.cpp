#include "link/SendCommand.h"

#include "link/CommandFrame.h"
#include "link/RequestExchange.h"

namespace lc {

int SendCommand(const Link& link, std::uint8_t command, std::uint8_t frameLength, std::uint32_t offset,
                std::span<const std::uint8_t> payload) {
    DeviceSession& session = link.session;
    // Nothing answers the end of a configuration write or of a firmware transfer.
    const bool awaitsReply = command != ConfigEndCommand && command != FirmwareEndCommand;
    const int noLogger = awaitsReply ? 1 : 0;
    if (session.writeHandle.load() == platform::InvalidHidHandle) {
        return noLogger;
    }
    DiscardPublishedReport(session);
    if (!IsLegalFrameLength(frameLength)) {
        link.messages.show(u"HID命令非法:PL错误!");
        return -1;
    }
    BuildRequestFrame(session.txReport, command, frameLength, offset, payload);
    switch (ExchangeRequest(link, awaitsReply)) {
        case Exchange::Replied:
        case Exchange::Sent:
            return 0;
        case Exchange::NoLogger:
            return noLogger;
        case Exchange::NoReply:
        case Exchange::NotWritten:
            return 2;
        case Exchange::ShortWrite:
            return 3;
        case Exchange::WriteWaitFailed:
            break;
    }
    return -1;
}

}  // namespace lc
