#include "link/RequestExchange.h"

#include <chrono>
#include <thread>

#include "platform/HidAccess.h"

namespace lc {

namespace {

constexpr int PollLimit = 3000;  // polls of 1 ms
constexpr int WriteWaitMs = 500;

bool LoggerOpen(const DeviceSession& session) {
    return session.writeHandle.load() != platform::InvalidHidHandle;
}

void PollPause() {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

// Ends early when writeHandle turns invalid.
void PauseWhileOpen(const DeviceSession& session, std::chrono::milliseconds duration) {
    const auto end = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < end && LoggerOpen(session)) {
        PollPause();
    }
}

enum class Listening { Ready, NoLogger, WorkerBusy };

// Bounded (3000 polls): the worker may be held by one of its own messages, which only this thread can
// show, so the wait must not outlast it. Ends early when writeHandle turns invalid.
Listening AwaitListeningRead(DeviceSession& session) {
    for (int poll = 0; poll < PollLimit; ++poll) {
        const std::int32_t marker = session.rxMarker.load(std::memory_order_acquire);
        if (marker == ReadOutstanding) {
            return Listening::Ready;
        }
        if (!LoggerOpen(session)) {
            return Listening::NoLogger;
        }
        DiscardPublishedReport(session);
        PollPause();
    }
    return LoggerOpen(session) ? Listening::WorkerBusy : Listening::NoLogger;
}

// Bounded (3000 polls of 1 ms); ends early when writeHandle turns invalid.
Exchange AwaitReply(const DeviceSession& session, bool awaitsReply) {
    for (int poll = 0; poll < PollLimit; ++poll) {
        if (!LoggerOpen(session)) {
            return Exchange::NoLogger;
        }
        PollPause();
        if (!awaitsReply) {
            return Exchange::Sent;
        }
        if (session.rxMarker.load(std::memory_order_acquire) >= 0) {
            return Exchange::Replied;
        }
    }
    return LoggerOpen(session) ? Exchange::NoReply : Exchange::NoLogger;
}

}  // namespace

void DiscardPublishedReport(DeviceSession& session) {
    // Sequentially consistent, so that a firmware transfer announced just before is ordered against
    // the worker's own look at a report it has just published.
    // Only the report seen is handed back: a read the worker has issued since stays outstanding.
    std::int32_t marker = session.rxMarker.load();
    if (marker >= 0 && session.rxMarker.compare_exchange_strong(marker, NothingOutstanding)) {
        session.rxMarker.notify_all();
    }
}

Exchange ExchangeRequest(const Link& link, bool awaitsReply) {
    DeviceSession& session = link.session;
    // Ends when writeHandle turns invalid; while the logger stays open but takes no output report the
    // same report is written again, every 500 ms, as the logger is expected to take it in the end.
    for (;;) {
        switch (AwaitListeningRead(session)) {
            case Listening::Ready:
                break;
            case Listening::NoLogger:
                return Exchange::NoLogger;
            case Listening::WorkerBusy:
                return Exchange::NoReply;
        }
        // HidAccess writes are synchronous: a write that returns has nothing left outstanding, so the
        // write after a timeout never meets an earlier one still under way.
        const platform::HidTransfer sent =
            link.hid.write(session.writeHandle.load(), session.txReport, WriteWaitMs);
        switch (sent.outcome) {
            case platform::HidIo::Completed:
                if (sent.byteCount != static_cast<int>(platform::HidReport{}.size())) {
                    return Exchange::ShortWrite;
                }
                return AwaitReply(session, awaitsReply);
            case platform::HidIo::Failed:
                // A write refused at once is tried again at the pace of one that timed out, so that
                // this thread does not spin while the logger keeps refusing.
                PauseWhileOpen(session, std::chrono::milliseconds(WriteWaitMs));
                [[fallthrough]];
            case platform::HidIo::TimedOut:
                if (!LoggerOpen(session)) {
                    return Exchange::NoLogger;
                }
                break;
            case platform::HidIo::WaitFailed:
                link.messages.show(u"HID发送未知错误!");
                return Exchange::WriteWaitFailed;
        }
    }
}

}  // namespace lc
