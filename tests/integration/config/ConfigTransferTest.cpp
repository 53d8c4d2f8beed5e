#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "protocol/BuildConfigPacket.h"
#include "protocol/TransferConfigPacket.h"
#include "tests/fakes/FakeControls.h"
#include "tests/link/LinkBench.h"
#include "vocabulary/ControlIds.h"

namespace lc::testing {
namespace {

using Bytes = std::vector<std::uint8_t>;

// One command frame as the logger received it.
struct ReceivedFrame {
    std::uint8_t command;
    std::uint8_t frameLength;
    std::uint32_t offset;
    Bytes payload;
};

std::vector<ReceivedFrame> Frames(const std::vector<platform::HidReport>& reports) {
    std::vector<ReceivedFrame> frames;
    for (const platform::HidReport& report : reports) {
        const std::uint32_t offset = report[3] | report[4] << 8 | report[5] << 16;
        frames.push_back({report[1], report[2], offset, Bytes(&report[6], &report[report[2]])});
    }
    return frames;
}

Bytes Commands(const std::vector<ReceivedFrame>& frames) {
    Bytes commands;
    for (const ReceivedFrame& frame : frames) {
        commands.push_back(frame.command);
    }
    return commands;
}

// The tool's side of the link used by the transfer: the bus, except that the logger answers the store
// command with a status reply, either before the tool looks for an answer (delay nullopt) or after
// the given delay, which may fall while the tool is looking.
class StoreAnsweringHid : public platform::HidAccess {
  public:
    StoreAnsweringHid(LinkBench& bench, sim::VirtualLogger& logger,
                      std::optional<std::chrono::microseconds> delay)
        : bench_(bench), logger_(logger), delay_(delay) {}

    std::vector<platform::HidInterfaceInfo> enumerate() override { return bench_.bus.enumerate(); }
    platform::HidHandle openForReading(const std::string& path) override {
        return bench_.bus.openForReading(path);
    }
    platform::HidHandle openForWriting(const std::string& path) override {
        return bench_.bus.openForWriting(path);
    }
    void close(platform::HidHandle handle) override { bench_.bus.close(handle); }
    platform::HidTransfer read(platform::HidHandle handle, platform::HidReport& report,
                               int timeoutMs) override {
        return bench_.bus.read(handle, report, timeoutMs);
    }
    platform::HidTransfer write(platform::HidHandle handle, const platform::HidReport& report,
                                int timeoutMs) override {
        const platform::HidTransfer written = bench_.bus.write(handle, report, timeoutMs);
        if (report[1] != 0x94) {
            return written;
        }
        if (!delay_) {
            bench_.bus.sendInputReport(logger_, CommandErrorReply());
            while (!bench_.published()) {
                std::this_thread::sleep_for(100us);
            }
        } else {
            late_ = std::jthread([this] {
                std::this_thread::sleep_for(*delay_);
                bench_.bus.sendInputReport(logger_, CommandErrorReply());
            });
        }
        return written;
    }
    bool exists(const std::string& path) override { return bench_.bus.exists(path); }

  private:
    static sim::InputReport CommandErrorReply() {
        sim::InputReport reply = Frame(0x90, 7);
        reply.bytes[6] = 3;
        return reply;
    }

    LinkBench& bench_;
    sim::VirtualLogger& logger_;
    std::optional<std::chrono::microseconds> delay_;
    std::jthread late_;
};

class ConfigTransfer : public ::testing::Test {
  protected:
    ConfigTransfer() : logger(bench.openLogger()) {
        controls.select(ids::WindowLanguageCombo, 0);
        std::memcpy(draft.customText.data(),
                    "Keep between 2 and 8 degrees; report every excursion at once to QA.", 68);
        std::memcpy(draft.deviceName.data(), "Cold room 3", 11);
        draft.channel = 3;
        draft.intervalMinutes = 10;
        info.firmwareVersion = 0x4069;
        info.deviceType = 0xA0;
    }

    // The tick's write: build the packet, then send it.
    void write(const Link& link) {
        ASSERT_TRUE(BuildConfigPacket({draft, thresholds, clock, info, controls}, packet));
        framesBefore = logger.receivedReports().size();
        TransferConfigPacket({link, controls, packet, info});
    }
    void write() { write(bench.link); }

    std::vector<ReceivedFrame> framesOfThisWrite() const {
        const std::vector<platform::HidReport> all = logger.receivedReports();
        return Frames({all.begin() + static_cast<std::ptrdiff_t>(framesBefore), all.end()});
    }
    std::vector<std::string> messages() const { return bench.messages.texts(); }
    bool packetDiscarded() const {
        return packet.writeStage == WriteStage::NoPacket && packet.usedLength == 0;
    }

