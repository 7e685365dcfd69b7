#include "ui/main_window/result_label.h"

#include "ui/window_look.h"

#include <QAccessible>
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
    // Named by its text, it tells a screen reader of every change itself; a cut value names it whole.
    if (label->accessibleName() != whole) {
        label->setAccessibleName(whole);
    }
    label->setToolTip(whole);
    label->setText(shown);
}

void announce([[maybe_unused]] QWidget* source, [[maybe_unused]] const QString& message) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(source, message);
    QAccessible::updateAccessibility(&event);
#endif
}

} // namespace kx
