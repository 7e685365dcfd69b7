#include "ui/kx_style.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>

namespace kx {
namespace {

constexpr int kPictureTopMargin = 4;
constexpr int kCaptionMargin = 2;

bool isFlat(const QStyleOption* option) {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    return button && (button->features & QStyleOptionButton::Flat);
}

void drawFlatBevel(const QStyleOption* option, QPainter* painter) {
    const bool down = option->state & (QStyle::State_Sunken | QStyle::State_On);
    painter->save();
    painter->fillRect(option->rect, option->palette.button());
    painter->setPen(option->palette.color(QPalette::WindowText));
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    if (down) {
        painter->setPen(option->palette.color(QPalette::Dark));
        painter->drawRect(option->rect.adjusted(1, 1, -2, -2));
    }
    painter->restore();
}

// A scroll bar no taller than its two arrow buttons leaves the classic style no room for the arrow
// glyphs; a small triangle shows which way each button goes.
void drawSmallArrow(const QStyleOption* option, QPainter* painter, bool up) {
    const QRect r = option->rect;
    const QPointF centre = QRectF(r).center() + QPointF(0.5, 0.5);
    const double halfWidth = 3;
    const double halfHeight = 2;
    const double tip = up ? -halfHeight : halfHeight;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(Qt::NoPen);
    painter->setBrush(option->palette.color(
        option->state & QStyle::State_Enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter->drawPolygon(QPolygonF(
        {centre + QPointF(-halfWidth, -tip), centre + QPointF(halfWidth, -tip), centre + QPointF(0, tip)}));
    painter->restore();
}

constexpr int kRoomForArrowGlyph = 12;

} // namespace

KxStyle::KxStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {
}

void KxStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    if (element == PE_FrameLineEdit) {
        painter->save();
        painter->setPen(option->palette.color(QPalette::WindowText));
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void KxStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                          const QWidget* widget) const {
    if (element == CE_PushButtonBevel && isFlat(option)) {
        drawFlatBevel(option, painter);
        return;
    }
    if ((element == CE_ScrollBarSubLine || element == CE_ScrollBarAddLine) &&
        option->rect.height() < kRoomForArrowGlyph) {
        QProxyStyle::drawControl(element, option, painter, widget);
        drawSmallArrow(option, painter, element == CE_ScrollBarSubLine);
        return;
    }
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element == CE_PushButtonLabel && button && !button->icon.isNull() && !button->text.isEmpty()) {
        // The picture stands above the caption, which wraps at blanks to the button's width.
        QRect area = button->rect;
        if (button->state & (State_Sunken | State_On)) {
            area.translate(pixelMetric(PM_ButtonShiftHorizontal, option, widget),
                           pixelMetric(PM_ButtonShiftVertical, option, widget));
        }
        const QSize pictureSize = button->iconSize;
        const QRect pictureRect(area.center().x() - pictureSize.width() / 2 + 1,
                                area.top() + kPictureTopMargin, pictureSize.width(), pictureSize.height());
        const QIcon::Mode mode = button->state & State_Enabled ? QIcon::Normal : QIcon::Disabled;
        button->icon.paint(painter, pictureRect, Qt::AlignCenter, mode);
        const QRect captionRect(area.left() + kCaptionMargin, pictureRect.bottom() + kCaptionMargin,
                                area.width() - 2 * kCaptionMargin,
                                area.bottom() - pictureRect.bottom() - kCaptionMargin);
        drawItemText(painter, captionRect,
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic,
                     button->palette, button->state & State_Enabled, button->text, QPalette::ButtonText);
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void KxStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                 const QWidget* widget) const {
    const bool twoArrows = control == CC_ScrollBar && option->rect.height() < 2 * kRoomForArrowGlyph;
    // Between two arrows the groove is a single line, which the classic style only dots: what lay
    // there before would show through.
    if (twoArrows) {
        painter->fillRect(option->rect, option->palette.button());
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
    // The classic style marks a scroll bar's focus on its handle, which two arrows leave no room for:
    // a dotted frame just inside its edge shows it instead.
    if (twoArrows && (option->state & State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*option);
        focus.rect = option->rect.adjusted(1, 1, -1, -1);
        focus.backgroundColor = option->palette.color(QPalette::Button);
        proxy()->drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
    }
}

} // namespace kx
