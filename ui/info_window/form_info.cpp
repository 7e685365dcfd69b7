#include "ui/info_window/form_info.h"

#include "ui/info_window/info_text.h"
#include "ui/twips.h"
#include "ui/window_look.h"

#include <QPainter>

namespace kx {
namespace {

// The client area as designed, then the outer size once placed; twips.
constexpr QSize kDesignedSize(9390, 2925);
constexpr QSize kOuterSize(9120, 3300);

} // namespace

FORMinfo::FORMinfo(QWidget* parent, FrameReport report) : QDialog(parent) {
    setObjectName(QStringLiteral("FORMinfo"));
    setWindowTitle(QStringLiteral("Kx"));
    setWindowIcon(kxIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setFont(windowFont());
    resize(toPixels(kDesignedSize));
    // The drawn lines, for a screen reader: each one a line of the description.
    QStringList lines;
    for (const InfoLine& line : informationLines()) {
        lines << line.text.trimmed();
    }
    setAccessibleDescription(lines.join(QLatin1Char('\n')).trimmed());
    Form_Load(std::move(report));
}

void FORMinfo::Form_Load(FrameReport report) {
    // Centred with its designed outer size; the smaller outer size then keeps that top-left corner.
    placeWithFrame(
        this,
        [this](const QMargins& frame) {
            setFixedSize(toPixels(kOuterSize).shrunkBy(frame));
            return centredCorner(this, toPixels(kDesignedSize).grownBy(frame));
        },
        std::move(report));
}

void FORMinfo::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::ButtonText));
    const QFontMetrics metrics(font());
    int top = 0;
    for (const InfoLine& line : informationLines()) {
        painter.drawText(toPixels(line.leftTwips), top + metrics.ascent(), line.text);
        top += metrics.height();
    }
}

} // namespace kx
