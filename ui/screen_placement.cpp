#include "ui/screen_placement.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QMoveEvent>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <optional>

namespace kx {
namespace {

// The window's place for the frame it has now. Places go by the client area, never by QWidget::move:
// that turns the frame's corner into the client's with the frame the widget last heard of, under
// metacity still none when the window is first exposed, and the client went where the frame should.
class FramePlacement : public QObject, public QAbstractNativeEventFilter {
public:
    FramePlacement(QWidget* window, std::function<QPoint(const QMargins&)> corner)
        : QObject(window), window(window), corner(std::move(corner)) {
        window->installEventFilter(this);
        watch();
        check();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window && event->type() == QEvent::Show) {
            watch(); // the desktop's window exists from here on, not mapped yet
            check();
        } else if (watched == handle &&
                   (event->type() == QEvent::Expose || event->type() == QEvent::Resize)) {
            check();
        } else if (watched == handle && event->type() == QEvent::Move) {
            check(static_cast<QMoveEvent*>(event)->pos());
        }
        return false;
    }

    // A window manager may tell the frame after the window is exposed, by a property of the window
    // alone, which Qt reads only when asked.
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t" || !handle) {
            return false;
        }
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & ~0x80) == XCB_PROPERTY_NOTIFY &&
            reinterpret_cast<const xcb_property_notify_event_t*>(event)->window == handle->winId()) {
            // Once Qt has taken note of the change.
            QMetaObject::invokeMethod(
                this, [this] { check(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void watch() {
        if (handle || !window->windowHandle()) {
            return;
        }
        handle = window->windowHandle();
        handle->installEventFilter(this);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    // Places the window when its frame has changed. A move while it is on screen, to a place it was
    // neither sent to nor came from, with the frame unchanged, is the user's or the desktop's own:
    // the window stays there from then on.
    void check(std::optional<QPoint> movedTo = std::nullopt) {
        if (done) {
            return;
        }
        const QMargins frame = handle ? handle->frameMargins() : QMargins();
        if (!placedWith || frame != *placedWith) {
            place(frame);
        } else if (movedTo && handle->isExposed() && *movedTo != placedAt && *movedTo != placedFrom) {
            done = true;
            deleteLater();
        }
    }

    void place(const QMargins& frame) {
        placedWith = frame;
        placedFrom = window->geometry().topLeft();
        placedAt = corner(frame) + QPoint(frame.left(), frame.top());
        window->setGeometry(QRect(placedAt, window->size()));
    }

    QWidget* window;
    std::function<QPoint(const QMargins&)> corner;
    QPointer<QWindow> handle;
    std::optional<QMargins> placedWith;
    QPoint placedAt;   // the client area's corner
    QPoint placedFrom; // and where it was before
    bool done = false;
};

} // namespace

QPoint centredCorner(const QWidget* window, QSize outer) {
    const QScreen* screen = window->screen();
    if (!screen) {
        return {};
    }
    const QSize whole = screen->geometry().size();
    // The halves are single precision, as the window's placement always was.
    const float left = (whole.width() - outer.width()) / 2.0f;
    const float top = (whole.height() - outer.height()) / 2.0f;
    // A window larger than the screen keeps its title bar, close button and icon within reach, as
    // far to the left and the top of the desktop's free area as needed: it cannot be made smaller.
    const QRect free = screen->availableGeometry();
    return {std::clamp(qRound(left), free.left(), std::max(free.left(), free.right() + 1 - outer.width())),
            std::clamp(qRound(top), free.top(), std::max(free.top(), free.bottom() + 1 - outer.height()))};
}

void placeWithFrame(QWidget* window, std::function<QPoint(const QMargins& frame)> corner) {
    new FramePlacement(window, std::move(corner));
}

} // namespace kx
