#include "bare_window.h"

#include "ui_form_princ.h"

QWidget* makeBareWindow() {
    auto* window = new QWidget;
    Ui::FORMprinc form;
    form.setupUi(window);
    return window;
}
