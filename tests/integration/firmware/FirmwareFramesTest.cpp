#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Text.h"
#include "protocol/firmware/FirmwareUpdate.h"
#include "sim/LoggerPresets.h"
#include "sim/VirtualHidBus.h"
#include "tests/fakes/FakeControls.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/fakes/FakeUiDispatch.h"
#include "tests/integration/firmware/CaseName.h"
#include "tests/integration/firmware/TestImages.h"
#include "vocabulary/ControlIds.h"

namespace lc {
namespace {

std::uint32_t OffsetOf(const platform::HidReport& frame) {
    return frame[3] | frame[4] << 8 | frame[5] << 16;
}

class FirmwareFrames : public ::testing::Test {
  protected:
    FirmwareFrames() {
        session.writeHandle.store(bus.openForWriting(bus.pathOf(logger)));
        session.loggerCount.store(1);
        // The window's Ready state.
        controls.setText(ids::WriteButton, u"写入配置(HID)");
        controls.enable(ids::WriteButton, true);
    }

    // What the logger has received; with no reading handle open its replies go nowhere.
    std::vector<platform::HidReport> Written() const { return logger.receivedReports(); }

    // Acknowledges every frame the way the worker does, noting the button's text after each one.
    void AcknowledgeUntilRestart() {
        buttonAfterFrame.push_back(ButtonText());
        while (session.updateState.load() == UpdateState::Transferring) {
            update.SendFirmwareFrame(false);
            buttonAfterFrame.push_back(ButtonText());
        }
    }

    std::string ButtonText() {
        dispatch.runPending();
        return platform::Utf16ToUtf8(controls.text(ids::WriteButton));
    }

