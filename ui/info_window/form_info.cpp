#include "ui/info_window/form_info.h"

#include "ui/info_window/info_text.h"
#include "ui/twips.h"
#include "ui/window_look.h"

#include <QPainter>

namespace kx {

FORMinfo::FORMinfo(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FORMinfo"));
    setWindowTitle(QStringLiteral("Kx")); // its icon is its parent's
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(windowFont());
    // The text is drawn on the buttons' face in their text's colour, which reads on it in any palette.
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    // For a screen reader, each line that shows something is a text of its own, without the blanks that
    // end it. Orca reads them all as the window opens: a description as well would be read twice.
    QList<DrawnLine> read;
    for (DrawnLine line : drawnLines()) {
        line.text = line.text.trimmed();
        if (!line.text.isEmpty()) {
            line.place.setWidth(fontMetrics().horizontalAdvance(line.text));
            read << line;
        }
    }
    presentDrawnLines(this, read);
    Form_Load();
}

void FORMinfo::Form_Load() {
    // Centred with its designed outer size; the smaller outer size then keeps that top-left corner.
    placeWithFrame(this, [this](const QMargins& frame) {
        setFixedSize(toPixels(kOuterSize).shrunkBy(frame));
        return centredCorner(this, toPixels(kDesignedSize).grownBy(frame));
    });
}

QList<DrawnLine> FORMinfo::drawnLines() const {
    const QFontMetrics metrics(font());
    QList<DrawnLine> lines;
    int top = 0;
    for (const QString& line : informationLines()) {
        lines << DrawnLine{
            line, QRect(toPixels(kInfoIndentTwips), top, metrics.horizontalAdvance(line), metrics.height())};
        top += metrics.height();
    }
    return lines;
}

void FORMinfo::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::ButtonText));
    const int ascent = fontMetrics().ascent();
    for (const DrawnLine& line : drawnLines()) {
        painter.drawText(line.place.x(), line.place.y() + ascent, line.text);
    }
}

} // namespace kx
