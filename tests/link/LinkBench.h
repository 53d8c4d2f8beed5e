#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "link/DeviceSession.h"
#include "link/Link.h"
#include "link/LinkWorker.h"
#include "sim/LoggerPresets.h"
#include "sim/VirtualHidBus.h"
#include "tests/fakes/FakeMessageBox.h"
#include "tests/fakes/FakeUiDispatch.h"

namespace lc::testing {

using namespace std::chrono_literals;

// The tool's link on a virtual bus: the real worker thread, with the test thread as the UI thread.
struct LinkBench {
    DeviceSession session;
    sim::VirtualHidBus bus;
    fakes::FakeUiDispatch uiDispatch;
    fakes::FakeMessageBox messages;
    Link link{session, bus, messages};
    std::unique_ptr<LinkWorker> worker;

    void start(FirmwareFrameSender* firmware = nullptr, LinkTiming timing = {}) {
        worker = std::make_unique<LinkWorker>(session, bus, uiDispatch, messages, firmware, timing);
        worker->start();
    }

    // Runs the UI thread's event loop until the condition holds or the time is up.
    bool pumpUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit = 2000ms) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        for (;;) {
            uiDispatch.runPending();
            if (condition()) {
                return true;
            }
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(1ms);
        }
    }

    // Waits for the worker's notice and takes it, as the tick does.
    bool takeNotice(LinkEvent expected, std::chrono::milliseconds limit = 2000ms) {
        if (!pumpUntil([&] { return session.linkEvent.load() == expected; }, limit)) {
            return false;
        }
        session.linkEvent.store(LinkEvent::None);
        return true;
    }

    // Plugs in the demonstration logger, or the one given, and takes the worker's Opened notice.
    sim::VirtualLogger& openLogger(sim::LoggerDescription description = sim::DemoLogger()) {
        sim::VirtualLogger& logger = bus.plugIn(std::move(description));
        start();
        takeNotice(LinkEvent::Opened);
        return logger;
    }

    // As a transaction does while it waits for its reply: the worker keeps what it publishes.
    void awaitReply() { session.replyAwaited.store(true); }

    bool published() const { return session.rxMarker.load(std::memory_order_acquire) >= 0; }
};

// A report the logger sends of its own accord.
inline sim::InputReport Frame(std::uint8_t code, std::uint8_t frameLength, int length = 64) {
    sim::InputReport report;
    report.bytes[0] = 0x01;
    report.bytes[1] = code;
    report.bytes[2] = frameLength;
    report.length = length;
    return report;
}

}  // namespace lc::testing
