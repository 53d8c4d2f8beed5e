// The hidapi backend's opening, closing and refusals, on interfaces faked in umockdev's sysfs. The
// faked nodes answer none of hidraw's ioctls, so hidapi opens none of them: reading and writing a
// real hidraw node, and opening one, are left to the kernel-level test bed ("kernel" test pass).
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "link/DeviceSession.h"
#include "link/LinkWorker.h"
#include "platform/hid/HidapiAccess.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/fakes/FakeUiDispatch.h"
#include "tests/hid/FakedBus.h"

namespace lc::platform {
namespace {

using namespace std::chrono_literals;
using testing::FakedBus;
using HidapiOpenClose = testing::UnderUmockdev;

TEST_F(HidapiOpenClose, AnInterfaceThatIsNoHidDeviceOrIsNotThereIsNotOpened) {
    FakedBus bus;
    bus.add({"0400", "0003", "/dev/hidraw0"});
    HidapiAccess hid;
    ASSERT_EQ(hid.enumerate().size(), 1u);

    for (const char* path : {"/dev/hidraw0", "/dev/hidraw7", ""}) {
        EXPECT_EQ(hid.openForReading(path), InvalidHidHandle) << path;
        EXPECT_EQ(hid.openForWriting(path), InvalidHidHandle) << path;
        EXPECT_FALSE(hid.exists(path)) << path;
    }
}

TEST_F(HidapiOpenClose, TransfersAndClosesOnAHandleThatIsNotOpenFailQuietly) {
    FakedBus bus;
    HidapiAccess hid;
    HidReport report{};
    report.fill(0x5A);

    for (const HidHandle handle : {InvalidHidHandle, HidHandle{0}, HidHandle{42}}) {
        hid.close(handle);
        hid.close(handle);
        EXPECT_EQ(hid.read(handle, report, 10).outcome, HidIo::Failed) << handle;
        EXPECT_EQ(hid.write(handle, report, 10).outcome, HidIo::Failed) << handle;
    }
    EXPECT_EQ(report[63], 0x5A) << "a failed read leaves the report alone";
}

// What the technician sees of a logger whose node cannot be opened: it is counted, but never
// announced, and the worker leaves no half-open handle behind while it keeps searching.
TEST_F(HidapiOpenClose, TheLinkWorkerKeepsSearchingPastALoggerItCannotOpen) {
    FakedBus bus;
    bus.add({"0400", "0003", "/dev/hidraw0"});
    HidapiAccess hid;
    DeviceSession session;
    fakes::FakeUiDispatch uiDispatch;
    fakes::FakeMessageBox messages;
    {
        LinkWorker worker(session, hid, uiDispatch, messages, nullptr);
        worker.start();
        const auto deadline = std::chrono::steady_clock::now() + 10s;
        while (session.loggerCount.load() == 0 && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(5ms);
        }
        ASSERT_EQ(session.loggerCount.load(), 1);
        std::this_thread::sleep_for(200ms);  // a few more searches, each trying to open it
        EXPECT_EQ(session.linkEvent.load(), LinkEvent::None);
        EXPECT_EQ(session.readHandle.load(), InvalidHidHandle);
        EXPECT_EQ(session.writeHandle.load(), InvalidHidHandle);
    }
    uiDispatch.runPending();
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace lc::platform
