#include "guidance_pictures.h"

#include "box_drawing.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QPainter>

#include <functional>

namespace painter {
namespace {

// Twice the size of the picture control, which scales it to its area: sharp on a screen of twice
// the density too.
constexpr QSize kSize(298, 432);
const QColor kMark(215, 20, 20);
const QColor kCaption(20, 20, 60);
const BoxColours kWood{QColor(176, 120, 64), QColor(206, 156, 98), QColor(138, 90, 44), QColor(60, 36, 16)};

// The box every picture shows, seen from the front left.
const Box kBox{QRectF(30, 150, 164, 236), QPointF(84, -80)};
const QPointF kDriver(112, 226);
constexpr double kDriverRadius = 52;
const QPointF kRoundPort(112, 334);
constexpr double kRoundPortRadius = 24;
const QRectF kSlot(56, 322, 112, 26);

enum class Port { Round, Slot };

QImage background() {
    QImage image(kSize, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, kSize.height());
    sky.setColorAt(0, QColor(236, 242, 250));
    sky.setColorAt(1, QColor(196, 208, 224));
    p.fillRect(image.rect(), sky);
    return image;
}

// The box with its driver and the port of the given shape on the front.
void drawVentedBox(QPainter& p, Port port) {
    drawBox(p, kBox, kWood);
    drawDriver(p, kDriver, kDriverRadius);
    if (port == Port::Round) {
        drawRoundPort(p, kRoundPort, kRoundPortRadius);
    } else {
        drawSlotPort(p, kSlot);
    }
}

void drawTitle(QPainter& p, const QString& quantity, const QString& unit) {
    drawCaption(p, QRectF(6, 6, kSize.width() - 12, 34), quantity, kCaption, 24);
    drawCaption(p, QRectF(6, 38, kSize.width() - 12, 28), unit, kMark, 22);
}

void drawLabel(QPainter& p, const QPointF& centre, const QString& text) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(26);
    p.save();
    p.setFont(font);
    const QRectF area(centre - QPointF(40, 16), QSizeF(80, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 215));
    const double width = QFontMetricsF(font).horizontalAdvance(text) + 12;
    p.drawRoundedRect(QRectF(centre.x() - width / 2, area.top(), width, area.height()), 6, 6);
    p.setPen(kMark);
    p.drawText(area, Qt::AlignCenter, text);
    p.restore();
}

// The side wall drawn as if cut open, so a port's duct shows inside the box.
void drawCutAway(QPainter& p) {
    const QPolygonF side = kBox.sideFace();
    p.save();
    p.setPen(QPen(kWood.edge, 2));
    p.setBrush(QColor(250, 226, 150));
    p.drawPolygon(side);
    p.setPen(QPen(QColor(190, 160, 90), 1.5, Qt::DashLine));
    p.drawLine(side[0] + QPointF(12, -2), side[3] + QPointF(12, -2));
    p.restore();
}

void markVolume(QPainter& p) {
    drawVentedBox(p, Port::Round);
    // The whole inside is the quantity: the faces tinted, the three edges measured.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(215, 20, 20, 55));
    p.drawPolygon(kBox.topFace());
    p.drawPolygon(kBox.sideFace());
    p.drawRect(kBox.front);
    const QRectF f = kBox.front;
    drawDimension(p, f.bottomLeft() + QPointF(0, 14), f.bottomRight() + QPointF(0, 14), kMark);
    drawDimension(p, f.topLeft() - QPointF(14, 0), f.bottomLeft() - QPointF(14, 0), kMark);
    drawDimension(p, f.bottomRight() + QPointF(12, 6), kBox.back(f.bottomRight()) + QPointF(12, 6), kMark);
    drawLabel(p, QPointF(238, 250), QStringLiteral("V"));
}

void markDiameter(QPainter& p) {
    drawVentedBox(p, Port::Round);
    const QPointF left = kRoundPort - QPointF(kRoundPortRadius, 0);
    const QPointF right = kRoundPort + QPointF(kRoundPortRadius, 0);
    p.setPen(QPen(kMark, 1.5, Qt::DashLine));
    p.drawLine(left, left + QPointF(0, 44));
    p.drawLine(right, right + QPointF(0, 44));
    drawDimension(p, left + QPointF(0, 38), right + QPointF(0, 38), kMark);
    p.setPen(QPen(kMark, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(kRoundPort, kRoundPortRadius, kRoundPortRadius);
    drawLabel(p, kRoundPort + QPointF(0, -44), QStringLiteral("\u00D8"));
}

// The slot port, its outline marked.
void markSlot(QPainter& p) {
    drawVentedBox(p, Port::Slot);
    p.setPen(QPen(kMark, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(kSlot);
}

void markHeight(QPainter& p) {
    markSlot(p);
    const double x = kSlot.left() - 14;
    p.setPen(QPen(kMark, 1.5, Qt::DashLine));
    p.drawLine(QPointF(x - 6, kSlot.top()), kSlot.topLeft());
    p.drawLine(QPointF(x - 6, kSlot.bottom()), kSlot.bottomLeft());
    drawDimension(p, QPointF(x, kSlot.top() - 22), QPointF(x, kSlot.top()), kMark, 2.5);
    drawDimension(p, QPointF(x, kSlot.bottom()), QPointF(x, kSlot.bottom() + 22), kMark, 2.5);
    //: The height marked on a picture of the slot port: a short word, as "Alt." for "Altezza".
    drawLabel(p, QPointF(kSlot.center().x(), kSlot.top() - 30),
              QCoreApplication::translate("GuidancePicture", "Alt."));
}

void markWidth(QPainter& p) {
    markSlot(p);
    const double y = kSlot.bottom() + 18;
    p.setPen(QPen(kMark, 1.5, Qt::DashLine));
    p.drawLine(kSlot.bottomLeft(), QPointF(kSlot.left(), y + 6));
    p.drawLine(kSlot.bottomRight(), QPointF(kSlot.right(), y + 6));
    drawDimension(p, QPointF(kSlot.left(), y), QPointF(kSlot.right(), y), kMark);
    //: The width marked on a picture of the slot port: a short word, as "Larg." for "Larghezza".
    drawLabel(p, QPointF(kSlot.center().x(), kSlot.top() - 30),
              QCoreApplication::translate("GuidancePicture", "Larg."));
}

// A duct running from the front panel back into the box, seen through the cut-away side.
void drawDuct(QPainter& p, Port port, const QPointF& mouth, double halfHeight, double depthFraction) {
    const QPointF end = mouth + kBox.depth * depthFraction;
    const QPointF half(0, halfHeight);
    QLinearGradient shade(mouth - half, mouth + half);
    shade.setColorAt(0, port == Port::Round ? QColor(225, 225, 225) : QColor(120, 80, 40));
    shade.setColorAt(1, port == Port::Round ? QColor(110, 110, 110) : QColor(80, 50, 24));
    p.setPen(QPen(QColor(50, 50, 50), 1.5));
    p.setBrush(shade);
    p.drawPolygon(QPolygonF({mouth - half, end - half, end + half, mouth + half}));
    p.setBrush(QColor(30, 30, 30));
    if (port == Port::Round) {
        p.drawEllipse(end, halfHeight * 0.45, halfHeight);
    } else {
        p.drawPolygon(
            QPolygonF({end - half, end - half + QPointF(8, -6), end + half + QPointF(8, -6), end + half}));
    }
    drawDimension(p, mouth + QPointF(0, halfHeight + 16), end + QPointF(0, halfHeight + 16), kMark);
    p.setPen(QPen(kMark, 1.5, Qt::DashLine));
    p.drawLine(mouth + half, mouth + half + QPointF(0, 22));
    p.drawLine(end + half, end + half + QPointF(0, 22));
}

void markLength(QPainter& p, Port port) {
    drawCutAway(p);
    p.setBrush(kWood.top);
    p.setPen(QPen(kWood.edge, 2));
    p.drawPolygon(kBox.topFace());
    p.setBrush(kWood.front);
    p.drawRect(kBox.front);
    drawDriver(p, kDriver, kDriverRadius);
    const double y = port == Port::Round ? kRoundPort.y() : kSlot.center().y();
    const double halfHeight = port == Port::Round ? kRoundPortRadius : kSlot.height() / 2;
    if (port == Port::Round) {
        drawRoundPort(p, kRoundPort, kRoundPortRadius);
    } else {
        drawSlotPort(p, kSlot);
    }
    drawDuct(p, port, QPointF(kBox.front.right(), y), halfHeight, 0.7);
    drawLabel(p, QPointF(kBox.front.right() + 44, y - halfHeight - 48), QStringLiteral("L"));
}

// A picture: the title over the light background, then the drawing of its own.
QImage picture(const QString& quantity, const QString& unit, const std::function<void(QPainter&)>& draw) {
    QImage image = background();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawTitle(p, quantity, unit);
    draw(p);
    p.end();
    return image;
}

} // namespace

// Each picture's title names the quantity of its field, in the language of the translation installed.
QImage guidancePicture(kx::GuidancePicture which) {
    using kx::GuidancePicture;
    const QString cm = QStringLiteral("cm");
    switch (which) {
    case GuidancePicture::Volume:
        //: The title of a picture that explains a field: the net volume of the box.
        return picture(QCoreApplication::translate("GuidancePicture", "Volume box"),
                       QStringLiteral("dm\u00B3"), markVolume);
    case GuidancePicture::Diameter:
        return picture(QCoreApplication::translate("GuidancePicture", "Diametro condotto"), cm, markDiameter);
    case GuidancePicture::Height:
        //: The height of the rectangular (slot) port.
        return picture(QCoreApplication::translate("GuidancePicture", "Altezza condotto"), cm, markHeight);
    case GuidancePicture::Width:
        //: The width of the rectangular (slot) port.
        return picture(QCoreApplication::translate("GuidancePicture", "Larghezza condotto"), cm, markWidth);
    case GuidancePicture::RoundPortLength:
        //: The length of the round port; Ø marks it round.
        return picture(QCoreApplication::translate("GuidancePicture", "Lunghezza condotto Ø"), cm,
                       [](QPainter& p) { markLength(p, Port::Round); });
    case GuidancePicture::SlotLength:
        //: The length of the rectangular port; "rett." is short for "rettangolare".
        return picture(QCoreApplication::translate("GuidancePicture", "Lunghezza condotto rett."), cm,
                       [](QPainter& p) { markLength(p, Port::Slot); });
    }
    return {};
}

} // namespace painter
