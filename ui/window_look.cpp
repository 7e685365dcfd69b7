#include "ui/window_look.h"

namespace kx {

QFont windowFont() {
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setWeight(QFont::Normal);
    // Set explicitly, so a control inside a frame never takes over the caption's underline.
    font.setUnderline(false);
    return font;
}

} // namespace kx
