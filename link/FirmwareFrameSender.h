#pragma once

namespace lc {

// Writes the frames of a firmware transfer. The UI thread writes the first frame as it starts the
// transfer; the link worker writes every further one, after the logger has acknowledged the previous
// frame (again = false), or the current frame once more when no acknowledgement came (again = true).
class FirmwareFrameSender {
  public:
    virtual ~FirmwareFrameSender() = default;
    virtual void SendFirmwareFrame(bool again) = 0;
};

}  // namespace lc
