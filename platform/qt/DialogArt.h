#pragma once

#include <QFont>
#include <QPixmap>

namespace lc::platform {

// What a dialog built from a template draws besides its controls.
struct DialogArt {
    QPixmap background;  // scaled over the whole client area; none: the plain window colour
    QPixmap icon;        // shown by the template's icon controls
    QFont font;          // the template's own font
};

}  // namespace lc::platform
