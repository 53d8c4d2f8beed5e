#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/resources/ControlIds.h"
#include "tests/app/ToolUnderTest.h"

namespace lc::testing {
namespace {

// A temperature logger whose settings are shown, the button offering the write.
struct ReadyLogger : ::testing::Test {
    ReadyLogger() {
        tool.tick();
        tool.state().session.loggerCount.store(1);
        DeviceInfo& info = tool.state().deviceInfo;
        info.firmwareVersion = 0x4066;
        info.capabilityFlags = 0x20;
        info.memorySize = 65536;
        info.recordBits = 12;
        tool.controls.setText(ids::BrandEdit, u"ACME");
        tool.controls.setText(ids::DeviceNameEdit, u"Cold room 3");
        tool.controls.setText(ids::CustomTextEdit, u"Vaccines");
        tool.controls.setText(ids::DeviceIdEdit, u"TH0001");
        tool.controls.setText(ids::WriteButton, u"写入配置(HID)");
        tool.controls.enable(ids::WriteButton, true);
        tool.state().writeReady = 1;
    }
    ToolUnderTest tool;
};

TEST_F(ReadyLogger, AValidFormBecomesAPacketAndTheButtonWaits) {
    ASSERT_TRUE(tool.controls.userClick(ids::WriteButton));
    tool.tick();
    EXPECT_TRUE(tool.messages.shown.empty()) << tool.messages.texts().front();
    EXPECT_EQ(tool.state().configPacket.writeStage, WriteStage::PacketReady);
    EXPECT_GT(tool.state().configPacket.usedLength, 0);
    EXPECT_EQ(tool.text(ids::WriteButton), "配置中...");
    EXPECT_FALSE(tool.controls.isEnabled(ids::WriteButton));
}

TEST_F(ReadyLogger, TwoClicksWithinOneTickAreOneRequest) {
    tool.controls.userType(ids::StartDelayEdit, u"2000");
    tool.controls.userClick(ids::WriteButton);
    tool.controls.userClick(ids::WriteButton);
    tool.tick();
    tool.tick();
    EXPECT_EQ(tool.messages.shown.size(), 1u);
}

TEST_F(ReadyLogger, ARefusedFieldLeavesTheButtonOfferingTheWrite) {
    tool.controls.userSelect(ids::WindowLanguageCombo, 1);
    tool.controls.userType(ids::StartDelayEdit, u"2000");
    tool.controls.userClick(ids::WriteButton);
    tool.tick();
    ASSERT_EQ(tool.messages.shown.size(), 1u);
    EXPECT_EQ(tool.state().configPacket.writeStage, WriteStage::NoPacket);
    EXPECT_EQ(tool.text(ids::WriteButton), "Write Configuring(HID)");
    EXPECT_TRUE(tool.controls.isEnabled(ids::WriteButton));
    EXPECT_EQ(tool.state().writeReady, 1);
    EXPECT_EQ(tool.controls.focused(), ids::StartDelayEdit);
}

}  // namespace
}  // namespace lc::testing
