#include "ui/main_window/drawn_shape.h"

#include "ui/accessible_roles.h"

#include <QPainter>

#include <algorithm>

namespace kx {

DrawnShape::DrawnShape(Form form, const QRect& area, const QColor& fill, QWidget* container)
    : QWidget(container), shapeForm(form), fillColour(fill) {
    if (form == Form::Circle) {
        const int diameter = area.height();
        setGeometry(area.left() + (area.width() - diameter) / 2, area.top(), diameter, diameter);
    } else {
        setGeometry(area);
    }
    makeInert();
}

DrawnShape::DrawnShape(const QPoint& from, const QPoint& to, QWidget* container)
    : QWidget(container), shapeForm(Form::Line) {
    const QRect bounds(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                       QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
    setGeometry(bounds);
    lineFrom = from - bounds.topLeft();
    lineTo = to - bounds.topLeft();
    makeInert();
}

void DrawnShape::makeInert() {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    presentAsDecoration(this);
}

void DrawnShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(kOutline);
    switch (shapeForm) {
    case Form::Line:
        painter.drawLine(lineFrom, lineTo);
        break;
    case Form::Rectangle:
        painter.setBrush(fillColour);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        break;
    case Form::Circle:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(fillColour);
        painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
        break;
    }
}

} // namespace kx
