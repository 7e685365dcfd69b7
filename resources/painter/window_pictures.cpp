#include "window_pictures.h"

#include "box_drawing.h"

#include <QPainter>
#include <QPainterPath>

namespace painter {
namespace {

// The classic 16-colour palette; the first entry stands for transparency.
QList<QRgb> sixteenColours() {
    return {qRgba(0, 0, 0, 0),   qRgb(0, 0, 0),     qRgb(128, 0, 0),     qRgb(0, 128, 0),
            qRgb(128, 128, 0),   qRgb(0, 0, 128),   qRgb(0, 128, 128),   qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),     qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(0, 255, 255), qRgb(255, 255, 255), qRgb(255, 0, 255)};
}

// The nearest colour of the table for each pixel; a mostly transparent pixel takes a transparent entry.
QImage reduceTo(const QImage& picture, const QList<QRgb>& table) {
    return picture.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither | Qt::AvoidDither);
}

QImage canvas(int width, int height, QColor background) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(background);
    return image;
}

// Each picture is designed on 32 x 32 and drawn at any multiple of it.
constexpr double kDesignSize = 32;
void scaleToDesign(QPainter& p, int size) {
    p.scale(size / kDesignSize, size / kDesignSize);
}

} // namespace

QImage loudspeakerIcon(int size) {
    QImage image = canvas(size, size, Qt::transparent);
    QPainter p(&image);
    scaleToDesign(p, size);
    p.setRenderHint(QPainter::Antialiasing, size > kDesignSize); // the window's own keeps hard edges
    const QColor edge(64, 64, 64);
    p.setPen(QPen(edge, 1));
    // Magnet and pole piece at the back.
    p.setBrush(QColor(128, 128, 128));
    p.drawRect(2, 10, 7, 12);
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(9, 13, 4, 6);
    // The cone, opening to the right, and the basket's rim at its mouth.
    p.setBrush(QColor(255, 255, 0));
    p.drawPolygon(QPolygon({QPoint(13, 12), QPoint(27, 2), QPoint(27, 29), QPoint(13, 19)}));
    p.setPen(QPen(QColor(128, 128, 0), 1));
    p.drawLine(15, 13, 26, 6);
    p.drawLine(15, 18, 26, 25);
    p.setPen(QPen(edge, 1));
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(27, 1, 3, 29);
    p.end();
    return image;
}

QImage windowIcon(int size) {
    return reduceTo(loudspeakerIcon(size), sixteenColours());
}

QImage startUpPicture() {
    QImage image = canvas(363, 518, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const Box box{QRectF(38, 150, 190, 330), QPointF(100, -96)};
    drawBox(p, box, {QColor(150, 96, 48), QColor(186, 128, 70), QColor(255, 214, 40), QColor(230, 230, 230)});

    // The cut-away side: the inner back edge and the inside of the front panel.
    const QPolygonF side = box.sideFace();
    p.setPen(QPen(QColor(180, 140, 20), 1.5, Qt::DashLine));
    p.drawLine(side[0] + QPointF(16, -4), side[3] + QPointF(16, -4));

    // The driver and the port on the front.
    const QPointF driver(box.front.center().x(), box.front.top() + 105);
    drawDriver(p, driver, 64);
    const QPointF port(box.front.center().x(), box.front.bottom() - 70);
    drawRoundPort(p, port, 24);

    // Through the cut-away: the driver's magnet behind the panel, and the port's tube running back.
    const QPointF panel(box.front.right() + 3, 0);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(QColor(90, 90, 90));
    const QPointF magnet(panel.x(), driver.y());
    p.drawPolygon(QPolygonF({magnet + QPointF(0, -26), magnet + box.depth * 0.3 + QPointF(0, -26),
                             magnet + box.depth * 0.3 + QPointF(0, 26), magnet + QPointF(0, 26)}));
    const QPointF mouth(panel.x(), port.y());
    const QPointF end = mouth + box.depth * 0.6;
    const QPointF half(0, 15);
    QLinearGradient metal(mouth - half, mouth + half);
    metal.setColorAt(0, QColor(215, 215, 215));
    metal.setColorAt(1, QColor(105, 105, 105));
    p.setBrush(metal);
    p.setPen(QPen(QColor(70, 70, 70), 1.5));
    p.drawPolygon(QPolygonF({mouth - half, end - half, end + half, mouth + half}));
    p.drawEllipse(end, 7, 15);
    // The port, marked in red along its length and across its mouth.
    p.setPen(QPen(QColor(230, 20, 20), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(mouth, end);
    p.drawLine(QPointF(port.x() - 24, port.y()), QPointF(port.x() + 24, port.y()));
    p.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

QImage optimiserPicture(int size) {
    QImage image = canvas(size, size, Qt::black);
    QPainter p(&image);
    scaleToDesign(p, size);
    const Box box{QRectF(4, 10, 17, 20), QPointF(8, -7)};
    drawBox(p, box, {QColor(255, 230, 0), QColor(210, 170, 110), QColor(0, 170, 60), QColor(40, 40, 40)});
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(12.5, 13.5), 1.6, 1.6);
    p.drawEllipse(QPointF(12.5, 18.5), 2.6, 2.6);
    p.drawEllipse(QPointF(12.5, 25), 3.4, 3.4);
    p.end();
    return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
}

QImage informationIcon(int size) {
    QImage image = canvas(size, size, Qt::transparent);
    QPainter p(&image);
    scaleToDesign(p, size);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 255), 2.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 16), 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 255));
    p.drawEllipse(QPointF(16, 8.5), 2.6, 2.6);
    QPainterPath stem;
    stem.addRect(14, 13, 4, 11);
    stem.addRect(12, 13, 4, 2);
    stem.addRect(12, 23, 8, 2);
    p.drawPath(stem.simplified());
    p.end();
    return reduceTo(image, sixteenColours());
}

} // namespace painter