    LinkBench bench;
    sim::VirtualLogger& logger;
    fakes::FakeControls controls;
    ConfigDraft draft;
    AlertThresholds thresholds;
    LoggerClock clock{24, 6, 15, 10, 30, 0};
    DeviceInfo info;
    ConfigPacket packet;
    std::size_t framesBefore = 0;
};

const Bytes NewGenerationCommands{0x49, 0x0D, 0x25, 0x19, 0x19, 0x03, 0x4A, 0x4F, 0x4D, 0x82, 0x0F,
                                  0x06, 0x08, 0x09, 0x0B, 0x2F, 0x31, 0x33, 0x35, 0x37, 0x39, 0x3D,
                                  0x43, 0x44, 0x40, 0x15, 0x2D, 0x27, 0x11, 0x17, 0xFF, 0x94};

TEST_F(ConfigTransfer, EveryItemReachesTheLoggerWhichStoresTheSettings) {
    write();

    const std::vector<ReceivedFrame> frames = framesOfThisWrite();
    EXPECT_EQ(Commands(frames), NewGenerationCommands);
    const Bytes customText(draft.customText.begin(), draft.customText.end());
    EXPECT_EQ(frames[3].frameLength, 64);
    EXPECT_EQ(frames[3].offset, 0u);
    EXPECT_EQ(frames[3].payload, Bytes(customText.begin(), customText.begin() + 58));
    EXPECT_EQ(frames[4].frameLength, 48);
    EXPECT_EQ(frames[4].offset, 58u);
    EXPECT_EQ(frames[4].payload, Bytes(customText.begin() + 58, customText.end()));
    for (const ReceivedFrame& closing : {frames[30], frames[31]}) {
        EXPECT_EQ(closing.frameLength, 6) << int{closing.command};
        EXPECT_EQ(closing.offset, 0u) << int{closing.command};
    }
    EXPECT_EQ(logger.itemValue(0x19), customText);
    const sim::LoggerBlock stored = logger.block();
    EXPECT_EQ(0, std::memcmp(&stored[166], draft.deviceName.data(), draft.deviceName.size()));
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(packetDiscarded());
}

TEST_F(ConfigTransfer, ARefusedItemEndsTheWriteWhileOtherStatusesLetItGoOn) {
    struct Case {
        std::uint8_t status;
        int windowLanguage;
        std::size_t framesSent;
        const char* message;
    };
    // Statuses 0 and 1 first: the logger keeps a status once it is given one.
    const Case cases[] = {
        {0, 0, 32, nullptr},         {1, 0, 32, nullptr},    {2, 0, 3, "命令错误!"},
        {3, 1, 3, "Command error!"}, {4, 0, 3, "命令错误!"}, {5, 0, 3, "命令错误!"},
    };
    for (const Case& c : cases) {
        bench.messages.shown.clear();
        logger.setItemStatus(0x25, c.status);
        controls.select(ids::WindowLanguageCombo, c.windowLanguage);
        write();
        const std::vector<ReceivedFrame> frames = framesOfThisWrite();
        EXPECT_EQ(frames.size(), c.framesSent) << "status " << int{c.status};
        EXPECT_EQ(messages(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << "status " << int{c.status};
        EXPECT_TRUE(packetDiscarded());
    }
}

TEST_F(ConfigTransfer, AFailedStopCommandIsReportedAndTheSettingsAreStillClosed) {
    logger.setItemStatus(0xFF, 1);
    write();
    EXPECT_EQ(Commands(framesOfThisWrite()), NewGenerationCommands);
    EXPECT_EQ(messages(), std::vector<std::string>{"配置失败(结束命令失败)!"});
    EXPECT_TRUE(packetDiscarded());
}

TEST_F(ConfigTransfer, ASilentLoggerGivesTheSendFailureOnce) {
    logger.swallowReplies(1000);
    write();
    EXPECT_EQ(Commands(framesOfThisWrite()), Bytes{0x49});
    EXPECT_EQ(messages(), std::vector<std::string>{"配置失败(命令发送失败)!"});
    EXPECT_TRUE(packetDiscarded());
}

TEST_F(ConfigTransfer, UnpluggingInTheMiddleGivesTheSendFailure) {
    logger.leaveAtRequest(5);  // the second part of the custom text
    write();
    EXPECT_EQ(Commands(framesOfThisWrite()), (Bytes{0x49, 0x0D, 0x25, 0x19, 0x19}));
    EXPECT_EQ(messages(), std::vector<std::string>{"配置失败(命令发送失败)!"});
    EXPECT_TRUE(packetDiscarded());
    EXPECT_TRUE(bench.takeNotice(LinkEvent::Removed));
}

TEST_F(ConfigTransfer, WithoutALoggerThePacketWaits) {
    bench.bus.unplug(logger);
    ASSERT_TRUE(bench.takeNotice(LinkEvent::Removed));
    ASSERT_TRUE(bench.pumpUntil([&] { return bench.session.loggerCount.load() == 0; }));
    write();
    EXPECT_TRUE(framesOfThisWrite().empty());
    EXPECT_EQ(packet.writeStage, WriteStage::PacketReady);
    EXPECT_TRUE(messages().empty());
}

TEST_F(ConfigTransfer, AnAnswerToTheStoreCommandIsCheckedOnceItIsPublished) {
    StoreAnsweringHid answering(bench, logger, std::nullopt);
    write(Link{bench.session, answering, bench.messages});
    EXPECT_EQ(Commands(framesOfThisWrite()), NewGenerationCommands);
    EXPECT_EQ(messages(), std::vector<std::string>{"命令错误!"});
    EXPECT_TRUE(packetDiscarded());
}

// The answer may arrive while the tool looks: the tool must never read the report being filled in
// (the sanitizer builds watch for it); whether the answer counts then is a matter of timing.
TEST_F(ConfigTransfer, AnAnswerArrivingAfterTheStoreCommandIsNeverReadHalfWritten) {
    for (int round = 0; round < 20; ++round) {
        bench.messages.shown.clear();
        StoreAnsweringHid answering(bench, logger, std::chrono::microseconds(round % 5 * 400));
        write(Link{bench.session, answering, bench.messages});
        EXPECT_EQ(framesOfThisWrite().back().command, 0x94);
        EXPECT_TRUE(messages().empty() || messages() == std::vector<std::string>{"命令错误!"});
        EXPECT_TRUE(packetDiscarded());
    }
}

}  // namespace
}  // namespace lc::testing
