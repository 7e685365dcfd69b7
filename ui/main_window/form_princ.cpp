#include "ui/main_window/form_princ.h"

#include "calc/box_proportions.h"
#include "calc/locale_numbers.h"
#include "calc/port_length.h"
#include "calc/port_tuning.h"
#include "entry/enter_condition.h"
#include "entry/field_guidance.h"
#include "ui/accessible_roles.h"
#include "ui/main_window/held_press.h"
#include "ui/main_window/modal_dialogs.h"
#include "ui/main_window/numeric_field_events.h"
#include "ui/main_window/result_label.h"
#include "ui/screen_placement.h"
#include "ui/window_look.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace kx {
namespace {

// The length the missing-data path and the start-up write, and the spin restarts at.
const QString kFirstLength = QStringLiteral("1");

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

// Focus that only comes back with the window: it was reactivated, or a popup closed.
bool comesBack(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

FORMprinc::FORMprinc(ModalDialogs* dialogs)
    : MainControls(buildControls(this)), ownDialogs(dialogs ? nullptr : std::make_unique<DesktopDialogs>()),
      dialogs(dialogs ? dialogs : ownDialogs.get()), focusOrder(startUpFocusOrder()),
      heldPress(new HeldPress(this)), pictureFolder(QCoreApplication::applicationDirPath()) {
    setObjectName(QStringLiteral("FORMprinc"));
    setWindowTitle(QStringLiteral("Kx"));
    presentAsWindow(this);
    setWindowIcon(kxIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(toPixels(kMainWindowSize));
    setFont(windowFont());

    connect(CMDcalcolaKx, &QPushButton::clicked, this, &FORMprinc::CMDcalcolaKx_Click);
    connect(CMDottimizza, &QPushButton::clicked, this, &FORMprinc::CMDottimizza_Click);
    connect(CMDinfo, &QPushButton::clicked, this, &FORMprinc::CMDinfo_Click);
    connect(CMDuscire, &QPushButton::clicked, this, &FORMprinc::CMDuscire_Click);
    connect(VSLungcond, &QScrollBar::valueChanged, this, &FORMprinc::VSLungcond_Change);

    auto* fieldEvents = new NumericFieldEvents(
        {[this](NumericField f, Module1::CharCode& code) { numericField_KeyPress(f, code); },
         [this](NumericField f) { numericField_KeyUp(f); },
         [this](NumericField f, Qt::FocusReason reason) {
             numericField_GotFocus(f, reason);
         }},
        this);
    for (const NumericField which : kNumericFields) {
        fieldEvents->watch(field(which), which);
        connect(field(which), &QLineEdit::textChanged, this, [this, which] { numericField_Change(which); });
    }

    Image1->installEventFilter(this);
    applyFocusOrder();
    Form_Load();
}

FORMprinc::~FORMprinc() = default;

void FORMprinc::Form_Load() {
    placeWithFrame(this, [this](const QMargins& frame) { centreOnScreen(this, size().grownBy(frame)); });
    CMBcondotti->setCurrentIndex(0);
    lunghezzaDigitata = true;
    lunghezzaReimpostata = false;
    TXTlung->setText(kFirstLength);
}

void FORMprinc::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Coming back from the task bar is no activation of the program's own.
    if (!shownBefore) {
        shownBefore = true;
        Form_Activate();
    }
}

// Image1's start-up picture shows until the first entry of a field replaces it. That entry comes with
// the first activation, before the window is first painted: so the picture is decoded only if Image1
// is ever painted before it, which it is not in ordinary use.
bool FORMprinc::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1 && event->type() == QEvent::Paint && !lastEntered && Image1->pixmap().isNull()) {
        Image1->setPixmap(QPixmap(QStringLiteral(":/pictures/image1_startup.bmp")));
    }
    return QWidget::eventFilter(watched, event);
}

void FORMprinc::Form_Activate() {
    // The height is entered at every activation, whether the focus moves into it now, later with the
    // window (which is then no entry of its own), or is there already.
    lastEntered.reset();
    TXTalt->setFocus(Qt::OtherFocusReason);
    if (lastEntered != NumericField::Height) {
        enterField(NumericField::Height);
    }
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
        setSpinLength(kFirstLength.toInt());
        return;
    }
    TXTlung->setText(QString::number(spinLength()));
    showKx(calcolaKx());
}

void FORMprinc::numericField_KeyPress(NumericField which, Module1::CharCode& keyAscii) {
    constexpr Module1::CharCode kEnter = 13;
    keyAscii = Module1::filtraTasto(keyAscii, userLocale());
    if (keyAscii == kEnter && enterRunsCalculation(which, fieldTexts())) {
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
    const auto result = computeTuning(fieldTexts(), CMBcondotti->currentText(), userLocale());
    const auto* tuning = std::get_if<PortTuning>(&result);
    if (!tuning) {
        // Fields that cannot be computed are told as missing data: the user has a field to mend.
        heldPress->end();
        dialogs->showMissingData(this);
        TXTlung->setText(kFirstLength);
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

// The one rule of a field's entry: the focus arriving in a field enters it, unless it only comes
// back with the window to the field entered last.
void FORMprinc::numericField_GotFocus(NumericField which, Qt::FocusReason reason) {
    if (comesBack(reason) && lastEntered == which) {
        return;
    }
    enterField(which);
}

void FORMprinc::enterField(NumericField which) {
    lastEntered = which;
    const FieldGuidance guidance = guidanceFor(which, filled(TXTdia->text()));
    for (const NumericField emptied : guidance.emptied) {
        field(emptied)->setText(QString());
    }
    for (const auto& [name, position] : guidance.positions) {
        focusOrder.setPosition(name, position);
    }
    applyFocusOrder();
    // Read anew at each entry; a file missing or not a picture leaves Image1 without one.
    Image1->setPixmap(QPixmap(pictureFolder + guidance.picture, "JPEG"));
    Image1->setAccessibleName(QStringLiteral("Figura: ") + guidance.shows);
}

FieldTexts FORMprinc::fieldTexts() const {
    return {TXTvol->text(), TXTdia->text(), TXTlar->text(), TXTalt->text(), TXTlung->text()};
}

QLineEdit* FORMprinc::field(NumericField which) const {
    switch (which) {
    case NumericField::Volume:
        return TXTvol;
    case NumericField::Diameter:
        return TXTdia;
    case NumericField::Width:
        return TXTlar;
    case NumericField::Height:
        return TXTalt;
    case NumericField::Length:
        return TXTlung;
    }
    return nullptr;
}

void FORMprinc::applyFocusOrder() {
    QWidget* previous = nullptr;
    for (const QString& name : focusOrder.names()) {
        QWidget* next = byName.value(name);
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
