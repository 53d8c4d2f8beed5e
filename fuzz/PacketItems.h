#pragma once

#include "protocol/ConfigPacket.h"

namespace lc::fuzz {

// Walks a ready packet as the logger reads it: every item has its lead, a length that holds its
// framing and stays inside the used bytes, and a checksum that matches; the last item ends the
// settings and the used length stays inside the buffer.
void RequireWellFormedItems(const ConfigPacket& packet);

}  // namespace lc::fuzz
