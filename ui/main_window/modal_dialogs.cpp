#include "ui/main_window/modal_dialogs.h"

#include "ui/info_window/form_info.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace kx {

void DesktopDialogs::showMissingData(QWidget* parent) {
    //: The message of a calculation that lacks data. The blanks around it are the original's.
    const QString message = QCoreApplication::translate(
        "kx::DesktopDialogs", "    Non vi sono dati sufficienti per eseguire il calcolo ...      ");
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Kx"), message, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void DesktopDialogs::showInformation(QWidget* parent) {
    FORMinfo info(parent);
    info.exec();
}

} // namespace kx
