#pragma once

#include <cstdint>
#include <span>

#include "link/Link.h"

namespace lc {

// Writes one command frame and waits for the reply the worker publishes. UI thread only.
//  0  a reply is published (rxMarker holds its payload length, rxReport the report): read it, then
//     HandBackReport; for 0x94 and 0x7F: written, or no logger is open
//  1  no logger is open, or it went away meanwhile (never for 0x94 and 0x7F)
//  2  the logger took no output report within about 3 s, or no reply came within about 3 s after it
//     did (also for 0x94 and 0x7F: a command that could not be written is never reported as sent)
//  3  the write completed with a byte count other than 64
// -1  the write could not be made and the technician has been told (the write wait failed, or the
//     frame length lies outside 6..64, in which case nothing is sent)
int SendCommand(const Link& link, std::uint8_t command, std::uint8_t frameLength, std::uint32_t offset,
                std::span<const std::uint8_t> payload);

}  // namespace lc