    testing::TemporaryFolder folder;
    FirmwareImages images = testing::SupplyEveryImage(folder);
    sim::VirtualHidBus bus;
    const sim::VirtualLogger& logger = bus.plugIn(sim::DemoLogger());
    DeviceSession session;
    fakes::FakeControls controls;
    fakes::FakeMessageBox messages;
    fakes::FakeUiDispatch dispatch;
    FirmwareUpdate update{session, images, bus, platform::Ui{controls, messages}, dispatch};
    std::vector<std::string> buttonAfterFrame;
};

DeviceInfo Logger(std::uint16_t version, std::uint8_t model, std::uint8_t type) {
    DeviceInfo info;
    info.firmwareVersion = version;
    info.modelCode = model;
    info.capabilityFlags = 0x0C;
    info.deviceType = type;
    return info;
}

struct Transfer {
    const char* what;
    friend void PrintTo(const Transfer& tested, std::ostream* out) { *out << tested.what; }
    DeviceInfo logger;
    FirmwareModel model;
    std::size_t dataFrames;
    std::uint32_t lastPayload;
};

class WholeTransfer : public FirmwareFrames, public ::testing::WithParamInterface<Transfer> {};

TEST_P(WholeTransfer, SendsTheImageInSlicesThenTheEmptyAndTheClosingFrame) {
    const Transfer& t = GetParam();
    const std::span<const std::uint8_t> image = images.find(t.model)->bytes();

    ASSERT_TRUE(update.StartFirmwareUpdate(t.logger));
    EXPECT_FALSE(controls.isEnabled(ids::WriteButton));
    AcknowledgeUntilRestart();

    const std::vector<platform::HidReport> written = Written();
    ASSERT_EQ(written.size(), t.dataFrames + 2);
    std::uint32_t offset = 0;
    for (std::size_t i = 0; i < t.dataFrames; ++i) {
        const platform::HidReport& frame = written[i];
        const std::uint32_t payload = i + 1 < t.dataFrames ? 56 : t.lastPayload;
        ASSERT_EQ(frame[0], 0x01);
        ASSERT_EQ(frame[1], 0x93);
        ASSERT_EQ(frame[2], 6 + payload) << "frame " << i;
        ASSERT_EQ(OffsetOf(frame), offset) << "frame " << i;
        ASSERT_TRUE(std::equal(frame.begin() + 6, frame.begin() + 6 + payload, image.begin() + offset));
        ASSERT_TRUE(
            std::all_of(frame.begin() + 6 + payload, frame.end(), [](std::uint8_t b) { return b == 0; }));
        offset += payload;
    }
    EXPECT_EQ(offset, image.size());

    platform::HidReport empty{
        0x01, 0x93, 6, static_cast<std::uint8_t>(image.size()), static_cast<std::uint8_t>(image.size() >> 8),
        0};
    EXPECT_EQ(written[t.dataFrames], empty);
    EXPECT_EQ(written[t.dataFrames + 1], (platform::HidReport{0x01, 0x7F, 6}));
    EXPECT_EQ(logger.firmwareViolations(), std::vector<std::string>{});

    EXPECT_EQ(session.updateState.load(), UpdateState::AwaitingRestart);
    EXPECT_EQ(session.imageLength.load(), 0u);
    EXPECT_EQ(session.imageOffset.load(), 0u);
    EXPECT_TRUE(session.imageData.empty());
    EXPECT_EQ(buttonAfterFrame.back(), "正在更新固件");
    EXPECT_GE(controls.control(ids::WriteButton).invalidations, 1);
    EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(
    FirmwareFrames, WholeTransfer,
    ::testing::Values(Transfer{"Model98", Logger(0x4068, 98, 160), FirmwareModel::Model98, 1116, 24},
                      Transfer{"Bit7", Logger(0x4065, 0x80, 131), FirmwareModel::ModelBit7, 1107, 16}),
    testing::CaseName());

TEST_F(FirmwareFrames, ProgressShowsFromTheTwelfthFrameOnAndEndsAt99) {
    ASSERT_TRUE(update.StartFirmwareUpdate(Logger(0x4001, 7, 160)));
    AcknowledgeUntilRestart();

    // buttonAfterFrame[i] is the text once i + 1 frames have gone.
    for (std::size_t i = 0; i < 11; ++i) {
        EXPECT_EQ(buttonAfterFrame[i], "写入配置(HID)") << "after frame " << i + 1;
    }
    EXPECT_EQ(buttonAfterFrame[11], "升级中(01%)");
    EXPECT_EQ(buttonAfterFrame[1115], "升级中(99%)");  // the last data frame
    EXPECT_EQ(buttonAfterFrame[1116], "升级中(99%)");  // the empty data frame changes nothing
    std::vector<std::string> shown;
    for (const std::string& text : buttonAfterFrame) {
        if (shown.empty() || shown.back() != text) {
            shown.push_back(text);
        }
    }
    ASSERT_EQ(shown.size(), 1 + 99 + 1);
    EXPECT_EQ(shown[50], "升级中(50%)");
}

TEST_F(FirmwareFrames, AFrameWrittenAgainIsTheSameFrame) {
    ASSERT_TRUE(update.StartFirmwareUpdate(Logger(0x4001, 4, 131)));
    update.SendFirmwareFrame(false);
    update.SendFirmwareFrame(true);
    update.SendFirmwareFrame(true);

    ASSERT_EQ(Written().size(), 4u);
    EXPECT_EQ(OffsetOf(Written()[1]), 56u);
    EXPECT_EQ(Written()[2], Written()[1]);
    EXPECT_EQ(Written()[3], Written()[1]);
    EXPECT_EQ(session.imageOffset.load(), 112u);
}

struct Declined {
    const char* what;
    friend void PrintTo(const Declined& tested, std::ostream* out) { *out << tested.what; }
    DeviceInfo logger;
};

class DeclinedUpdate : public FirmwareFrames, public ::testing::WithParamInterface<Declined> {};

TEST_P(DeclinedUpdate, SendsNothingAndLetsTheWriteGoAhead) {
    EXPECT_FALSE(update.StartFirmwareUpdate(GetParam().logger));
    EXPECT_TRUE(Written().empty());
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(session.updateState.load(), UpdateState::Idle);
    EXPECT_EQ(session.imageLength.load(), 0u);
    EXPECT_TRUE(controls.isEnabled(ids::WriteButton));
}

INSTANTIATE_TEST_SUITE_P(FirmwareFrames, DeclinedUpdate,
                         ::testing::Values(Declined{"Model98Current", Logger(0x4069, 98, 160)},
                                           Declined{"Model7Newer", Logger(0x40FF, 7, 160)},
                                           Declined{"Model4Current", Logger(0x4069, 4, 131)},
                                           Declined{"Bit7Current", Logger(0x4066, 0x80, 131)},
                                           Declined{"Bit7Newer", Logger(0x4067, 0x80, 131)},
                                           Declined{"OtherFamily", Logger(0x3001, 98, 160)},
                                           Declined{"NotAnUpdatableModel", Logger(0x4001, 9, 160)}),
                         testing::CaseName());

TEST_F(FirmwareFrames, NoImageFileMeansNoUpdate) {
    std::filesystem::remove(folder.path() / KindOf(FirmwareModel::Model4).fileName);
    images = FirmwareImages::Load({folder.path()});
    EXPECT_FALSE(update.StartFirmwareUpdate(Logger(0x4001, 4, 131)));
    EXPECT_TRUE(Written().empty());
    EXPECT_TRUE(messages.shown.empty());
}

struct Mismatch {
    const char* what;
    friend void PrintTo(const Mismatch& tested, std::ostream* out) { *out << tested.what; }
    std::uint8_t model;
    std::uint8_t hardwareCode;
    std::uint8_t deviceType;
};

class ModelMismatch : public FirmwareFrames, public ::testing::WithParamInterface<Mismatch> {};

TEST_P(ModelMismatch, SaysSoAndLetsTheWriteGoAhead) {
    DeviceInfo info = Logger(0x4001, GetParam().model, GetParam().deviceType);
    info.hardwareCode = GetParam().hardwareCode;

    EXPECT_FALSE(update.StartFirmwareUpdate(info));

    EXPECT_EQ(messages.texts(), std::vector<std::string>{"固件PID/VID不匹配!"});
    EXPECT_TRUE(Written().empty());
    EXPECT_EQ(session.updateState.load(), UpdateState::Idle);
    EXPECT_EQ(session.imageLength.load(), 0u);
    EXPECT_TRUE(session.imageData.empty());
}

INSTANTIATE_TEST_SUITE_P(FirmwareFrames, ModelMismatch,
                         ::testing::Values(Mismatch{"Bit7OnType160", 0x80, 0x00, 160},
                                           Mismatch{"HardwareCodeOn98", 98, 0x01, 160},
                                           Mismatch{"HardwareCodeOn4", 4, 0xFF, 131}),
                         testing::CaseName());

TEST_F(FirmwareFrames, TwoLoggersWithNothingDueLetTheWriteGoAhead) {
    session.loggerCount.store(2);
    EXPECT_FALSE(update.StartFirmwareUpdate(Logger(0x4069, 98, 160)));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(FirmwareFrames, ARequestDuringAnUpdateStartsNothing) {
    ASSERT_TRUE(update.StartFirmwareUpdate(Logger(0x4001, 98, 160)));
    const std::uint32_t offset = session.imageOffset.load();
    EXPECT_TRUE(update.StartFirmwareUpdate(Logger(0x4001, 98, 160)));
    EXPECT_EQ(Written().size(), 1u);
    EXPECT_EQ(session.imageOffset.load(), offset);
}

}  // namespace
}  // namespace lc
