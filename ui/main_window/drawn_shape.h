// The port sketch beside the port fields: drawn lines and filled shapes with blue outlines. They
// take no input and no focus; they only mark the two port shapes.
#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

namespace kx {

class DrawnShape : public QWidget {
public:
    enum class Form { Line, Rectangle, Circle };

    // A rectangle or a circle within the given area of its container; a circle is as wide as the
    // area is high, centred in it.
    DrawnShape(Form form, const QRect& area, const QColor& fill, QWidget* container);
    // A line between two points of its container.
    DrawnShape(const QPoint& from, const QPoint& to, QWidget* container);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr QColor kOutline{0, 0, 255};

    void makeInert();

    Form shapeForm;
    QColor fillColour;
    QPoint lineFrom, lineTo; // in the shape's own coordinates
};

} // namespace kx
