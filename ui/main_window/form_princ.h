// FORMprinc: the calculator's one working window. It owns every field, result label and button,
// builds them from the control table, and wires their events to the calculations and the entry
// rules of the core. Created once at start-up; the program ends when it closes.
#pragma once

#include "entry/focus_order.h"

#include <QHash>
#include <QWidget>

#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace kx {

class ModalDialogs;

class FORMprinc : public QWidget {
public:
    // dialogs: the modal windows to open; the desktop's own when none is given.
    explicit FORMprinc(ModalDialogs* dialogs = nullptr);
    ~FORMprinc() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void CMDcalcolaKx_Click();
    void CMDuscire_Click();

    std::optional<double> calcolaKx();
    void showKx(std::optional<double> kx);
    void applyFocusOrder();

    template <typename Control> Control* control(const QString& name) const;

    std::unique_ptr<ModalDialogs> ownDialogs;
    ModalDialogs* dialogs;
    QHash<QString, QWidget*> controls;
    FocusOrder focusOrder;
    bool shownBefore = false;

    bool lunghezzaDigitata = false;
    bool lunghezzaReimpostata = false;

    QLineEdit *TXTvol, *TXTdia, *TXTlar, *TXTalt, *TXTlung;
    QLabel *LBLsezione, *LBLdia, *LBLvolcondotto, *LBLkx;
    QLabel *LBLalt, *LBLlarg, *LBLpro, *Image1;
    QPushButton *CMDcalcolaKx, *CMDottimizza, *CMDinfo, *CMDuscire;
    QComboBox* CMBcondotti;
    QScrollBar* VSLungcond;
};

} // namespace kx
