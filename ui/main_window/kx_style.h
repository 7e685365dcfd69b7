// The program's look: the classic Windows style of Qt, with the few things the window draws its
// own way: flat text fields with a thin border, flat coloured buttons, and a button picture
// standing above its caption, which wraps.
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
};

// Makes this the style of the whole application.
void installLook();

} // namespace kx
