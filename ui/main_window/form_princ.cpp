#include "ui/main_window/form_princ.h"

#include "calc/box_proportions.h"
#include "calc/locale_numbers.h"
#include "calc/port_length.h"
#include "calc/port_tuning.h"
#include "entry/enter_condition.h"
#include "entry/field_guidance.h"
#include "ui/accessible_field.h"
#include "ui/accessible_roles.h"
#include "ui/languages.h"
#include "ui/main_window/length_spin.h"
#include "ui/main_window/modal_dialogs.h"
#include "ui/main_window/numeric_field_events.h"
#include "ui/main_window/press_on_return.h"
#include "ui/main_window/result_label.h"
#include "ui/screen_placement.h"
#include "ui/window_look.h"
#include "ui_form_princ.h"

#include <QCoreApplication>
#include <QDir>
#include <QScopeGuard>

#include <algorithm>
#include <utility>

namespace kx {
namespace {

// The length the missing-data path and the start-up write, and the spin restarts at.
const QString kFirstLength = QStringLiteral("1");

// The start-up focus order: each control of the form that holds a position, by its position.
QList<QWidget*> startUpFocusOrder(const QWidget* window) {
    QList<QWidget*> held;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->property("focusPosition").isValid()) {
            held << control;
        }
    }
    std::sort(held.begin(), held.end(), [](const QWidget* a, const QWidget* b) {
        return a->property("focusPosition").toInt() < b->property("focusPosition").toInt();
    });
    return held;
}

