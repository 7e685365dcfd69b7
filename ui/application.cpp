#include "ui/application.h"

#include "ui/kx_style.h"
#include "ui/languages.h"

#include <QApplication>

namespace kx {

void setUpApplication() {
    QApplication::setStyle(new KxStyle);
    QGuiApplication::setDesktopFileName(QStringLiteral(KX_APP_ID));
    installTranslations(windowLanguage(userLanguages()));
}

} // namespace kx
