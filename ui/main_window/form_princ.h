// FORMprinc: the calculator's one working window. It owns every field, result label and button,
// builds them from the control table, and wires their events to the calculations and the entry
// rules of the core. Created once at start-up; the program ends when it closes.
#pragma once

#include "entry/focus_order.h"
#include "entry/module1.h"
#include "entry/numeric_field.h"

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

class HeldPress;
class ModalDialogs;

class FORMprinc : public QWidget {
    Q_OBJECT

public:
    // dialogs: the modal windows to open; the desktop's own when none is given.
    explicit FORMprinc(ModalDialogs* dialogs = nullptr);
    ~FORMprinc() override;

    // Where the guidance pictures are read from: the program's folder, unless set otherwise.
    void setPictureFolder(const QString& folder) { pictureFolder = folder; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void CMDcalcolaKx_Click();
    void CMDottimizza_Click();
    void CMDinfo_Click();
    void CMDuscire_Click();
    void VSLungcond_Change();

    // The handlers of the five numeric fields, which differ only in their field.
    void numericField_KeyPress(NumericField field, Module1::CharCode& keyAscii);
    void numericField_KeyUp(NumericField field);
    void numericField_Change(NumericField field);
    void numericField_GotFocus(NumericField field);
    void numericField_FocusIn(NumericField field, bool cameBack);

    std::optional<double> calcolaKx();
    void showKx(std::optional<double> kx);
    void applyFocusOrder();
    int spinLength() const;
    void setSpinLength(int length);
    QLineEdit* field(NumericField which) const;

    template <typename Control> Control* control(const QString& name) const;

    std::unique_ptr<ModalDialogs> ownDialogs;
    ModalDialogs* dialogs;
    QHash<QString, QWidget*> controls;
    FocusOrder focusOrder;
    Module1 module1;
    HeldPress* heldPress;
    QString pictureFolder;
    bool shownBefore = false;
    bool activating = false; // the activation runs the focus entry itself
    std::optional<NumericField> lastEntered;

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
