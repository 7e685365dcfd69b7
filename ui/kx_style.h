// The program's look: the classic Windows style of Qt, with the few things the window draws its
// own way: flat text fields with a thin border, flat coloured buttons, a button picture standing
// above its caption, which wraps, and a scroll bar of two arrows that shows when it has the focus.
// Every edge it draws shows in any palette: where the desktop's colours would make it fade into what
// surrounds the control (a high-contrast scheme's black on black), it takes the surroundings' text
// colour; in the light colours the classic look stays as it is.
#pragma once

#include <QProxyStyle>

namespace kx {

class KxStyle : public QProxyStyle {
public:
    KxStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget = nullptr) const override;
};

} // namespace kx