// Focus that only comes back with the window: it was reactivated, or a popup closed.
bool comesBack(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

FORMprinc::FORMprinc(ModalDialogs* dialogs)
    : ui(std::make_unique<Ui::FORMprinc>()),
      ownDialogs(dialogs ? nullptr : std::make_unique<DesktopDialogs>()),
      dialogs(dialogs ? dialogs : ownDialogs.get()), pictureFolder(QCoreApplication::applicationDirPath()),
      pictureLanguage(windowLanguage(userLanguages())) {
    ui->setupUi(this);
    focusOrder = FocusOrder(startUpFocusOrder(this));
    setUpLengthSpin(ui->VSLungcond, ui->TXTlung);
    // What the form cannot say: the face's size in pixels, a title bar without a maximise button
    // (the form's equal least and greatest sizes keep the window from being resized), its role for a
    // screen reader, and a label drawn as a button face is, in the desktop's own colours (on a button's
    // face, Qt gives its text the button text's colour).
    setFont(windowFont());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    presentAsWindow(this);
    ui->Label6->setBackgroundRole(QPalette::Button);

    connect(ui->CMDcalcolaKx, &QPushButton::clicked, this, &FORMprinc::CMDcalcolaKx_Click);
    connect(ui->CMDottimizza, &QPushButton::clicked, this, &FORMprinc::CMDottimizza_Click);
    connect(ui->CMDinfo, &QPushButton::clicked, this, &FORMprinc::CMDinfo_Click);
    connect(ui->CMDuscire, &QPushButton::clicked, this, &FORMprinc::CMDuscire_Click);
    connect(ui->VSLungcond, &QScrollBar::valueChanged, this, &FORMprinc::VSLungcond_Change);
    // No button is the window's default, so Return in a field keeps to the field's own rules.
    for (QPushButton* button : {ui->CMDcalcolaKx, ui->CMDottimizza, ui->CMDinfo, ui->CMDuscire}) {
        pressOnReturn(button);
    }

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

    applyFocusOrder();
    Form_Load();
    setUpSpeech();
}

// Results are read as their values, never as their captions, and spoken as they come wherever the focus
// is, through two labels that only a screen reader knows of, outside the designed window: the
// notification stays hidden, the status bar is shown without a size, as a screen reader needs to find it.
void FORMprinc::setUpSpeech() {
    for (QLabel* result :
         {ui->LBLsezione, ui->LBLdia, ui->LBLvolcondotto, ui->LBLkx, ui->LBLalt, ui->LBLlarg, ui->LBLpro}) {
        presentAsResult(result);
    }
    for (const NumericField which : kNumericFields) {
        presentAsField(field(which));
    }
    notification = new QLabel(this);
    notification->hide();
    presentAsNotification(notification);
    statusBar = new QLabel(this);
    statusBar->setGeometry(0, 0, 0, 0);
    presentAsStatusBar(statusBar);
    // A drop-down list that has the focus changes its item silently for a screen reader.
    presentShownItem(ui->CMBcondotti);
    connect(ui->CMBcondotti, &QComboBox::currentTextChanged, this, [this](const QString& ports) {
        //: Spoken when the number of ports is changed: 1 to 4.
        announce(notification, tr("%n condotti", nullptr, ports.toInt()));
    });
}

void FORMprinc::speak(const QString& message) {
    statusBar->setText(message);
    announce(notification, message);
}

FORMprinc::~FORMprinc() = default;

void FORMprinc::Form_Load() {
    placeWithFrame(this,
                   [this](const QMargins& frame) { return centredCorner(this, size().grownBy(frame)); });
    ui->CMBcondotti->setCurrentIndex(0);
    lunghezzaDigitata = true;
    lunghezzaReimpostata = false;
    ui->TXTlung->setText(kFirstLength);
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
    // The height is entered at every activation, whether the focus moves into it now, later with the
    // window (which is then no entry of its own), or is there already.
    lastEntered.reset();
    ui->TXTalt->setFocus(Qt::OtherFocusReason);
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
    const auto box = proportionBox(ui->TXTvol->text(), userLocale());
    if (!box) {
        return;
    }
    showResult(ui->LBLalt, box->height);
    showResult(ui->LBLlarg, box->width);
    showResult(ui->LBLpro, box->depth);
    //: Spoken: the box's height, width and depth just proposed, in centimetres.
    speak(tr("Altezza %1, larghezza %2, profondità %3 centimetri").arg(box->height, box->width, box->depth));
}

void FORMprinc::CMDinfo_Click() {
    releaseSpinArrow(ui->VSLungcond);
    dialogs->showInformation(this);
    Form_Activate(); // the main window is active again
}

void FORMprinc::VSLungcond_Change() {
    // Changing the value from here calls this handler again, nested, before setValue returns. A step
    // can so show Kx twice: a screen reader hears the last one, once, when the outermost call ends.
    ++spinDepth;
    const auto speakLast = qScopeGuard([this] {
        if (--spinDepth == 0 && heldMessage) {
            speak(*std::exchange(heldMessage, std::nullopt));
        }
    });
    if (lunghezzaDigitata) {
        lunghezzaDigitata = false;
        if (const auto typed = takenOverLength(ui->TXTlung->text(), userLocale())) {
            setSpinLength(ui->VSLungcond, *typed);
        }
    }
    if (lunghezzaReimpostata) {
        lunghezzaReimpostata = false;
        setSpinLength(ui->VSLungcond, kFirstLength.toInt());
        return;
    }
    ui->TXTlung->setText(QString::number(spinLength(ui->VSLungcond)));
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
    const auto result = computeTuning(fieldTexts(), ui->CMBcondotti->currentText(), userLocale());
    const auto* tuning = std::get_if<PortTuning>(&result);
    if (!tuning) {
        // Fields that cannot be computed are told as missing data: the user has a field to mend.
        releaseSpinArrow(ui->VSLungcond);
        dialogs->showMissingData(this);
        ui->TXTlung->setText(kFirstLength);
        lunghezzaReimpostata = true;
        return std::nullopt;
    }
    showResult(ui->LBLsezione, tuning->section);
    showResult(ui->LBLdia, tuning->equivalentDiameter);
    showResult(ui->LBLvolcondotto, tuning->portVolume);
    return tuning->kx;
}

void FORMprinc::showKx(std::optional<double> kx) {
    showResult(ui->LBLkx, resultText(kx, userLocale()));
    if (kx) {
        //: Spoken: the tuning frequency just calculated, as the window shows it.
        const QString message = tr("Kx %1 hertz").arg(ui->LBLkx->text());
        if (spinDepth > 0) {
            heldMessage = message;
        } else {
            speak(message);
        }
    }
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
    const FieldGuidance guidance = guidanceFor(which, filled(ui->TXTdia->text()));
    for (const NumericField emptied : guidance.emptied) {
        field(emptied)->setText(QString());
    }
    for (const auto& [which, position] : guidance.positions) {
        focusOrder.setPosition(control(which), position);
    }
    applyFocusOrder();
    // Read anew at each entry, drawn in the window's language, or the Italian one where that is missing;
    // a file missing or not a picture leaves Image1 without one.
    QPixmap picture(pictureFolder + QDir::separator() + pictureLanguage + guidance.picture, "JPEG");
    if (picture.isNull()) {
        picture.load(pictureFolder + guidance.picture, "JPEG");
    }
    ui->Image1->setPixmap(picture);
    //: The guidance picture, for a screen reader: %1 says what it shows.
    ui->Image1->setAccessibleName(
        tr("Figura, %1").arg(QCoreApplication::translate("kx::FieldGuidance", guidance.shows)));
}

FieldTexts FORMprinc::fieldTexts() const {
    return {ui->TXTvol->text(), ui->TXTdia->text(), ui->TXTlar->text(), ui->TXTalt->text(),
            ui->TXTlung->text()};
}

QLineEdit* FORMprinc::field(NumericField which) const {
    switch (which) {
    case NumericField::Volume:
        return ui->TXTvol;
    case NumericField::Diameter:
        return ui->TXTdia;
    case NumericField::Width:
        return ui->TXTlar;
    case NumericField::Height:
        return ui->TXTalt;
    case NumericField::Length:
        return ui->TXTlung;
    }
    return nullptr;
}

QWidget* FORMprinc::control(FocusControl which) const {
    switch (which) {
    case FocusControl::Height:
        return ui->TXTalt;
    case FocusControl::Width:
        return ui->TXTlar;
    case FocusControl::Diameter:
        return ui->TXTdia;
    case FocusControl::Volume:
        return ui->TXTvol;
    case FocusControl::Length:
        return ui->TXTlung;
    case FocusControl::CalculateButton:
        return ui->CMDcalcolaKx;
    case FocusControl::OptimiseButton:
        return ui->CMDottimizza;
    }
    return nullptr;
}

// Qt's tab chain holds only the controls that take the focus; the labels and frames between them
// count only for the positions the entries set.
void FORMprinc::applyFocusOrder() {
    QWidget* previous = nullptr;
    for (QWidget* next : focusOrder.controls()) {
        if (!(next->focusPolicy() & Qt::TabFocus)) {
            continue;
        }
        if (previous) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
}

} // namespace kx
