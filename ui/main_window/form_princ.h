// FORMprinc: the calculator's one working window. Its controls come from its form (form_princ.ui);
// it wires their events to the calculations and the entry rules of the core. Created once at
// start-up; the program ends when it closes.
//
// The controls' names, by which others drive the window, say their kind and then what they hold:
// TXT a numeric field (TXTvol, TXTdia, TXTlar, TXTalt, TXTlung), LBL a result (LBLkx), CMD a button
// (CMDcalcolaKx), CMB the combo box of the ports, VS the length spin; FrameN and LabelN (and
// label10, LBL(2)) are frames and captions, Line, Shape and Image1 the drawings.
#pragma once

#include "calc/numeric_field.h"
#include "entry/field_guidance.h"
#include "entry/focus_order.h"
#include "entry/module1.h"
#include "ui/screen_placement.h"

#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QLineEdit;

namespace Ui {
class FORMprinc;
}

namespace kx {

class ModalDialogs;

class FORMprinc : public QWidget {
    Q_OBJECT

public:
    // dialogs: the modal windows to open; the desktop's own when none is given.
    explicit FORMprinc(ModalDialogs* dialogs = nullptr);
    ~FORMprinc() override;

    // Where the guidance pictures are read from: the program's folder, unless set otherwise; those drawn
    // in the window's language from its folder there, named by its code ("de").
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
    void numericField_GotFocus(NumericField field, Qt::FocusReason reason);
    void enterField(NumericField field);

    std::optional<double> calcolaKx();
    void showKx(std::optional<double> kx);
    void setUpSpeech();
    void speak(const QString& message);
    void applyFocusOrder();
    FieldTexts fieldTexts() const;
    QLineEdit* field(NumericField which) const;
    QWidget* control(FocusControl which) const;

    std::unique_ptr<Ui::FORMprinc> ui;
    std::unique_ptr<ModalDialogs> ownDialogs;
    ModalDialogs* dialogs;
    FocusOrder<QWidget*> focusOrder;
    Module1 module1;
    QString pictureFolder;
    QString pictureLanguage; // the folder, in pictureFolder, of the pictures drawn in the window's language
    bool shownBefore = false;
    std::optional<NumericField> lastEntered; // the field whose entry ran last

    QLabel* notification = nullptr;     // what a screen reader speaks at once
    QLabel* statusBar = nullptr;        // the last result, for a screen reader to read again
    int spinDepth = 0;                  // nested calls of VSLungcond_Change
    std::optional<QString> heldMessage; // Kx shown by a spin step, spoken when the step ends

    // The length spin's two one-shot flags, each cleared by the spin's next change, which reads it.
    // lunghezzaDigitata: set at start-up and by every key released in the length field, whatever the
    // key; the spin's next change first takes the typed length over.
    // lunghezzaReimpostata: set by a calculation that lacked data and put the length back to 1; the
    // spin's next change first goes back to 1.
    bool lunghezzaDigitata = false;
    bool lunghezzaReimpostata = false;
};

} // namespace kx
