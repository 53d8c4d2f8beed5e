#include "link/RequestExchange.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/HidAccess.h"

namespace lc {

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

bool LoggerOpen(const DeviceSession& session) {
    return session.writeHandle.load() != platform::InvalidHidHandle;
}

void PollPause() {
    std::this_thread::sleep_for(milliseconds(1));
}

milliseconds LeftUntil(Clock::time_point deadline) {
    return std::max(milliseconds::zero(), std::chrono::ceil<milliseconds>(deadline - Clock::now()));
}

// Ends early when writeHandle turns invalid.
void PauseWhileOpen(const DeviceSession& session, milliseconds duration) {
    const auto end = Clock::now() + duration;
    while (Clock::now() < end && LoggerOpen(session)) {
        PollPause();
    }
}

enum class Listening { Ready, NoLogger, WorkerBusy };

// Bounded: the worker may be held by one of its own messages, which only this thread can show, so the
// wait must not outlast it. Ends early when writeHandle turns invalid.
Listening AwaitListeningRead(DeviceSession& session, Clock::time_point deadline) {
    do {
        const std::int32_t marker = session.rxMarker.load(std::memory_order_acquire);
        if (marker == ReadOutstanding) {
            return Listening::Ready;
        }
        if (!LoggerOpen(session)) {
            return Listening::NoLogger;
        }
        DiscardPublishedReport(session);
        PollPause();
    } while (Clock::now() < deadline);
    return LoggerOpen(session) ? Listening::WorkerBusy : Listening::NoLogger;
}

// Bounded; ends early when writeHandle turns invalid.
Exchange AwaitReply(const DeviceSession& session, bool awaitsReply, milliseconds bound) {
    const auto deadline = Clock::now() + bound;
    do {
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
    } while (Clock::now() < deadline);
    return LoggerOpen(session) ? Exchange::NoReply : Exchange::NoLogger;
}

// Writes the request within the request's bound. A logger that stays open but takes no output report
// gets the same report again, one attempt after the other, until the bound is spent.
Exchange WriteRequest(const Link& link) {
    DeviceSession& session = link.session;
    const LinkTiming& timing = link.timing;
    const auto deadline = Clock::now() + timing.requestBound;
    for (;;) {
        switch (AwaitListeningRead(session, deadline)) {
            case Listening::Ready:
                break;
            case Listening::NoLogger:
                return Exchange::NoLogger;
            case Listening::WorkerBusy:
                return Exchange::NoReply;
        }
        const milliseconds attempt = std::min(timing.writeAttempt, LeftUntil(deadline));
        if (attempt <= milliseconds::zero()) {
            return Exchange::NotWritten;
        }
        // The platform's write keeps its own time limit and never starts over a write still under way.
        const platform::HidTransfer sent =
            link.hid.write(session.writeHandle.load(), session.txReport, static_cast<int>(attempt.count()));
        switch (sent.outcome) {
            case platform::HidIo::Completed:
                return sent.byteCount == static_cast<int>(platform::HidReport{}.size())
                           ? Exchange::Sent
                           : Exchange::ShortWrite;
            case platform::HidIo::Failed:
                // A write refused at once is tried again at the pace of one that timed out, so that
                // this thread does not spin while the logger keeps refusing.
                PauseWhileOpen(session, attempt);
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

Exchange WriteAndAwaitReply(const Link& link, bool awaitsReply) {
    const Exchange written = WriteRequest(link);
    if (written != Exchange::Sent) {
        return written;
    }
    return AwaitReply(link.session, awaitsReply, link.timing.requestBound);
}

}  // namespace

void DiscardPublishedReport(DeviceSession& session) {
    // Sequentially consistent, so that a firmware transfer announced just before is ordered against
    // the worker's own look at a report it has just published.
    // Only the report seen is handed back: a read the worker has issued since stays outstanding.
    std::int32_t marker = session.rxMarker.load();
    if (marker >= 0) {
        session.rxMarker.compare_exchange_strong(marker, NothingOutstanding);
    }
}

Exchange ExchangeRequest(const Link& link, bool awaitsReply) {
    DeviceSession& session = link.session;
    // Set before the request goes out, so that its reply, whenever it comes, finds it set.
    session.replyAwaited.store(true);
    const Exchange outcome = WriteAndAwaitReply(link, awaitsReply);
    if (outcome != Exchange::Replied && outcome != Exchange::Sent) {
        session.replyAwaited.store(false);
    }
    return outcome;
}

}  // namespace lc
