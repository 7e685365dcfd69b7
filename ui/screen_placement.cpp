#include "ui/screen_placement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace kx {
namespace {

// Places the window again at its first exposure when the frame has changed meanwhile.
class FirstExposure : public QObject {
public:
    FirstExposure(QWindow* window, QMargins frame, std::function<void(const QMargins&)> place)
        : QObject(window), window(window), frame(frame), place(std::move(place)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window && event->type() == QEvent::Expose && window->isExposed()) {
            if (window->frameMargins() != frame) {
                place(window->frameMargins());
            }
            deleteLater();
            window->removeEventFilter(this);
        }
        return false;
    }

private:
    QWindow* window;
    QMargins frame;
    std::function<void(const QMargins&)> place;
};

} // namespace

void centreOnScreen(QWidget* window, QSize outer) {
    const QScreen* screen = window->screen();
    const QSize whole = screen ? screen->geometry().size() : outer;
    // The halves are single precision, as the window's placement always was.
    const float left = (whole.width() - outer.width()) / 2.0f;
    const float top = (whole.height() - outer.height()) / 2.0f;
    window->move(qRound(left), qRound(top)); // a window's position is its frame's
}

void placeWithFrame(QWidget* window, const std::function<void(const QMargins& frame)>& place) {
    window->winId(); // the desktop's window, which knows the frame if it can be known yet
    QWindow* handle = window->windowHandle();
    const QMargins frame = handle->frameMargins();
    place(frame);
    new FirstExposure(handle, frame, place);
}

} // namespace kx
