#include "app/main/WindowArt.h"

#include <QStringList>

// The pictures are compiled into a library: name them once so the linker keeps them.
static void LoadArtResources() {
    Q_INIT_RESOURCE(window_art);
}

namespace lc {
namespace {

// The templates' font is 宋体 at 16 pixels; the desktop's own CJK font stands in where it is missing.
QFont DialogFont() {
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("SimSun"), QStringLiteral("WenQuanYi Zen Hei")});
    font.setPixelSize(14);
    return font;
}

}  // namespace

platform::DialogArt LoadWindowArt() {
    LoadArtResources();
    return platform::DialogArt{QPixmap(QStringLiteral(":/art/background.png")),
                               QPixmap(QStringLiteral(":/art/icon.png")), DialogFont()};
}

platform::DialogArt AboutBoxArt(const platform::DialogArt& window) {
    return platform::DialogArt{QPixmap(), window.icon, window.font};
}

}  // namespace lc
