#include "link/LinkWorker.h"

#include <algorithm>
#include <utility>

#include "link/CommandFrame.h"
#include "link/EnumerateLoggers.h"

namespace lc {

namespace {

using std::chrono::milliseconds;

constexpr milliseconds NoticePoll{1};
constexpr milliseconds HandBackPoll{1};
constexpr milliseconds SearchPause{50};
// A read slice is waited for in short pieces, so that a stop is never kept waiting long.
constexpr milliseconds ReadPiece{20};

// The worker's own hand-back: leaves a transaction's replyAwaited alone.
void ReleaseReport(DeviceSession& session) {
    session.rxMarker.store(NothingOutstanding, std::memory_order_release);
}

}  // namespace

LinkWorker::LinkWorker(DeviceSession& session, platform::HidAccess& hid, platform::UiDispatch& uiDispatch,
                       platform::MessageBox& messages, FirmwareFrameSender* firmware, LinkTiming timing)
    : session_(session), hid_(hid), firmware_(firmware), timing_(timing), relay_(uiDispatch, messages) {}

LinkWorker::~LinkWorker() {
    stop_.request();
    relay_.stop();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void LinkWorker::start() {
    if (!thread_.joinable()) {
        thread_ = std::thread([this] { run(); });
    }
}

void LinkWorker::run() {
    while (!stop_.requested()) {
        pass();
    }
    closeLogger();
}

void LinkWorker::pass() {
    if (session_.linkEvent.load() != LinkEvent::None) {
        stop_.pauseFor(NoticePoll);
        return;
    }
    if (session_.readHandle.load() == platform::InvalidHidHandle) {
        searchAndOpen();
        return;
    }
    listen();
}

void LinkWorker::searchAndOpen() {
    if (!stop_.pauseFor(SearchPause)) {
        return;
    }
    // Saturated rather than cut to its low 8 bits, so that 256 loggers never read as none.
    const int found = EnumerateLoggers(session_, hid_);
    session_.loggerCount.store(static_cast<std::uint8_t>(std::min(found, 0xFF)));
    if (found == 0) {
        return;
    }
    session_.devicePath = session_.interfacePaths[0];
    const platform::HidHandle reading = hid_.openForReading(session_.devicePath);
    const platform::HidHandle writing = hid_.openForWriting(session_.devicePath);
    if (reading != platform::InvalidHidHandle && writing != platform::InvalidHidHandle) {
        session_.readHandle.store(reading);
        session_.writeHandle.store(writing);
        ReleaseReport(session_);
        unacknowledgedRepeats_ = 0;
        session_.linkEvent.store(LinkEvent::Opened);
        return;
    }
    // Half open is not open: close the half that opened and search again on the next pass.
    for (const platform::HidHandle opened : {reading, writing}) {
        if (opened != platform::InvalidHidHandle) {
            hid_.close(opened);
        }
    }
}

void LinkWorker::listen() {
    if (session_.rxMarker.load(std::memory_order_acquire) >= 0) {
        awaitHandBack();
        return;
    }
    session_.rxMarker.store(ReadOutstanding, std::memory_order_release);
    // The read that will catch the acknowledgement is outstanding before the frame goes out.
    if (sendNext_) {
        sendNext_ = false;
        sendFirmwareFrame(false);
    }
    int byteCount = 0;
    switch (awaitReport(byteCount)) {
        case ReadOutcome::Report:
            if (byteCount == static_cast<int>(session_.rxReport.size())) {
                takeReport();
            } else {
                checkPresence();
            }
            return;
        case ReadOutcome::Silence:
            checkPresence();
            return;
        case ReadOutcome::WaitFailed:
            tellAndWait(u"HID接收错误!");
            return;
        case ReadOutcome::Stopped:
            return;
    }
}

void LinkWorker::awaitHandBack() {
    // Only the transaction that asked for a report may hold it, and only while it waits for it or
    // reads it. Anything else (a report nobody asked for, one that came after its request gave up, one
    // published just before a firmware transfer began, which takes its acknowledgements here) is
    // thrown away, so that the worker reads on and notices a removal or a new logger.
    const std::int32_t published = session_.rxMarker.load(std::memory_order_acquire);
    const auto deadline = std::chrono::steady_clock::now() + timing_.readSlice;
    while (published >= 0 && session_.rxMarker.load(std::memory_order_acquire) == published) {
        if (session_.updateState.load() == UpdateState::Transferring || !session_.replyAwaited.load()) {
            std::int32_t unclaimed = published;
            session_.rxMarker.compare_exchange_strong(unclaimed, NothingOutstanding);
            return;
        }
        // Held for a whole slice: the removal is still noticed, and the report stays with its holder.
        if (std::chrono::steady_clock::now() >= deadline) {
            departed();
            return;
        }
        if (!stop_.pauseFor(HandBackPoll)) {
            return;
        }
    }
}

LinkWorker::ReadOutcome LinkWorker::awaitReport(int& byteCount) {
    const platform::HidHandle handle = session_.readHandle.load();
    const milliseconds slice = session_.updateState.load() == UpdateState::Transferring
                                   ? timing_.firmwareFramePace
                                   : timing_.readSlice;
    const auto deadline = std::chrono::steady_clock::now() + slice;
    while (!stop_.requested()) {
        const auto left = std::chrono::ceil<milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left <= milliseconds::zero()) {
            return ReadOutcome::Silence;
        }
        const milliseconds piece = std::min(left, ReadPiece);
        const platform::HidTransfer read =
            hid_.read(handle, session_.rxReport, static_cast<int>(piece.count()));
        switch (read.outcome) {
            case platform::HidIo::Completed:
                byteCount = read.byteCount;
                return ReadOutcome::Report;
            case platform::HidIo::TimedOut:
                break;
            case platform::HidIo::WaitFailed:
                return ReadOutcome::WaitFailed;
            case platform::HidIo::Failed:
                // A read that cannot be made is silence for the rest of the slice, unless the logger
                // has gone, which is then noticed at once.
                if (!hid_.exists(session_.devicePath)) {
                    return ReadOutcome::Silence;
                }
                stop_.pauseFor(piece);
                break;
        }
    }
    return ReadOutcome::Stopped;
}

void LinkWorker::takeReport() {
    const std::uint8_t frameLength = session_.rxReport[FrameLengthByte];
    if (!IsLegalFrameLength(frameLength)) {
        tellAndWait(u"HID接收到非法帧!");
        return;
    }
    if (session_.updateState.load() == UpdateState::Transferring) {
        takeFirmwareAcknowledgement();
        return;
    }
    session_.rxMarker.store(frameLength - MinFrameLength, std::memory_order_release);
}

void LinkWorker::takeFirmwareAcknowledgement() {
    const bool refused = session_.txReport[ReplyCodeByte] == FirmwareDataCommand &&
                         session_.rxReport[ReplyCodeByte] != FirmwareDataCommand;
    ReleaseReport(session_);
    unacknowledgedRepeats_ = 0;
    if (!refused) {
        sendNext_ = true;
        return;
    }
    session_.imageLength.store(0);
    session_.imageOffset.store(0);
    session_.imageData = {};
    session_.updateState.store(UpdateState::Idle);
    sendNext_ = false;
    tellAndWait(u"升级操作被拒绝!");
}

void LinkWorker::tellAndWait(std::u16string text) {
    // No read is outstanding while the technician reads the message: a request the UI thread makes
    // meanwhile then ends at its bounded wait for the read, instead of writing to a logger that may
    // have gone and that this thread, held here, cannot close.
    std::int32_t outstanding = ReadOutstanding;
    session_.rxMarker.compare_exchange_strong(outstanding, NothingOutstanding);
    relay_.tell(std::move(text));
}

void LinkWorker::checkPresence() {
    if (departed() || session_.updateState.load() != UpdateState::Transferring) {
        return;
    }
    if (unacknowledgedRepeats_ >= timing_.firmwareFrameRepeats) {
        abandonSilentTransfer();
        return;
    }
    ++unacknowledgedRepeats_;
    sendFirmwareFrame(true);
}

bool LinkWorker::departed() {
    if (hid_.exists(session_.devicePath)) {
        return false;
    }
    letGoOfLogger();
    return true;
}

void LinkWorker::abandonSilentTransfer() {
    // The logger is there but has stopped taking its firmware. The link is let go as if it had left:
    // the window abandons the transfer with the interruption message, and the logger, still plugged
    // in, is opened again and shown afresh.
    sendNext_ = false;
    letGoOfLogger();
}

void LinkWorker::letGoOfLogger() {
    closeLogger();
    session_.devicePath.clear();
    session_.linkEvent.store(LinkEvent::Removed);
}

void LinkWorker::closeLogger() {
    // Invalid first, so that no UI-thread loop writes to a handle that is being closed.
    for (std::atomic<platform::HidHandle>* handle : {&session_.writeHandle, &session_.readHandle}) {
        const platform::HidHandle closing = handle->exchange(platform::InvalidHidHandle);
        if (closing != platform::InvalidHidHandle) {
            hid_.close(closing);
        }
    }
}

void LinkWorker::sendFirmwareFrame(bool again) {
    if (firmware_ != nullptr) {
        firmware_->SendFirmwareFrame(again);
    }
}

}  // namespace lc
