#include "protocol/TransferConfigPacket.h"

#include <algorithm>
#include <optional>
#include <span>

#include "link/CommandFrame.h"
#include "link/SendCommand.h"
#include "platform/Text.h"
#include "protocol/ConfigItem.h"
#include "protocol/WindowLanguage.h"

namespace lc {

namespace {

constexpr std::uint8_t StatusReplyCode = 0x90;
constexpr std::uint8_t StopCommandFailed = 1;

struct Reply {
    std::uint8_t code;
    std::uint8_t status;
};

// The logger's answer, when the worker has published one. The store command is sent without waiting
// for its answer, so its check must not look at a report the worker may still be reading into.
std::optional<Reply> PublishedReply(const DeviceSession& session) {
    if (session.rxMarker.load(std::memory_order_acquire) < 0) {
        return std::nullopt;
    }
    return Reply{session.rxReport[ReplyCodeByte], session.rxReport[PayloadByte]};
}

bool RefusesCommand(const std::optional<Reply>& reply) {
    return reply && reply->code == StatusReplyCode && reply->status >= 2 && reply->status <= 5;
}

class PacketWriter {
  public:
    explicit PacketWriter(const TransferTargets& targets) : targets_(targets) {}

    // Sends every item until the store command, always the last one, has gone out or the write has
    // failed. A walk that runs off the items never reaches the store command: the write has failed.
    void sendItems() {
        const ConfigPacket& packet = targets_.packet;
        for (std::size_t position = 0; position + item::Framing <= packet.usedLength;) {
            const std::uint8_t itemLength = packet.buffer[position + item::LengthOffset];
            if (itemLength < item::Framing || position + itemLength > packet.usedLength) {
                break;
            }
            if (!sendItem(std::span(packet.buffer).subspan(position, itemLength))) {
                return;
            }
            HandBackReport(targets_.link.session);
            position += itemLength;
        }
        tellSendFailure();
    }

    void tellSendFailure() { tell("配置失败(命令发送失败)!", "Setting failed(Send Command Failed)!"); }

  private:
    // False: the write has ended, well or badly.
    bool sendItem(std::span<const std::uint8_t> item) {
        const std::uint8_t tag = item[item::TagOffset];
        const std::span<const std::uint8_t> value =
            item.subspan(item::ValueOffset, item.size() - item::Framing);
        std::size_t offset = 0;
        do {
            const std::size_t chunk = std::min(value.size() - offset, MaxPayloadBytes);
            if (SendCommand(targets_.link, tag, static_cast<std::uint8_t>(chunk + MinFrameLength),
                            static_cast<std::uint32_t>(offset), value.subspan(offset, chunk)) != 0) {
                tellSendFailure();
                return false;
            }
            const std::optional<Reply> reply = PublishedReply(targets_.link.session);
            if (RefusesCommand(reply)) {
                tell("命令错误!", "Command error!");
                return false;
            }
            if (tag == ConfigEndCommand) {
                return false;
            }
            if (tag == item::EndOfSettings && reply && reply->status == StopCommandFailed) {
                tell("配置失败(结束命令失败)!", "Setting failed(Stop Command Failed)!");
            }
            offset += chunk;
            if (offset < value.size()) {
                HandBackReport(targets_.link.session);
            }
        } while (offset < value.size());
        return true;
    }

    void tell(const char* chinese, const char* english) {
        targets_.link.messages.show(
            platform::Utf8ToUtf16(InWindowLanguage(targets_.controls, chinese, english)));
    }

    const TransferTargets& targets_;
};

}  // namespace

void TransferConfigPacket(const TransferTargets& targets) {
    ConfigPacket& packet = targets.packet;
    if (packet.writeStage == WriteStage::NoPacket || targets.link.session.loggerCount.load() == 0) {
        return;
    }
    PacketWriter writer(targets);
    if (AppendConfigItem(packet, targets.info, ConfigEndCommand, {})) {
        writer.sendItems();
    } else {
        writer.tellSendFailure();
    }
    HandBackReport(targets.link.session);
    packet.writeStage = WriteStage::NoPacket;
    packet.usedLength = 0;
}

}  // namespace lc
