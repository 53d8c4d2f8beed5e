#pragma once

#include <QRect>
#include <QWidget>

#include "platform/qt/DialogArt.h"
#include "vocabulary/DialogTemplate.h"

namespace lc::platform {

// Pixels per dialog unit, horizontally and vertically: the template's font is 16 pixels high and
// 8 wide on average, which is 2 pixels per unit both ways.
inline constexpr int PixelsPerDialogUnit = 2;

// The id the dialog manager gives the OK button: it ends the dialog.
inline constexpr ControlId DialogOkId = 1;

QRect ToPixels(const resources::DialogRect& rect);

// The place of a control in the dialog, in pixels. A combo's template height is the height of its
// open list; closed it is one line high.
QRect ControlGeometry(const resources::DialogControl& control);

// One control of a dialog template as a Qt widget, in its template state (text, list, enabled, hidden)
// and at its place in parent.
QWidget* MakeControlWidget(const resources::DialogTemplate& dialog, const resources::DialogControl& control,
                           const DialogArt& art, QWidget* parent);

}  // namespace lc::platform
