#pragma once

#include <string>

#include "protocol/InfoBlock.h"
#include "protocol/InfoBlockLayout.h"

namespace lc {

// A text slot as the window shows it: the bytes before the slot's first zero, from the logger's code
// page, cut to one character less than the slot is wide.
std::u16string BlockText(const InfoBlock& block, infoblock::TextSlot slot);

}  // namespace lc
