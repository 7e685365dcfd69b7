#include "ui/main_window/screen_placement.h"

#include <QScreen>
#include <QWidget>

namespace kx {

void centreOnScreen(QWidget* window) {
    const QSize outer = window->frameGeometry().size();
    const QScreen* screen = window->screen();
    const QSize whole = screen ? screen->geometry().size() : outer;
    // The halves are single precision, as the window's placement always was.
    const float left = (whole.width() - outer.width()) / 2.0f;
    const float top = (whole.height() - outer.height()) / 2.0f;
    window->move(qRound(left), qRound(top));
}

} // namespace kx
