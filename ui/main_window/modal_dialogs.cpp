#include "ui/main_window/modal_dialogs.h"

#include "ui/info_window/form_info.h"

#include <QMessageBox>

namespace kx {

void DesktopDialogs::showMissingData(QWidget* parent) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kx"), kMissingDataMessage, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void DesktopDialogs::showInformation(QWidget* parent) {
    FORMinfo info(parent);
    info.exec();
}

} // namespace kx
