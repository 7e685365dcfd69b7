// The keyboard and focus events of the five numeric fields, turned into the program's handlers.
//
// Each typed character reaches the key-press handler as a character code before the field inserts
// it; the handler may keep it, replace it or swallow it (code 0). Keys that type nothing (arrows,
// Shift, Tab) are no key presses. The focus arriving in a field is reported with whether it only
// came back with the window (the window reactivated, a popup closed).
#pragma once

#include "entry/module1.h"
#include "entry/numeric_field.h"

#include <QHash>
#include <QObject>

#include <functional>

class QKeyEvent;
class QLineEdit;

namespace kx {

struct NumericFieldHandlers {
    std::function<void(NumericField, Module1::CharCode&)> keyPress;
    std::function<void(NumericField)> keyUp;
    std::function<void(NumericField, bool cameBack)> focusIn;
};

class NumericFieldEvents : public QObject {
public:
    NumericFieldEvents(NumericFieldHandlers handlers, QObject* parent);

    // Watches the field; text from input methods is kept out, so every character comes as a key.
    void watch(QLineEdit* field, NumericField which);

    // The character code of a typed text, or none when the key types nothing.
    static std::optional<Module1::CharCode> characterCode(const QKeyEvent& event);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(QLineEdit* field, NumericField which, QKeyEvent* event);

    NumericFieldHandlers handlers;
    QHash<QObject*, NumericField> fields;
    bool delivering = false; // a replaced character on its way into the field
};

} // namespace kx
