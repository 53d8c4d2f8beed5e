#include <gtest/gtest.h>

#include <functional>

#include "sim/BlockFields.h"
#include "sim/LoggerPresets.h"
#include "tests/app/ToolUnderTest.h"
#include "vocabulary/ControlIds.h"

namespace lc::testing {
namespace {

TEST(LoggerArrival, TheFirstTickLeavesAnOpenedLoggerForTheSecond) {
    ToolUnderTest tool;
    tool.bus.plugIn(sim::DemoLogger());
    ASSERT_TRUE(tool.noticePosted(LinkEvent::Opened));

    tool.tick();
    EXPECT_EQ(tool.text(ids::WriteButton), "请插入设备");
    EXPECT_FALSE(tool.controls.isEnabled(ids::WriteButton));
    EXPECT_EQ(tool.state().session.linkEvent.load(), LinkEvent::Opened);

    tool.tick();
    EXPECT_EQ(tool.text(ids::WriteButton), "写入配置(HID)");
    EXPECT_TRUE(tool.controls.isEnabled(ids::WriteButton));
    EXPECT_EQ(tool.state().writeReady, 1);
    EXPECT_EQ(tool.text(ids::DeviceNameEdit), "Demo TH Logger");
    EXPECT_TRUE(tool.messages.shown.empty());
}

TEST(LoggerArrival, ShowsTheRecordingDurationOnTheTickAfter) {
    ToolUnderTest tool;
    tool.tick();
    tool.plugInAndTake(sim::DemoLogger());
    tool.tick();
    // 64 KiB of 26-bit temperature and humidity records, one every 10 minutes.
    EXPECT_EQ(tool.text(ids::DurationDisplay), "最大记录时长:140.0天/20164点");
}

TEST(LoggerArrival, WithTheSettingsLockedOnlyTheDeviceIdChanges) {
    ToolUnderTest tool;
    tool.tick();
    tool.controls.setChecked(ids::LockBox, true);
    tool.plugInAndTake(sim::DemoLogger());
    EXPECT_EQ(tool.text(ids::DeviceIdEdit), "DEMO-000001");
    EXPECT_EQ(tool.text(ids::DeviceNameEdit), "");
    EXPECT_EQ(tool.text(ids::IntervalEdit), "5");
    EXPECT_EQ(tool.text(ids::WriteButton), "写入配置(HID)");
}

TEST(LoggerArrival, ALoggerThatIsNotReadOrNotOfAConfigurableTypeIsLeftAloneSilently) {
    struct Case {
        const char* name;
        std::function<void(sim::LoggerDescription&)> describe;
        std::function<void(sim::VirtualLogger&)> misbehave;
    };
    const Case cases[] = {
        {"foreign device type", [](sim::LoggerDescription& d) { d.block[sim::field::DeviceType] = 0x55; },
         [](sim::VirtualLogger&) {}},
        {"information read fails", [](sim::LoggerDescription&) {},
         [](sim::VirtualLogger& logger) { logger.answerWithForeignCode(100, 0x42); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ToolUnderTest tool;
        tool.tick();
        sim::LoggerDescription description = sim::DemoLogger();
        c.describe(description);
        c.misbehave(tool.bus.plugIn(description));
        ASSERT_TRUE(tool.noticePosted(LinkEvent::Opened));
        tool.tick();
        EXPECT_EQ(tool.text(ids::WriteButton), "请插入设备");
        EXPECT_FALSE(tool.controls.isEnabled(ids::WriteButton));
        EXPECT_EQ(tool.text(ids::DeviceNameEdit), "");
        EXPECT_TRUE(tool.messages.shown.empty());
        EXPECT_EQ(tool.state().writeReady, 0);
    }
}

TEST(LoggerRemoval, ReturnsTheWindowToItsNoLoggerStateKeepingTheForm) {
    ToolUnderTest tool;
    tool.controls.userSelect(ids::WindowLanguageCombo, 1);
    tool.tick();
    sim::VirtualLogger& logger = tool.plugInAndTake(sim::DemoLogger());
    tool.tick();
    tool.unplugAndTake(logger);
    EXPECT_EQ(tool.text(ids::WriteButton), "Please connect the device");
    EXPECT_FALSE(tool.controls.isEnabled(ids::WriteButton));
    EXPECT_EQ(tool.text(ids::DurationDisplay), "Lasting Days:");
    EXPECT_EQ(tool.state().writeReady, 0);
    EXPECT_EQ(tool.text(ids::DeviceNameEdit), "Demo TH Logger");
    EXPECT_TRUE(tool.messages.shown.empty());
}

}  // namespace
}  // namespace lc::testing
