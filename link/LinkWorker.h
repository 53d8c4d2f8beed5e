#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <thread>

#include "link/DeviceSession.h"
#include "link/FirmwareFrameSender.h"
#include "link/LinkTiming.h"
#include "link/MessageRelay.h"
#include "link/StopSignal.h"
#include "platform/HidAccess.h"
#include "platform/MessageBox.h"
#include "platform/UiDispatch.h"

namespace lc {

// The link's background thread: finds a logger, opens it, keeps one input-report read going,
// publishes every valid report through rxMarker, notices the logger's removal, announces arrival and
// removal through linkEvent, and drives a firmware transfer frame by frame. Runs from start() until
// the object is destroyed; the destructor stops it promptly, whatever it waits for, and joins it.
class LinkWorker {
  public:
    // firmware may be null when the tool carries no firmware transfer.
    LinkWorker(DeviceSession& session, platform::HidAccess& hid, platform::UiDispatch& uiDispatch,
               platform::MessageBox& messages, FirmwareFrameSender* firmware, LinkTiming timing = {});
    ~LinkWorker();
    LinkWorker(const LinkWorker&) = delete;
    LinkWorker& operator=(const LinkWorker&) = delete;

    void start();

  private:
    enum class ReadOutcome { Report, Silence, WaitFailed, Stopped };

    void run();
    void pass();
    void searchAndOpen();
    void listen();
    void awaitHandBack();
    ReadOutcome awaitReport(int& byteCount);
    void takeReport();
    void takeFirmwareAcknowledgement();
    void tellAndWait(std::u16string text);
    void checkPresence();
    bool departed();
    void abandonSilentTransfer();
    void letGoOfLogger();
    void closeLogger();
    void sendFirmwareFrame(bool again);

    DeviceSession& session_;
    platform::HidAccess& hid_;
    FirmwareFrameSender* firmware_;
    LinkTiming timing_;
    MessageRelay relay_;
    StopSignal stop_;
    bool sendNext_ = false;
    int unacknowledgedRepeats_ = 0;
    std::thread thread_;
};

}  // namespace lc
