// The keyboard and focus events of the five numeric fields, turned into the program's handlers.
//
// Every character that typing delivers reaches the key-press handler as a character code before
// the field inserts it, whatever its path: a key event (one character, a surrogate pair, or the
// several characters of a dead key that found no partner; what a key types is typedText's rule) or
// an input method's commit. The handler
// keeps, replaces or swallows (code 0) each one; what it keeps of a printable character is inserted
// into the field, a control character goes on as the key it came with. Pasted text takes neither
// path and reaches the field as it is. The focus arriving in a field is reported with its reason.
#pragma once

#include "calc/numeric_field.h"
#include "entry/module1.h"

#include <QHash>
#include <QObject>

#include <functional>

class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;

namespace kx {

struct NumericFieldHandlers {
    std::function<void(NumericField, Module1::CharCode&)> keyPress;
    std::function<void(NumericField)> keyUp;
    std::function<void(NumericField, Qt::FocusReason)> focusIn;
};

class NumericFieldEvents : public QObject {
public:
    NumericFieldEvents(NumericFieldHandlers handlers, QObject* parent);

    void watch(QLineEdit* field, NumericField which);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(QLineEdit* field, NumericField which, const QKeyEvent& event);
    void inputMethodCommit(NumericField which, QInputMethodEvent& event);
    QString filtered(NumericField which, const QString& typed);

    NumericFieldHandlers handlers;
    QHash<QObject*, NumericField> fields;
};

} // namespace kx
