#include "ui/kx_style.h"

#include "ui/contrast.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>

namespace kx {
namespace {

constexpr int kPictureTopMargin = 4;
constexpr int kCaptionMargin = 2;

// A control's boundary shows from 3:1 against what surrounds it. A frame only groups controls: the
// classic etched line, at 2.3:1 in the desktop's light colours, stands while it shows at 2:1.
constexpr double kControlEdge = 3.0;
constexpr double kFrameLine = 2.0;

// What surrounds the control: its container's fill, and the colour the container's text takes, which
// reads on that fill.
QColor groundOf(const QWidget* widget, const QStyleOption* option) {
    const QWidget* container = widget ? widget->parentWidget() : nullptr;
    return container ? container->palette().color(container->backgroundRole())
                     : option->palette.color(QPalette::Window);
}

QColor groundTextOf(const QWidget* widget, const QStyleOption* option) {
    const QWidget* container = widget ? widget->parentWidget() : nullptr;
    return container ? container->palette().color(container->foregroundRole())
                     : option->palette.color(QPalette::WindowText);
}

bool fades(const QColor& edge, const QWidget* widget, const QStyleOption* option,
           double least = kControlEdge) {
    return contrastRatio(edge, groundOf(widget, option)) < least;
}

// The colour an edge takes: its own where it shows against what surrounds the control, otherwise the
// container's text colour. Where a designed fill meets the desktop's colours (a grey result on a
// black window), no colour of the palette stands out from both; the fill already shows, the edge
// then stands out from the surroundings.
QColor visibleEdge(const QColor& edge, const QWidget* widget, const QStyleOption* option) {
    return fades(edge, widget, option) ? groundTextOf(widget, option) : edge;
}

// A 3D bevel shows by its shadow. Where the palette makes the shadow fade into the surroundings (black
// on a black window), the bevel gets an outline in the container's text colour.
void outlineFadedBevel(const QStyleOption* option, QPainter* painter, const QWidget* widget) {
    if (fades(option->palette.color(QPalette::Shadow), widget, option)) {
        painter->save();
        painter->setPen(groundTextOf(widget, option));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
    }
}

bool isFlat(const QStyleOption* option) {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    return button && (button->features & QStyleOptionButton::Flat);
}

void drawFlatBevel(const QStyleOption* option, QPainter* painter, const QWidget* widget) {
    const bool down = option->state & (QStyle::State_Sunken | QStyle::State_On);
    painter->save();
    painter->fillRect(option->rect, option->palette.button());
    painter->setPen(visibleEdge(option->palette.color(QPalette::WindowText), widget, option));
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
        painter->setPen(visibleEdge(option->palette.color(QPalette::WindowText), widget, option));
        painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
        painter->restore();
        return;
    }
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element == PE_FrameGroupBox && frame &&
        fades(frame->palette.color(QPalette::Dark), widget, option, kFrameLine) &&
        fades(frame->palette.color(QPalette::Light), widget, option, kFrameLine)) {
        QStyleOptionFrame shown(*frame);
        shown.palette.setColor(QPalette::Dark, groundTextOf(widget, option));
        QProxyStyle::drawPrimitive(element, &shown, painter, widget);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void KxStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                          const QWidget* widget) const {
    if (element == CE_PushButtonBevel && isFlat(option)) {
        drawFlatBevel(option, painter, widget);
        return;
    }
    if (element == CE_PushButtonBevel) {
        QProxyStyle::drawControl(element, option, painter, widget);
        outlineFadedBevel(option, painter, widget);
        return;
    }
    if (element == CE_ScrollBarSubLine || element == CE_ScrollBarAddLine) {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (option->rect.height() < kRoomForArrowGlyph) {
            drawSmallArrow(option, painter, element == CE_ScrollBarSubLine);
        }
        outlineFadedBevel(option, painter, widget);
        return;
    }
    // A plain frame, the box of a result, is drawn in the text colour of its control.
    if (const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        element == CE_ShapedFrame && frame) {
        QStyleOptionFrame shown(*frame);
        shown.palette.setColor(QPalette::WindowText,
                               visibleEdge(frame->palette.color(QPalette::WindowText), widget, option));
        QProxyStyle::drawControl(element, &shown, painter, widget);
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
