#pragma once

#include <atomic>
#include <cstdint>

#include "link/DeviceSession.h"
#include "link/FirmwareFrameSender.h"
#include "link/LinkTiming.h"
#include "platform/HidAccess.h"
#include "platform/Ui.h"
#include "platform/UiDispatch.h"
#include "protocol/DeviceInfo.h"
#include "protocol/firmware/FirmwareImages.h"

namespace lc {

// Brings a logger's firmware up to date. The UI thread starts the transfer and writes its first frame;
// the link worker writes every further one through SendFirmwareFrame.
class FirmwareUpdate : public FirmwareFrameSender {
  public:
    FirmwareUpdate(DeviceSession& session, const FirmwareImages& images, platform::HidAccess& hid,
                   platform::Ui ui, platform::UiDispatch& uiDispatch, LinkTiming timing = {});

    // UI thread, for the write request. True when the request is taken here (a transfer started, one
    // is under way, or more than one logger is attached); false when this logger has nothing to
    // update and the configuration write goes ahead.
    bool StartFirmwareUpdate(const DeviceInfo& info);

    // Link worker, during the transfer: the next frame, or the current one again.
    void SendFirmwareFrame(bool again) override;

  private:
    enum class NextFrame { None, Frame, ClosingFrame };

    bool armImageFor(const DeviceInfo& info);
    NextFrame buildNextFrame();
    void writeCurrentFrame();
    void enterAwaitingRestart();
    void postButtonText(std::u16string text, bool invalidate);

    DeviceSession& session_;
    const FirmwareImages& images_;
    platform::HidAccess& hid_;
    platform::Ui ui_;
    platform::UiDispatch& uiDispatch_;
    LinkTiming timing_;
    // Set while the UI thread writes the first frame: the worker, which may already hold its
    // acknowledgement, waits for that write to return before it touches txReport or the handle.
    std::atomic<bool> firstFrameWriting_{false};
};

}  // namespace lc
