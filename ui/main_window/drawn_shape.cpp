#include "ui/main_window/drawn_shape.h"

#include "ui/accessible_roles.h"

#include <QPainter>

namespace kx {

// A form cannot make a widget transparent for the mouse, nor tell a screen reader it only decorates.
DrawnShape::DrawnShape(QWidget* container) : QWidget(container) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    presentAsDecoration(this);
}

void DrawnShape::setShape(Shape shape) {
    drawn = shape;
    update();
}

void DrawnShape::setFill(const QColor& colour) {
    filling = colour;
    update();
}

void DrawnShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(kOutline);
    switch (drawn) {
    case RisingLine:
        painter.drawLine(QPoint(width() - 1, 0), QPoint(0, height() - 1));
        break;
    case Rectangle:
        painter.setBrush(filling);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        break;
    case Circle: {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(filling);
        const int diameter = height();
        const QRectF circle((width() - diameter) / 2, 0, diameter, diameter);
        painter.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
        break;
    }
    }
}

} // namespace kx
