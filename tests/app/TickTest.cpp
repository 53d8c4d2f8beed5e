#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/app/ToolUnderTest.h"
#include "vocabulary/ControlIds.h"

namespace lc::testing {
namespace {

TEST(FirstTick, AsksForALoggerOnADisabledButton) {
    ToolUnderTest tool;
    tool.tick();
    EXPECT_EQ(tool.text(ids::WriteButton), "请插入设备");
    EXPECT_FALSE(tool.controls.isEnabled(ids::WriteButton));
    EXPECT_EQ(tool.text(ids::DurationDisplay), "最大记录时长:");
    EXPECT_EQ(tool.state().writeReady, 0);
    EXPECT_TRUE(tool.messages.shown.empty());
    EXPECT_TRUE(tool.timer.running());
    EXPECT_EQ(tool.timer.periodMs(), 50);
}

TEST(FirstTick, SpeaksTheWindowLanguage) {
    ToolUnderTest tool;
    tool.controls.userSelect(ids::WindowLanguageCombo, 1);
    tool.tick();
    EXPECT_EQ(tool.text(ids::WriteButton), "Please connect the device");
    EXPECT_EQ(tool.text(ids::DurationDisplay), "Lasting Days:");
}

TEST(Handlers, OnlyRecordWhatChangedForTheNextTick) {
    struct Case {
        const char* action;
        platform::ControlId id;
        int selection;  // -1: a click
        std::uint32_t bit;
    };
    const Case cases[] = {
        {"write button", ids::WriteButton, -1, change::WriteRequest},
        {"zone", ids::ZoneCombo, 3, change::SyncZone},
        {"date format", ids::DateFormatCombo, 0, change::RefreshDate},
        {"channel", ids::ChannelCombo, 1, change::RefreshChannel},
        {"alert box", ids::AlertBox, -1, change::RefreshChannel},
        {"unit", ids::UnitCombo, 1, change::RefreshUnit},
        {"report language", ids::ReportLanguageCombo, 0, change::FollowReportLanguage},
        {"lock box", ids::LockBox, -1, change::ApplyLock},
        {"auto start", ids::AutoStartBox, -1, 0},
        {"push delete", ids::PushDeleteBox, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        ToolUnderTest tool;
        tool.controls.enable(ids::WriteButton, true);
        if (c.selection < 0) {
            ASSERT_TRUE(tool.controls.userClick(c.id));
        } else {
            ASSERT_TRUE(tool.controls.userSelect(c.id, c.selection));
        }
        EXPECT_EQ(tool.state().changeFlags.bits, c.bit);
    }
}

TEST(NoLoggerReset, TellsOfAnInterruptedPacketAndDropsIt) {
    ToolUnderTest tool;
    tool.state().configPacket.writeStage = WriteStage::PacketReady;
    tool.state().configPacket.usedLength = 120;
    bool timerRanDuringMessage = true;
    tool.messages.whileShown = [&](const std::u16string&) { timerRanDuringMessage = tool.timer.running(); };
    tool.tick();
    ASSERT_EQ(tool.messages.texts(), std::vector<std::string>{"配置中断,请确保设备连接良好!"});
    EXPECT_FALSE(timerRanDuringMessage);
    EXPECT_EQ(tool.state().configPacket.writeStage, WriteStage::NoPacket);
    EXPECT_EQ(tool.state().configPacket.usedLength, 0);
    EXPECT_TRUE(tool.timer.running());
}

TEST(NoLoggerReset, LeavesTheButtonToAFirmwareUpdate) {
    ToolUnderTest tool;
    tool.tick();
    tool.controls.setText(ids::WriteButton, u"升级中 40%");
    tool.state().writeReady = 1;
    tool.state().session.updateState.store(UpdateState::AwaitingRestart);
    tool.state().session.linkEvent.store(LinkEvent::Removed);
    tool.tick();
    EXPECT_EQ(tool.text(ids::WriteButton), "升级中 40%");
    EXPECT_EQ(tool.state().writeReady, 1);
    EXPECT_EQ(tool.state().session.linkEvent.load(), LinkEvent::None);
}

TEST(Tick, WaitsOutAFirmwareTransferAtTheSlowerPeriod) {
    ToolUnderTest tool;
    tool.tick();
    tool.state().session.updateState.store(UpdateState::Transferring);
    tool.state().session.writeHandle.store(7);
    tool.controls.userClick(ids::LockBox);
    tool.tick();
    EXPECT_EQ(tool.timer.periodMs(), 100);
    EXPECT_TRUE(tool.state().changeFlags.isSet(change::ApplyLock));
    EXPECT_TRUE(tool.controls.isEnabled(ids::BrandEdit));
}

TEST(Tick, EndsATransferWhoseLoggerWentAway) {
    ToolUnderTest tool;
    tool.controls.userSelect(ids::WindowLanguageCombo, 1);
    tool.tick();
    DeviceSession& session = tool.state().session;
    session.updateState.store(UpdateState::Transferring);
    session.imageLength.store(4096);
    session.imageOffset.store(1024);
    session.linkEvent.store(LinkEvent::Removed);
    tool.tick();
    EXPECT_EQ(tool.messages.texts(),
              std::vector<std::string>{"Update interrupt,please keep the device connected!"});
    EXPECT_EQ(session.updateState.load(), UpdateState::Idle);
    EXPECT_EQ(session.imageLength.load(), 0u);
    EXPECT_EQ(session.imageOffset.load(), 0u);
    // The removal is handled in the same tick, now that no update is under way.
    EXPECT_EQ(tool.text(ids::WriteButton), "Please connect the device");
    EXPECT_EQ(tool.timer.periodMs(), 50);
}

}  // namespace
}  // namespace lc::testing
