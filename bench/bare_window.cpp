#include "bare_window.h"

#include "ui/main_window/control_builder.h"

#include <QHash>

QWidget* makeBareWindow() {
    auto* window = new QWidget;
    window->setFixedSize(kx::toPixels(kx::kMainWindowSize));
    QHash<QString, QWidget*> byName;
    for (const kx::ControlRow& row : kx::mainWindowControls()) {
        QWidget* control =
            kx::newControl(row, row.container.isEmpty() ? window : byName.value(row.container));
        control->setGeometry(kx::placeOf(row));
        byName.insert(row.name, control);
    }
    return window;
}
