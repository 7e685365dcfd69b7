#include "ui/main_window/control_builder.h"

#include "calc/port_length.h"
#include "ui/main_window/control_table.h"
#include "ui/main_window/drawn_shape.h"
#include "ui/main_window/stored_picture.h"
#include "ui/main_window/window_look.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <limits>

namespace kx {
namespace {

constexpr QSize kButtonPictureSize(32, 32);

QRect pixelRect(const ControlSpec& spec) {
    const Twips& t = spec.place;
    return {toPixels(t.left), toPixels(t.top), toPixels(t.width), toPixels(t.height)};
}

void paint(QWidget* widget, QPalette::ColorRole role, const std::optional<QColor>& colour) {
    if (!colour) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(role, *colour);
    widget->setPalette(palette);
}

QLabel* makeLabel(const ControlSpec& spec, QWidget* container) {
    auto* label = new QLabel(container);
    label->setTextFormat(Qt::PlainText); // keeps the runs of blanks in the captions
    label->setText(spec.caption);
    label->setAlignment((spec.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    if (spec.kind == ControlKind::RaisedLabel) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
        label->setPalette(palette);
        return label;
    }
    label->setAutoFillBackground(true);
    paint(label, QPalette::Window, spec.background);
    if (spec.kind == ControlKind::ResultLabel) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
    }
    return label;
}

QLineEdit* makeTextField(const ControlSpec& spec, QWidget* container) {
    auto* field = new QLineEdit(container);
    field->setMaxLength(std::numeric_limits<int>::max());
    paint(field, QPalette::Base, spec.background);
    return field;
}

QComboBox* makeComboBox(const ControlSpec& spec, QWidget* container) {
    auto* combo = new QComboBox(container);
    combo->setEditable(false);
    combo->addItems({"1", "2", "3", "4"});
    combo->setCurrentIndex(-1);
    paint(combo, QPalette::Base, spec.background);
    paint(combo, QPalette::Button, spec.background);
    return combo;
}

QScrollBar* makeScrollBar(QWidget* container) {
    auto* bar = new QScrollBar(Qt::Vertical, container);
    bar->setRange(kShortestPort, kLongestPort);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(kSliderStartValue);
    bar->setFocusPolicy(Qt::StrongFocus);
    makeTopArrowRaise(bar);
    return bar;
}

QPushButton* makeButton(const ControlSpec& spec, QWidget* container) {
    auto* button = new QPushButton(spec.caption, container);
    button->setAutoDefault(false);
    button->setDefault(false);
    if (!spec.picture.isEmpty()) {
        button->setIcon(QIcon(spec.picture));
        button->setIconSize(kButtonPictureSize);
    }
    if (spec.kind == ControlKind::FlatButton) {
        button->setFlat(true);
        paint(button, QPalette::Button, spec.background);
    }
    return button;
}

QLabel* makePicture(const ControlSpec& spec, QWidget* container) {
    auto* picture = new QLabel(container);
    picture->setScaledContents(true);
    picture->setPixmap(storedPicture(spec.picture));
    return picture;
}

QWidget* makeControl(const ControlSpec& spec, QWidget* container) {
    switch (spec.kind) {
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(spec.caption, container);
        frame->setFont(frameCaptionFont());
        return frame;
    }
    case ControlKind::Picture:
        return makePicture(spec, container);
    case ControlKind::TextField:
        return makeTextField(spec, container);
    case ControlKind::CaptionLabel:
    case ControlKind::RaisedLabel:
    case ControlKind::ResultLabel:
        return makeLabel(spec, container);
    case ControlKind::ComboBox:
        return makeComboBox(spec, container);
    case ControlKind::ScrollBar:
        return makeScrollBar(container);
    case ControlKind::FlatButton:
    case ControlKind::PushButton:
        return makeButton(spec, container);
    case ControlKind::Line:
        return new DrawnShape(QPoint(toPixels(spec.place.left), toPixels(spec.place.top)),
                              QPoint(toPixels(spec.place.width), toPixels(spec.place.height)), container);
    case ControlKind::Rectangle:
        return new DrawnShape(DrawnShape::Form::Rectangle, pixelRect(spec), *spec.background, container);
    case ControlKind::Circle:
        return new DrawnShape(DrawnShape::Form::Circle, pixelRect(spec), *spec.background, container);
    }
    return nullptr;
}

// The name a screen reader announces: the caption that names the control, or the button's own,
// without its access-key marker and with its runs of blanks closed up.
void giveSpeech(QWidget* control, const ControlSpec& spec, const QHash<QString, QWidget*>& controls) {
    QString name;
    if (!spec.namedBy.isEmpty()) {
        auto* caption = static_cast<QLabel*>(controls.value(spec.namedBy));
        // Labels the control for assistive tools too; the length caption ends up labelling the field.
        caption->setBuddy(control);
        name = caption->text();
    } else if (auto* button = qobject_cast<QPushButton*>(control); button && !button->text().isEmpty()) {
        name = button->text().remove(QLatin1Char('&'));
    } else {
        name = spec.description;
    }
    control->setAccessibleName(name.simplified());
    control->setAccessibleDescription(spec.description);
}

} // namespace

void makeTopArrowRaise(QScrollBar* scrollBar) {
    // The action has moved the slider position, but not yet the value: put the position where
    // the opposite step takes it.
    QObject::connect(scrollBar, &QScrollBar::actionTriggered, scrollBar, [scrollBar](int action) {
        const int value = scrollBar->value();
        switch (action) {
        case QAbstractSlider::SliderSingleStepAdd:
            scrollBar->setSliderPosition(value - scrollBar->singleStep());
            break;
        case QAbstractSlider::SliderSingleStepSub:
            scrollBar->setSliderPosition(value + scrollBar->singleStep());
            break;
        case QAbstractSlider::SliderPageStepAdd:
            scrollBar->setSliderPosition(value - scrollBar->pageStep());
            break;
        case QAbstractSlider::SliderPageStepSub:
            scrollBar->setSliderPosition(value + scrollBar->pageStep());
            break;
        default:
            break;
        }
    });
}

QHash<QString, QWidget*> buildControls(QWidget* window) {
    QHash<QString, QWidget*> controls;
    for (const ControlSpec& spec : mainWindowControls()) {
        QWidget* container = spec.container.isEmpty() ? window : controls.value(spec.container);
        QWidget* control = makeControl(spec, container);
        control->setObjectName(spec.name);
        if (spec.kind != ControlKind::Frame) {
            control->setFont(windowFont());
        }
        if (spec.kind != ControlKind::Line && spec.kind != ControlKind::Rectangle &&
            spec.kind != ControlKind::Circle) {
            control->setGeometry(pixelRect(spec));
        }
        controls.insert(spec.name, control);
    }
    for (const ControlSpec& spec : mainWindowControls()) {
        if (!spec.description.isEmpty()) {
            giveSpeech(controls.value(spec.name), spec, controls);
        }
    }
    // The lines cross the shapes they mark, so they lie above them.
    for (const ControlSpec& spec : mainWindowControls()) {
        if (spec.kind == ControlKind::Line) {
            controls.value(spec.name)->raise();
        }
    }
    return controls;
}

} // namespace kx
