#pragma once

#include "platform/qt/DialogArt.h"

namespace lc {

// The configuration window's background, the application icon and the dialogs' font.
platform::DialogArt LoadWindowArt();

// The About box: the same icon and font on the plain window colour.
platform::DialogArt AboutBoxArt(const platform::DialogArt& window);

}  // namespace lc
