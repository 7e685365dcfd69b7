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
    for (const kx::ControlSpec& spec : kx::mainWindowControls()) {
        QWidget* parent = spec.container.isEmpty() ? window : containers.value(spec.container);
        QWidget* control = nullptr;
        switch (spec.kind) {
        case ControlKind::Frame:
            control = new QGroupBox(parent);
            containers.insert(spec.name, control);
            break;
        case ControlKind::Picture:
        case ControlKind::CaptionLabel:
        case ControlKind::RaisedLabel:
        case ControlKind::ResultLabel:
            control = new QLabel(spec.caption, parent);
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
            control = new QPushButton(spec.caption, parent);
            break;
        case ControlKind::Line:
        case ControlKind::Rectangle:
        case ControlKind::Circle:
            control = new QWidget(parent);
            break;
        }
        control->setGeometry(kx::toPixels(spec.place.left), kx::toPixels(spec.place.top),
                             std::max(1, kx::toPixels(spec.place.width)),
                             std::max(1, kx::toPixels(spec.place.height)));
    }
    return window;
}
