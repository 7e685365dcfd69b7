#include "ui/application.h"
#include "ui/main_window/form_princ.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kx::setUpApplication();
    kx::FORMprinc window;
    window.show();
    return app.exec();
}
