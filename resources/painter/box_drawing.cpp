#include "box_drawing.h"

#include "caption_font.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>

#include <cmath>

namespace painter {

QPolygonF Box::topFace() const {
    return QPolygonF({front.topLeft(), back(front.topLeft()), back(front.topRight()), front.topRight()});
}

QPolygonF Box::sideFace() const {
    return QPolygonF(
        {front.topRight(), back(front.topRight()), back(front.bottomRight()), front.bottomRight()});
}

void drawBox(QPainter& p, const Box& box, const BoxColours& colours) {
    p.save();
    p.setPen(QPen(colours.edge, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(colours.top);
    p.drawPolygon(box.topFace());
    p.setBrush(colours.side);
    p.drawPolygon(box.sideFace());
    p.setBrush(colours.front);
    p.drawRect(box.front);
    p.restore();
}

void drawDriver(QPainter& p, const QPointF& centre, double radius) {
    p.save();
    p.setPen(QPen(QColor(30, 30, 30), 1.5));
    p.setBrush(QColor(70, 70, 70));
    p.drawEllipse(centre, radius, radius);
    QRadialGradient cone(centre, radius * 0.85);
    cone.setColorAt(0, QColor(90, 90, 95));
    cone.setColorAt(1, QColor(20, 20, 25));
    p.setBrush(cone);
    p.drawEllipse(centre, radius * 0.85, radius * 0.85);
    p.setBrush(QColor(110, 110, 115));
    p.drawEllipse(centre, radius * 0.28, radius * 0.28);
    p.restore();
}

void drawRoundPort(QPainter& p, const QPointF& centre, double radius) {
    p.save();
    p.setPen(QPen(QColor(20, 20, 20), 1.5));
    p.setBrush(QColor(150, 150, 150));
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::black);
    p.drawEllipse(centre, radius * 0.78, radius * 0.78);
    p.restore();
}

void drawSlotPort(QPainter& p, const QRectF& slot) {
    p.save();
    p.setPen(QPen(QColor(150, 150, 150), 2));
    p.setBrush(Qt::black);
    p.drawRect(slot);
    p.restore();
}

void drawDimension(QPainter& p, const QPointF& from, const QPointF& to, const QColor& colour, double width) {
    const QLineF line(from, to);
    if (line.length() < 1) {
        return;
    }
    const QPointF unit = (to - from) / line.length();
    const QPointF normal(-unit.y(), unit.x());
    const double head = 4 * width;
    auto arrowHead = [&](const QPointF& tip, const QPointF& inward) {
        return QPolygonF(
            {tip, tip + inward * head + normal * head * 0.5, tip + inward * head - normal * head * 0.5});
    };
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from + unit * head * 0.8, to - unit * head * 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(arrowHead(from, unit));
    p.drawPolygon(arrowHead(to, -unit));
    p.restore();
}

void drawCaption(QPainter& p, const QRectF& area, const QString& text, const QColor& colour, int pixelSize) {
    QFont font(captionFamily());
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    for (int size = pixelSize; size >= 6; --size) {
        font.setPixelSize(size);
        if (QFontMetricsF(font).horizontalAdvance(text) <= area.width()) {
            break;
        }
    }
    p.save();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(area, Qt::AlignCenter, text);
    p.restore();
}

} // namespace painter
