// The port sketch beside the port fields: drawn lines and filled shapes with blue outlines. They
// take no input and no focus; they only mark the two port shapes. The form places each one and
// says what it draws.
#pragma once

#include <QColor>
#include <QWidget>

namespace kx {

class DrawnShape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(Shape shape READ shape WRITE setShape)
    Q_PROPERTY(QColor fill READ fill WRITE setFill)

public:
    enum Shape {
        RisingLine, // from the upper right corner to the lower left one
        Rectangle,  // filling its place
        Circle,     // as wide as its place is high, centred in it
    };
    Q_ENUM(Shape)

    explicit DrawnShape(QWidget* container = nullptr);

    Shape shape() const { return drawn; }
    void setShape(Shape shape);
    QColor fill() const { return filling; }
    void setFill(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static constexpr QColor kOutline{0, 0, 255};

    Shape drawn = RisingLine;
    QColor filling;
};

} // namespace kx
