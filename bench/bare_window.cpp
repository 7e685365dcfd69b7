#include "bare_window.h"

#include "ui/main_window/control_table.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

QWidget* makeBareWindow() {
    using kx::ControlKind;
    auto* window = new QWidget;
    window->setFixedSize(615, 273);
    QHash<QString, QWidget*> containers;
    for (const kx::ControlRow& row : kx::mainWindowControls()) {
        QWidget* parent = row.container.isEmpty() ? window : containers.value(row.container);
        QWidget* control = nullptr;
        switch (row.kind) {
        case ControlKind::Frame:
            control = new QGroupBox(parent);
            containers.insert(row.name, control);
            break;
        case ControlKind::Picture:
        case ControlKind::CaptionLabel:
        case ControlKind::RaisedLabel:
        case ControlKind::ResultLabel:
            control = new QLabel(row.caption, parent);
            break;
        case ControlKind::TextField:
            control = new QLineEdit(parent);
            break;
        case ControlKind::ComboBox:
            control = new QComboBox(parent);
            break;
        case ControlKind::ScrollBar:
            control = new QScrollBar(Qt::Vertical, parent);
            break;
        case ControlKind::FlatButton:
        case ControlKind::PushButton:
            control = new QPushButton(row.caption, parent);
            break;
        case ControlKind::Line:
        case ControlKind::Rectangle:
        case ControlKind::Circle:
            control = new QWidget(parent);
            break;
        }
        control->setGeometry(kx::toPixels(row.place.left), kx::toPixels(row.place.top),
                             std::max(1, kx::toPixels(row.place.width)),
                             std::max(1, kx::toPixels(row.place.height)));
    }
    return window;
}
