#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <span>
#include <string>

#include "platform/HidAccess.h"

namespace lc {

enum class LinkEvent : std::uint32_t { None = 0, Opened = 1, Removed = 2 };

enum class UpdateState : std::uint8_t { Idle = 0, Transferring = 2, AwaitingRestart = 47 };

// rxMarker values below 0; 0..58 means a report is published with that payload length.
inline constexpr std::int32_t NothingOutstanding = -1;
inline constexpr std::int32_t ReadOutstanding = -2;

inline constexpr std::size_t InterfacePathSlots = 27;

// The link record shared by the UI thread and the link worker. They meet only through its atomic
// words; the plain fields are handed over by those words:
//  - rxReport belongs to the worker while rxMarker is negative and to the UI-thread transaction once a
//    payload length (0..58) is published there with release order, until the transaction writes -1;
//  - replyAwaited is set by a UI-thread transaction before it writes its request and stays set while
//    it waits for the reply or holds the one published; a report published while it is clear is one
//    nobody asked for, and the worker throws it away;
//  - txReport and the writes belong to the UI thread outside a firmware transfer and to the worker
//    during one (after the first frame);
//  - interfacePaths and devicePath are the worker's alone;
//  - imageData is set by the UI thread before it publishes Transferring and cleared by whoever ends the
//    transfer before it publishes the next updateState.
struct DeviceSession {
    std::array<std::string, InterfacePathSlots> interfacePaths{};
    std::atomic<std::uint8_t> loggerCount{0};
    std::string devicePath;
    std::atomic<platform::HidHandle> readHandle{platform::InvalidHidHandle};
    std::atomic<platform::HidHandle> writeHandle{platform::InvalidHidHandle};
    platform::HidReport rxReport{};
    std::atomic<std::int32_t> rxMarker{NothingOutstanding};
    std::atomic<bool> replyAwaited{false};
    platform::HidReport txReport{};
    std::atomic<LinkEvent> linkEvent{LinkEvent::None};
    std::atomic<UpdateState> updateState{UpdateState::Idle};

    std::span<const std::uint8_t> imageData;
    std::atomic<std::uint32_t> imageLength{0};
    std::atomic<std::uint32_t> imageOffset{0};
};

// The UI-thread transaction is done with the published report, or with its wait for one: the worker
// reads again, and throws away whatever comes until the next request.
inline void HandBackReport(DeviceSession& session) {
    // The marker first: cleared before it, the flag would let the worker drop this report and read
    // again, and the -1 written after that would hide the read now outstanding.
    session.rxMarker.store(NothingOutstanding, std::memory_order_release);
    session.replyAwaited.store(false);
}

}  // namespace lc
