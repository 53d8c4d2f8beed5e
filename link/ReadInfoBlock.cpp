#include "link/ReadInfoBlock.h"

#include <algorithm>

#include "link/CommandFrame.h"
#include "link/RequestExchange.h"

namespace lc {

namespace {

// Replies with a foreign code are answered by asking again, up to this many over the whole read.
constexpr int ForeignRepliesTolerated = 10;

// The logger's information block has 516 meaningful bytes; a request goes out while fewer are gathered.
constexpr std::size_t BlockBytes = 516;

}  // namespace

bool ReadInfoBlock(const Link& link, std::span<std::uint8_t> block) {
    DeviceSession& session = link.session;
    std::size_t gathered = 0;
    int foreignReplies = 0;
    for (;;) {
        if (session.writeHandle.load() == platform::InvalidHidHandle) {
            return false;
        }
        DiscardPublishedReport(session);
        BuildRequestFrame(session.txReport, ReadInfoCommand, MinFrameLength,
                          static_cast<std::uint32_t>(gathered), {});
        if (ExchangeRequest(link, true) != Exchange::Replied) {
            return false;
        }
        if (session.rxReport[ReplyCodeByte] != ReadInfoCommand) {
            if (++foreignReplies > ForeignRepliesTolerated) {
                return false;
            }
            continue;
        }
        const auto payloadBytes = static_cast<std::size_t>(session.rxMarker.load(std::memory_order_acquire));
        const auto payload = std::span(session.rxReport).subspan(PayloadByte, payloadBytes);
        if (gathered < block.size()) {
            const std::size_t room = block.size() - gathered;
            std::copy_n(payload.begin(), std::min(room, payload.size()), block.begin() + gathered);
        }
        gathered += payloadBytes;
        HandBackReport(session);
        if (payloadBytes == 0 || gathered >= BlockBytes) {
            return true;
        }
    }
}

}  // namespace lc
