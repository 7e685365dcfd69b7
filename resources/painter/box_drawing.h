// A loudspeaker box in oblique perspective: the front face square to the viewer, the top and the
// right side running back at an angle. The pictures draw on it.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>

namespace painter {

struct Box {
    QRectF front;  // the front face
    QPointF depth; // from a front corner to the corner behind it

    QPolygonF topFace() const;
    QPolygonF sideFace() const;
    QPointF back(const QPointF& frontPoint) const { return frontPoint + depth; }
};

struct BoxColours {
    QColor front;
    QColor top;
    QColor side;
    QColor edge;
};

void drawBox(QPainter& p, const Box& box, const BoxColours& colours);

// A driver seen from the front: rim, cone and dust cap.
void drawDriver(QPainter& p, const QPointF& centre, double radius);

// A port opening seen from the front.
void drawRoundPort(QPainter& p, const QPointF& centre, double radius);
void drawSlotPort(QPainter& p, const QRectF& slot);

// A measuring arrow between two points, with heads at both ends.
void drawDimension(QPainter& p, const QPointF& from, const QPointF& to, const QColor& colour,
                   double width = 3);

// A caption centred in the given area, as large as fits up to the given pixel size.
void drawCaption(QPainter& p, const QRectF& area, const QString& text, const QColor& colour, int pixelSize);

} // namespace painter
