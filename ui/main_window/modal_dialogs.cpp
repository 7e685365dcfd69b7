#include "ui/main_window/modal_dialogs.h"

#include <QMessageBox>

namespace kx {

void DesktopDialogs::showMissingData(QWidget* parent) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kx"), kMissingDataMessage, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace kx
