#include "ui/main_window/control_builder.h"

#include "calc/port_length.h"
#include "ui/accessible_roles.h"
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

QRect pixelRect(const ControlRow& row) {
    const Twips& t = row.place;
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

QLabel* makeLabel(const ControlRow& row, QWidget* container) {
    auto* label = new QLabel(container);
    label->setTextFormat(Qt::PlainText); // keeps the runs of blanks in the captions
    label->setText(row.caption);
    label->setAlignment((row.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    if (row.kind == ControlKind::RaisedLabel) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
        label->setPalette(palette);
        return label;
    }
    label->setAutoFillBackground(true);
    paint(label, QPalette::Window, row.background);
    if (row.kind == ControlKind::ResultLabel) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
    }
    return label;
}

QLineEdit* makeTextField(const ControlRow& row, QWidget* container) {
    auto* field = new QLineEdit(container);
    field->setMaxLength(std::numeric_limits<int>::max());
    paint(field, QPalette::Base, row.background);
    return field;
}

QComboBox* makeComboBox(const ControlRow& row, QWidget* container) {
    auto* combo = new QComboBox(container);
    combo->setEditable(false);
    combo->addItems({"1", "2", "3", "4"});
    combo->setCurrentIndex(-1);
    paint(combo, QPalette::Base, row.background);
    paint(combo, QPalette::Button, row.background);
    return combo;
}

QScrollBar* makeScrollBar(QWidget* container) {
    auto* bar = new QScrollBar(Qt::Vertical, container);
    // Negated lengths: the longest port at the top (see FORMprinc::spinLength).
    bar->setRange(-kLongestPort, -kShortestPort);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(-kSliderStartValue);
    bar->setFocusPolicy(Qt::StrongFocus);
    presentNegated(bar);
    return bar;
}

QPushButton* makeButton(const ControlRow& row, QWidget* container) {
    auto* button = new QPushButton(row.caption, container);
    button->setAutoDefault(false);
    button->setDefault(false);
    if (!row.picture.isEmpty()) {
        button->setIcon(QIcon(row.picture));
        button->setIconSize(kButtonPictureSize);
    }
    if (row.kind == ControlKind::FlatButton) {
        button->setFlat(true);
        paint(button, QPalette::Button, row.background);
    }
    return button;
}

QLabel* makePicture(const ControlRow& row, QWidget* container) {
    auto* picture = new QLabel(container);
    picture->setScaledContents(true);
    picture->setPixmap(storedPicture(row.picture));
    return picture;
}

QWidget* makeControl(const ControlRow& row, QWidget* container) {
    switch (row.kind) {
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(row.caption, container);
        frame->setFont(frameCaptionFont());
        return frame;
    }
    case ControlKind::Picture:
        return makePicture(row, container);
    case ControlKind::TextField:
        return makeTextField(row, container);
    case ControlKind::CaptionLabel:
    case ControlKind::RaisedLabel:
    case ControlKind::ResultLabel:
        return makeLabel(row, container);
    case ControlKind::ComboBox:
        return makeComboBox(row, container);
    case ControlKind::ScrollBar:
        return makeScrollBar(container);
    case ControlKind::FlatButton:
    case ControlKind::PushButton:
        return makeButton(row, container);
    case ControlKind::Line:
        return new DrawnShape(QPoint(toPixels(row.place.left), toPixels(row.place.top)),
                              QPoint(toPixels(row.place.width), toPixels(row.place.height)), container);
    case ControlKind::Rectangle:
        return new DrawnShape(DrawnShape::Form::Rectangle, pixelRect(row), *row.background, container);
    case ControlKind::Circle:
        return new DrawnShape(DrawnShape::Form::Circle, pixelRect(row), *row.background, container);
    }
    return nullptr;
}

// A caption as a screen reader should say it: runs of blanks closed up, powers as superscripts
// rather than a caret.
QString spokenCaption(const QString& caption) {
    return caption.simplified()
        .replace(QLatin1String("^3"), QStringLiteral("\u00B3"))
        .replace(QLatin1String("^2"), QStringLiteral("\u00B2"));
}

// What a screen reader says of the control. An input is named by the caption beside it, a button by
// its own caption, without its access-key marker. A result label is read as its value, labelled by
// its caption: a fixed name would hide the value and the changes its text announces.
void giveSpeech(QWidget* control, const ControlRow& row, const QHash<QString, QWidget*>& controls) {
    control->setAccessibleDescription(row.description);
    if (!row.namedBy.isEmpty()) {
        auto* caption = qobject_cast<QLabel*>(controls.value(row.namedBy));
        caption->setBuddy(control); // the caption labels the control for assistive tools
        if (row.kind != ControlKind::ResultLabel) {
            control->setAccessibleName(spokenCaption(caption->text()));
        }
    } else if (auto* button = qobject_cast<QPushButton*>(control); button && !button->text().isEmpty()) {
        control->setAccessibleName(button->text().remove(QLatin1Char('&')).simplified());
    } else {
        control->setAccessibleName(row.spokenName);
    }
}

} // namespace

QHash<QString, QWidget*> buildControls(QWidget* window) {
    QHash<QString, QWidget*> controls;
    for (const ControlRow& row : mainWindowControls()) {
        QWidget* container = row.container.isEmpty() ? window : controls.value(row.container);
        QWidget* control = makeControl(row, container);
        control->setObjectName(row.name);
        if (row.kind != ControlKind::Frame) {
            control->setFont(windowFont());
        }
        if (row.kind != ControlKind::Line && row.kind != ControlKind::Rectangle &&
            row.kind != ControlKind::Circle) {
            control->setGeometry(pixelRect(row));
        }
        controls.insert(row.name, control);
    }
    for (const ControlRow& row : mainWindowControls()) {
        if (!row.description.isEmpty()) {
            giveSpeech(controls.value(row.name), row, controls);
        }
    }
    // The lines cross the shapes they mark, so they lie above them.
    for (const ControlRow& row : mainWindowControls()) {
        if (row.kind == ControlKind::Line) {
            controls.value(row.name)->raise();
        }
    }
    return controls;
}

} // namespace kx
