#pragma once

#include <cstdint>
#include <span>

#include "link/Link.h"

namespace lc {

// Reads the logger's information block with repeated 0x91 requests, gathering the reply payloads
// into block from its first byte on (bytes after them keep what they held; nothing is written past
// the end of block). True once 516 bytes or more are gathered or the logger ends the block early with
// an empty reply. UI thread only.
bool ReadInfoBlock(const Link& link, std::span<std::uint8_t> block);

}  // namespace lc
