#include "ui/application.h"

#include "ui/kx_style.h"

#include <QApplication>

namespace kx {

void setUpApplication() {
    QApplication::setStyle(new KxStyle);
    QGuiApplication::setDesktopFileName(QStringLiteral(KX_APP_ID));
}

} // namespace kx
