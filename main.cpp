#include "ui/main_window/form_princ.h"
#include "ui/main_window/kx_style.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kx::installLook();
    kx::FORMprinc window;
    window.show();
    return app.exec();
}
