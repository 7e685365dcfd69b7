#include "ui/main_window/form_princ.h"

#include "calc/locale_numbers.h"
#include "calc/port_length.h"
#include "calc/port_tuning.h"
#include "ui/main_window/control_builder.h"
#include "ui/main_window/control_table.h"
#include "ui/main_window/modal_dialogs.h"
#include "ui/main_window/window_look.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>

namespace kx {
namespace {

// The start-up focus order: each control that holds a position, by its position.
QStringList startUpFocusOrder() {
    std::vector<std::pair<int, QString>> held;
    for (const ControlSpec& spec : mainWindowControls()) {
        if (spec.focusPosition >= 0) {
            held.emplace_back(spec.focusPosition, spec.name);
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
      dialogs(dialogs ? dialogs : ownDialogs.get()), focusOrder(startUpFocusOrder()) {
    setObjectName(QStringLiteral("FORMprinc"));
    setWindowTitle(QStringLiteral("Kx"));
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
    connect(CMDuscire, &QPushButton::clicked, this, &FORMprinc::CMDuscire_Click);

    applyFocusOrder();
    Form_Load();
}

FORMprinc::~FORMprinc() = default;

void FORMprinc::Form_Load() {
    const QScreen* screen = this->screen();
    const QSize outer = frameGeometry().size();
    const QSize whole = screen ? screen->geometry().size() : outer;
    const float left = (whole.width() - outer.width()) / 2.0f;
    const float top = (whole.height() - outer.height()) / 2.0f;
    move(qRound(left), qRound(top));

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
    TXTalt->setFocus(Qt::OtherFocusReason);
}

void FORMprinc::CMDcalcolaKx_Click() {
    showKx(calcolaKx());
}

void FORMprinc::CMDuscire_Click() {
    close();
}

std::optional<double> FORMprinc::calcolaKx() {
    const QLocale locale = userLocale();
    const auto tuning = computeTuning({TXTvol->text(), TXTdia->text(), TXTlar->text(), TXTalt->text(),
                                       TXTlung->text(), CMBcondotti->currentText()},
                                      locale);
    if (!tuning) {
        dialogs->showMissingData(this);
        TXTlung->setText(lengthText(kShortestPort));
        lunghezzaReimpostata = true;
        return std::nullopt;
    }
    LBLsezione->setText(tuning->section);
    LBLdia->setText(tuning->equivalentDiameter);
    LBLvolcondotto->setText(tuning->portVolume);
    return tuning->kx;
}

void FORMprinc::showKx(std::optional<double> kx) {
    LBLkx->setText(resultText(kx, userLocale()));
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
