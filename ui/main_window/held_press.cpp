#include "ui/main_window/held_press.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace kx {

HeldPress::HeldPress(QWidget* window) : QObject(window), window(window) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool HeldPress::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) {
        return false;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window) {
        return false;
    }
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (type == QEvent::MouseButtonPress) {
        // A press the control ignores goes on to its parent, which then holds it.
        pressed = widget;
        button = mouse->button();
        at = mouse->position();
    } else if (widget == pressed && mouse->button() == button) {
        pressed = nullptr;
    }
    return false;
}

void HeldPress::end() {
    if (!pressed) {
        return;
    }
    QWidget* control = pressed;
    pressed = nullptr;
    QMouseEvent release(QEvent::MouseButtonRelease, at, control->mapToGlobal(at), button, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(control, &release);
}

} // namespace kx
