#include "caption_font.h"

#include <QFont>
#include <QFontInfo>

namespace painter {

bool captionFontInstalled() {
    // Asked through a font as the captions use it, so that fontconfig's substitutes do not count.
    QFont font(captionFamily());
    font.setBold(true);
    return QFontInfo(font).family() == captionFamily();
}

} // namespace painter
