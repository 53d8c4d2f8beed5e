#include "sim/UsbPacedHid.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <thread>

#include "link/DeviceSession.h"
#include "link/Link.h"
#include "link/LinkWorker.h"
#include "link/ReadInfoBlock.h"
#include "sim/LoggerPresets.h"
#include "sim/VirtualHidBus.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/fakes/FakeUiDispatch.h"

namespace lc::sim {
namespace {

using namespace std::chrono_literals;

// The real link worker and the information read on a logger behind a full-speed USB link: each
// request and its reply take a frame of their own, and nothing is lost or reordered on the way.
TEST(UsbPacedHid, EachRequestAndItsReplyTakeAFrameEachWayAndArriveWhole) {
    DeviceSession session;
    VirtualHidBus bus;
    UsbPacedHid usb(bus);
    fakes::FakeUiDispatch uiDispatch;
    fakes::FakeMessageBox messages;
    const VirtualLogger& logger = bus.plugIn(DemoLogger());
    LinkWorker worker(session, usb, uiDispatch, messages, nullptr);
    worker.start();
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (session.linkEvent.load() != LinkEvent::Opened && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(1ms);
    }
    ASSERT_EQ(session.linkEvent.exchange(LinkEvent::None), LinkEvent::Opened);

    std::array<std::uint8_t, LoggerBlockBytes> block{};
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(ReadInfoBlock({session, usb, messages}, block));
    const auto took = std::chrono::steady_clock::now() - start;

    EXPECT_EQ(block, DemoLoggerBlock());
    const std::size_t requests = logger.receivedReports().size();
    EXPECT_EQ(requests, 9u);  // 516 bytes in 58-byte slices
    EXPECT_GE(took, requests * 2ms);
    EXPECT_TRUE(messages.shown.empty());
}

}  // namespace
}  // namespace lc::sim
