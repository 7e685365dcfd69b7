#include "ui/main_window/form_princ.h"

#include "calc/box_proportions.h"
#include "calc/locale_numbers.h"
#include "calc/port_length.h"
#include "calc/port_tuning.h"
#include "entry/enter_condition.h"
#include "entry/field_guidance.h"
#include "ui/accessible_roles.h"
#include "ui/main_window/control_builder.h"
#include "ui/main_window/control_table.h"
#include "ui/main_window/guidance_picture.h"
#include "ui/main_window/held_press.h"
#include "ui/main_window/modal_dialogs.h"
#include "ui/main_window/numeric_field_events.h"
#include "ui/main_window/result_label.h"
#include "ui/main_window/screen_placement.h"
#include "ui/main_window/window_look.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>

#include <algorithm>

namespace kx {
namespace {

// The start-up focus order: each control that holds a position, by its position.
QStringList startUpFocusOrder() {
    std::vector<std::pair<int, QString>> held;
    for (const ControlRow& row : mainWindowControls()) {
        if (row.focusPosition >= 0) {
            held.emplace_back(row.focusPosition, row.name);
        }
    }
    std::sort(held.begin(), held.end());
    QStringList names;
    for (const auto& [position, name] : held) {
        names << name;
    }
    return names;
}

} // namespace

template <typename Control> Control* FORMprinc::control(const QString& name) const {
    return static_cast<Control*>(controls.value(name));
}

FORMprinc::FORMprinc(ModalDialogs* dialogs)
    : ownDialogs(dialogs ? nullptr : std::make_unique<DesktopDialogs>()),
      dialogs(dialogs ? dialogs : ownDialogs.get()), focusOrder(startUpFocusOrder()),
      heldPress(new HeldPress(this)), pictureFolder(programFolder()) {
    setObjectName(QStringLiteral("FORMprinc"));
    setWindowTitle(QStringLiteral("Kx"));
    presentAsWindow(this);
    setWindowIcon(kxIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(toPixels(kMainWindowWidth), toPixels(kMainWindowHeight));
    setFont(windowFont());

    controls = buildControls(this);
    TXTvol = control<QLineEdit>("TXTvol");
    TXTdia = control<QLineEdit>("TXTdia");
    TXTlar = control<QLineEdit>("TXTlar");
    TXTalt = control<QLineEdit>("TXTalt");
    TXTlung = control<QLineEdit>("TXTlung");
    LBLsezione = control<QLabel>("LBLsezione");
    LBLdia = control<QLabel>("LBLdia");
    LBLvolcondotto = control<QLabel>("LBLvolcondotto");
    LBLkx = control<QLabel>("LBLkx");
    LBLalt = control<QLabel>("LBLalt");
    LBLlarg = control<QLabel>("LBLlarg");
    LBLpro = control<QLabel>("LBLpro");
    Image1 = control<QLabel>("Image1");
    CMDcalcolaKx = control<QPushButton>("CMDcalcolaKx");
    CMDottimizza = control<QPushButton>("CMDottimizza");
    CMDinfo = control<QPushButton>("CMDinfo");
    CMDuscire = control<QPushButton>("CMDuscire");
    CMBcondotti = control<QComboBox>("CMBcondotti");
    VSLungcond = control<QScrollBar>("VSLungcond");

    connect(CMDcalcolaKx, &QPushButton::clicked, this, &FORMprinc::CMDcalcolaKx_Click);
    connect(CMDottimizza, &QPushButton::clicked, this, &FORMprinc::CMDottimizza_Click);
    connect(CMDinfo, &QPushButton::clicked, this, &FORMprinc::CMDinfo_Click);
    connect(CMDuscire, &QPushButton::clicked, this, &FORMprinc::CMDuscire_Click);
    connect(VSLungcond, &QScrollBar::valueChanged, this, &FORMprinc::VSLungcond_Change);

    auto* fieldEvents = new NumericFieldEvents(
        {[this](NumericField f, Module1::CharCode& code) { numericField_KeyPress(f, code); },
         [this](NumericField f) { numericField_KeyUp(f); },
         [this](NumericField f, bool cameBack) {
             numericField_FocusIn(f, cameBack);
         }},
        this);
    for (const NumericField which : kNumericFields) {
        fieldEvents->watch(field(which), which);
        connect(field(which), &QLineEdit::textChanged, this, [this, which] { numericField_Change(which); });
    }

    applyFocusOrder();
    Form_Load();
}

FORMprinc::~FORMprinc() = default;

void FORMprinc::Form_Load() {
    placeWithFrame(this, [this](const QMargins& frame) { centreOnScreen(this, size().grownBy(frame)); });
    CMBcondotti->setCurrentIndex(0);
    lunghezzaDigitata = true;
    lunghezzaReimpostata = false;
    TXTlung->setText(lengthText(kShortestPort));
}

void FORMprinc::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Coming back from the task bar is no activation of the program's own.
    if (!shownBefore) {
        shownBefore = true;
        Form_Activate();
    }
}

void FORMprinc::Form_Activate() {
    // The focus enters TXTalt at every activation, also where Qt would only give it back silently.
    {
        const QScopedValueRollback quiet(activating, true);
        TXTalt->setFocus(Qt::OtherFocusReason);
    }
    numericField_GotFocus(NumericField::Height);
}

void FORMprinc::CMDcalcolaKx_Click() {
    showKx(calcolaKx());
}

void FORMprinc::CMDuscire_Click() {
    close();
}

void FORMprinc::CMDottimizza_Click() {
    const auto box = proportionBox(TXTvol->text(), userLocale());
    if (!box) {
        return;
    }
    showResult(LBLalt, box->height);
    showResult(LBLlarg, box->width);
    showResult(LBLpro, box->depth);
    announce(CMDottimizza, QStringLiteral("Altezza %1, larghezza %2, profondit\u00E0 %3 centimetri")
                               .arg(box->height, box->width, box->depth));
}

void FORMprinc::CMDinfo_Click() {
    heldPress->end();
    dialogs->showInformation(this);
    Form_Activate(); // the main window is active again
}

void FORMprinc::VSLungcond_Change() {
    // Changing the value from here calls this handler again, nested, before setValue returns.
    if (lunghezzaDigitata) {
        lunghezzaDigitata = false;
        if (const auto typed = takenOverLength(TXTlung->text(), userLocale())) {
            setSpinLength(*typed);
        }
    }
    if (lunghezzaReimpostata) {
        lunghezzaReimpostata = false;
        setSpinLength(kShortestPort);
        return;
    }
    TXTlung->setText(lengthText(spinLength()));
    showKx(calcolaKx());
}

void FORMprinc::numericField_KeyPress(NumericField which, Module1::CharCode& keyAscii) {
    constexpr Module1::CharCode kEnter = 13;
    keyAscii = Module1::filtraTasto(keyAscii, userLocale());
    const FilledFields filled{!TXTvol->text().isEmpty(), !TXTdia->text().isEmpty(), !TXTlar->text().isEmpty(),
                              !TXTalt->text().isEmpty(), !TXTlung->text().isEmpty()};
    if (keyAscii == kEnter && enterRunsCalculation(which, filled)) {
        showKx(calcolaKx());
    }
}

void FORMprinc::numericField_KeyUp(NumericField which) {
    if (which == NumericField::Length) {
        lunghezzaDigitata = true;
    }
}

void FORMprinc::numericField_Change(NumericField which) {
    QLineEdit* edited = field(which);
    const QString corrected = module1.correggiSeparatore(which, edited->text(), userLocale());
    // An identical text is not written back: it would raise no change, but would lose the undo history.
    if (corrected != edited->text()) {
        edited->setText(corrected);
    }
    edited->setCursorPosition(int(edited->text().size()));
}

std::optional<double> FORMprinc::calcolaKx() {
    const QLocale locale = userLocale();
    const auto tuning = computeTuning({TXTvol->text(), TXTdia->text(), TXTlar->text(), TXTalt->text(),
                                       TXTlung->text(), CMBcondotti->currentText()},
                                      locale);
    if (!tuning) {
        heldPress->end();
        dialogs->showMissingData(this);
        TXTlung->setText(lengthText(kShortestPort));
        lunghezzaReimpostata = true;
        return std::nullopt;
    }
    showResult(LBLsezione, tuning->section);
    showResult(LBLdia, tuning->equivalentDiameter);
    showResult(LBLvolcondotto, tuning->portVolume);
    return tuning->kx;
}

void FORMprinc::showKx(std::optional<double> kx) {
    showResult(LBLkx, resultText(kx, userLocale()));
    if (kx) {
        announce(LBLkx, QStringLiteral("Kx %1 hertz").arg(LBLkx->text()));
    }
}

// The spin runs over the negated lengths: its top end is the longest port, and every input Qt gives
// a scroll bar (its arrows, Up and Down, PageUp and PageDown, Home and End, the wheel) goes the way
// its top arrow goes, towards a longer port.
int FORMprinc::spinLength() const {
    return -VSLungcond->value();
}

void FORMprinc::setSpinLength(int length) {
    VSLungcond->setValue(-length);
}

void FORMprinc::numericField_FocusIn(NumericField which, bool cameBack) {
    // Focus that comes back with the window to the field entered last is no entry. Another field
    // can receive it that way too: a click into an inactive window can move the focus before the
    // window is activated; that is an entry.
    if (activating || (cameBack && lastEntered == which)) {
        return;
    }
    numericField_GotFocus(which);
}

void FORMprinc::numericField_GotFocus(NumericField which) {
    lastEntered = which;
    const FieldGuidance guidance = guidanceFor(which, !TXTdia->text().isEmpty());
    for (const NumericField emptied : guidance.emptied) {
        field(emptied)->setText(QString());
    }
    for (const auto& [name, position] : guidance.positions) {
        focusOrder.setPosition(name, position);
    }
    applyFocusOrder();
    Image1->setPixmap(loadGuidancePicture(pictureFolder, guidance.picture));
    Image1->setAccessibleName(QStringLiteral("Figura: ") + guidance.shows);
}

QLineEdit* FORMprinc::field(NumericField which) const {
    return control<QLineEdit>(controlName(which));
}

void FORMprinc::applyFocusOrder() {
    QWidget* previous = nullptr;
    for (const QString& name : focusOrder.names()) {
        QWidget* next = controls.value(name);
        if (!next || !(next->focusPolicy() & Qt::TabFocus)) {
            continue;
        }
        if (previous) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
}

} // namespace kx
