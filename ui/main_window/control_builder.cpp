#include "ui/main_window/control_builder.h"

#include "ui/accessible_roles.h"
#include "ui/main_window/control_table.h"
#include "ui/main_window/drawn_shape.h"
#include "ui/window_look.h"

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

void paint(QWidget* widget, QPalette::ColorRole role, const std::optional<QColor>& colour) {
    if (!colour) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(role, *colour);
    widget->setPalette(palette);
}

void dressLabel(QLabel* label, const ControlRow& row) {
    if (row.kind == ControlKind::Picture) {
        label->setScaledContents(true);
        return;
    }
    label->setTextFormat(Qt::PlainText); // keeps the runs of blanks in the captions
    label->setText(row.caption);
    label->setAlignment((row.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    if (row.kind == ControlKind::RaisedLabel) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
        label->setPalette(palette);
        return;
    }
    label->setAutoFillBackground(true);
    paint(label, QPalette::Window, row.background);
    if (row.kind == ControlKind::ResultLabel) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setLineWidth(1);
    }
}

void dressTextField(QLineEdit* field, const ControlRow& row) {
    field->setMaxLength(std::numeric_limits<int>::max());
    paint(field, QPalette::Base, row.background);
}

void dressComboBox(QComboBox* combo, const ControlRow& row) {
    combo->setEditable(false);
    combo->addItems({"1", "2", "3", "4"});
    combo->setCurrentIndex(-1);
    paint(combo, QPalette::Base, row.background);
    paint(combo, QPalette::Button, row.background);
}

// The length spin runs over the negated lengths (see FORMprinc::spinLength).
void dressLengthSpin(QScrollBar* bar) {
    constexpr int kLongestPort = 500;
    constexpr int kStartLength = 250;
    bar->setRange(-kLongestPort, -1);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setValue(-kStartLength);
    bar->setFocusPolicy(Qt::StrongFocus);
    presentNegated(bar);
}

void dressButton(QPushButton* button, const ControlRow& row) {
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
}

void dress(QWidget* control, const ControlRow& row) {
    control->setFont(row.kind == ControlKind::Frame ? frameCaptionFont() : windowFont());
    if (auto* label = qobject_cast<QLabel*>(control)) {
        dressLabel(label, row);
    } else if (auto* field = qobject_cast<QLineEdit*>(control)) {
        dressTextField(field, row);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        dressComboBox(combo, row);
    } else if (auto* bar = qobject_cast<QScrollBar*>(control)) {
        dressLengthSpin(bar);
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        dressButton(button, row);
    }
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
        Q_ASSERT(caption);
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

QWidget* newControl(const ControlRow& row, QWidget* container) {
    switch (row.kind) {
    case ControlKind::Frame:
        return new QGroupBox(row.caption, container);
    case ControlKind::Picture:
    case ControlKind::CaptionLabel:
    case ControlKind::RaisedLabel:
    case ControlKind::ResultLabel:
        return new QLabel(container);
    case ControlKind::TextField:
        return new QLineEdit(container);
    case ControlKind::ComboBox:
        return new QComboBox(container);
    case ControlKind::ScrollBar:
        return new QScrollBar(Qt::Vertical, container);
    case ControlKind::FlatButton:
    case ControlKind::PushButton:
        return new QPushButton(row.caption, container);
    case ControlKind::Line:
        return new DrawnShape(QPoint(toPixels(row.place.left), toPixels(row.place.top)),
                              QPoint(toPixels(row.place.width), toPixels(row.place.height)), container);
    case ControlKind::Rectangle:
        return new DrawnShape(DrawnShape::Form::Rectangle, placeOf(row), *row.background, container);
    case ControlKind::Circle:
        return new DrawnShape(DrawnShape::Form::Circle, placeOf(row), *row.background, container);
    }
    return nullptr;
}

QRect placeOf(const ControlRow& row) {
    const Twips& t = row.place;
    return {toPixels(t.left), toPixels(t.top), toPixels(t.width), toPixels(t.height)};
}

namespace {

// The named control of the given kind; a table that gives it another kind ends the program at once.
template <typename Control> Control* typed(const QHash<QString, QWidget*>& byName, const char* name) {
    auto* control = qobject_cast<Control*>(byName.value(QLatin1String(name)));
    if (!control) {
        qFatal("The control table has no %s of the kind the window uses", name);
    }
    return control;
}

} // namespace

MainControls buildControls(QWidget* window) {
    QHash<QString, QWidget*> byName;
    for (const ControlRow& row : mainWindowControls()) {
        QWidget* container = row.container.isEmpty() ? window : byName.value(row.container);
        QWidget* control = newControl(row, container);
        control->setObjectName(row.name);
        dress(control, row);
        if (!dynamic_cast<DrawnShape*>(control)) { // a drawing places itself
            control->setGeometry(placeOf(row));
        }
        byName.insert(row.name, control);
    }
    for (const ControlRow& row : mainWindowControls()) {
        if (!row.description.isEmpty()) {
            giveSpeech(byName.value(row.name), row, byName);
        }
    }
    // The lines cross the shapes they mark, so they lie above them.
    for (const ControlRow& row : mainWindowControls()) {
        if (row.kind == ControlKind::Line) {
            byName.value(row.name)->raise();
        }
    }
    return {byName,
            typed<QLineEdit>(byName, "TXTvol"),
            typed<QLineEdit>(byName, "TXTdia"),
            typed<QLineEdit>(byName, "TXTlar"),
            typed<QLineEdit>(byName, "TXTalt"),
            typed<QLineEdit>(byName, "TXTlung"),
            typed<QLabel>(byName, "LBLsezione"),
            typed<QLabel>(byName, "LBLdia"),
            typed<QLabel>(byName, "LBLvolcondotto"),
            typed<QLabel>(byName, "LBLkx"),
            typed<QLabel>(byName, "LBLalt"),
            typed<QLabel>(byName, "LBLlarg"),
            typed<QLabel>(byName, "LBLpro"),
            typed<QLabel>(byName, "Image1"),
            typed<QPushButton>(byName, "CMDcalcolaKx"),
            typed<QPushButton>(byName, "CMDottimizza"),
            typed<QPushButton>(byName, "CMDinfo"),
            typed<QPushButton>(byName, "CMDuscire"),
            typed<QComboBox>(byName, "CMBcondotti"),
            typed<QScrollBar>(byName, "VSLungcond")};
}

} // namespace kx
