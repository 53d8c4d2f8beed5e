#pragma once

#include <chrono>

namespace lc {

// The link's time bounds in one place. The defaults are the tool's own; tests of the failure paths
// may run them scaled down.
struct LinkTiming {
    // The worker waits this long for an input report before it asks whether the logger is still there.
    std::chrono::milliseconds readSlice{1000};
    // One write of an output report; a write the kernel has not finished by then is given up on.
    std::chrono::milliseconds writeAttempt{500};
    // A request's write side (the wait for the worker's listening read and every write attempt
    // together), and then again its reply wait: about 3 s each, so that a logger that takes no output
    // report or never answers freezes the window for no longer than that.
    std::chrono::milliseconds requestBound{3000};
    // A firmware frame without acknowledgement is written again after this much silence...
    std::chrono::milliseconds firmwareFramePace{1000};
    // ...at most this many times in a row; a logger that has acknowledged none of them has stopped
    // taking its firmware, and the transfer is abandoned.
    int firmwareFrameRepeats{5};
};

}  // namespace lc
