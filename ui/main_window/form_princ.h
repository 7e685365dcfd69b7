// FORMprinc: the calculator's one working window. It owns every field, result label and button,
// builds them from the control table, and wires their events to the calculations and the entry
// rules of the core. Created once at start-up; the program ends when it closes.
#pragma once

#include "calc/numeric_field.h"
#include "entry/focus_order.h"
#include "entry/module1.h"
#include "ui/main_window/control_builder.h"

#include <QWidget>

#include <memory>
#include <optional>

namespace kx {

class HeldPress;
class ModalDialogs;

class FORMprinc : public QWidget, private MainControls {
    Q_OBJECT

public:
    // dialogs: the modal windows to open; the desktop's own when none is given.
    explicit FORMprinc(ModalDialogs* dialogs = nullptr);
    ~FORMprinc() override;

    // Where the guidance pictures are read from: the program's folder, unless set otherwise.
    void setPictureFolder(const QString& folder) { pictureFolder = folder; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

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
    void numericField_GotFocus(NumericField field, Qt::FocusReason reason);
    void enterField(NumericField field);

    std::optional<double> calcolaKx();
    void showKx(std::optional<double> kx);
    void applyFocusOrder();
    FieldTexts fieldTexts() const;
    QLineEdit* field(NumericField which) const;
    int spinLength() const;
    void setSpinLength(int length);

    std::unique_ptr<ModalDialogs> ownDialogs;
    ModalDialogs* dialogs;
    FocusOrder focusOrder;
    Module1 module1;
    HeldPress* heldPress;
    QString pictureFolder;
    bool shownBefore = false;
    std::optional<NumericField> lastEntered; // the field whose entry ran last

    bool lunghezzaDigitata = false;
    bool lunghezzaReimpostata = false;
};

} // namespace kx
