#include "ui/main_window/result_label.h"

#include "ui/window_look.h"

#include <QFontMetrics>
#include <QLabel>

namespace kx {
namespace {

constexpr int kSmallestReadablePixels = 8;

} // namespace

void showResult(QLabel* label, const QString& value) {
    QFont font = windowFont();
    const int room = label->contentsRect().width() - 2 * label->margin() - 2;
    while (QFontMetrics(font).horizontalAdvance(value) > room && font.pixelSize() > kSmallestReadablePixels) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    const QString shown = QFontMetrics(font).elidedText(value, Qt::ElideRight, room);
    const QString whole = shown == value ? QString() : value;
    label->setFont(font);
    // A screen reader reads the label by its text; a cut value names it whole.
    if (label->accessibleName() != whole) {
        label->setAccessibleName(whole);
    }
    label->setToolTip(whole);
    label->setText(shown);
}

} // namespace kx
