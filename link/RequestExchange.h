#pragma once

#include "link/Link.h"

namespace lc {

// How one request written from txReport ended.
enum class Exchange {
    Replied,         // a reply is published in rxReport; rxMarker holds its payload length
    Sent,            // the request needs no reply and has been written
    NoLogger,        // no logger is open, or it went away meanwhile
    NoReply,         // nothing came back within the request's bound
    NotWritten,      // the logger took no output report within the request's bound
    ShortWrite,      // the write completed with a byte count other than 64
    WriteWaitFailed  // waiting for the write failed; the technician has been told
};

// Throws away a report nobody took, so that the worker reads again.
void DiscardPublishedReport(DeviceSession& session);

// Writes txReport once the worker's read that will catch the reply is outstanding, and waits for the
// reply when one is awaited. Replied and Sent leave the reply (if any) to the caller until it calls
// HandBackReport; every other outcome has let go of it. UI thread only.
Exchange ExchangeRequest(const Link& link, bool awaitsReply);

}  // namespace lc
