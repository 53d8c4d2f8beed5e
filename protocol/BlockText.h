#pragma once

#include <string>

#include "protocol/InfoBlock.h"
#include "protocol/InfoBlockLayout.h"

namespace lc {

// A text slot as the window shows it: the bytes before the slot's first zero, or the whole slot when
// it has none, from the logger's code page. Nothing past the slot is read.
std::u16string BlockText(const InfoBlock& block, infoblock::TextSlot slot);

}  // namespace lc
