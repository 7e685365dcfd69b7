#include "ui/main_window/numeric_field_events.h"

#include "entry/typed_key.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace kx {
namespace {

constexpr char32_t kLastControl = 31;

// The code the filter sees for a character: its 16 bits taken as signed, as the fields' handlers
// always had them (beyond 32767 negative); a character beyond 16 bits is no typable code at all.
Module1::CharCode codeOf(char32_t c) {
    return c > 0xFFFF ? Module1::CharCode(-1) : Module1::CharCode(char16_t(c));
}

} // namespace

NumericFieldEvents::NumericFieldEvents(NumericFieldHandlers handlers, QObject* parent)
    : QObject(parent), handlers(std::move(handlers)) {
}

void NumericFieldEvents::watch(QLineEdit* field, NumericField which) {
    fields.insert(field, which);
    field->installEventFilter(this);
}

bool NumericFieldEvents::eventFilter(QObject* watched, QEvent* event) {
    const auto found = fields.constFind(watched);
    if (found == fields.constEnd()) {
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(static_cast<QLineEdit*>(watched), *found, *static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        handlers.keyUp(*found);
        return false;
    case QEvent::InputMethod:
        inputMethodCommit(*found, *static_cast<QInputMethodEvent*>(event));
        return false;
    case QEvent::FocusIn:
        handlers.focusIn(*found, static_cast<QFocusEvent*>(event)->reason());
        return false;
    default:
        return false;
    }
}

bool NumericFieldEvents::keyPress(QLineEdit* field, NumericField which, const QKeyEvent& event) {
    const QString typed = typedText(event.key(), event.modifiers(), event.text());
    if (typed.isEmpty()) {
        return false; // a key that types nothing: an arrow, Shift, Home, Delete
    }
    const QString kept = filtered(which, typed);
    // A control key goes on as it came, so the field still deletes, copies and pastes.
    if (typed.size() == 1 && typed.front().unicode() <= kLastControl) {
        return false;
    }
    if (!kept.isEmpty()) {
        field->insert(kept);
    }
    return true;
}

void NumericFieldEvents::inputMethodCommit(NumericField which, QInputMethodEvent& event) {
    if (!event.commitString().isEmpty()) {
        event.setCommitString(filtered(which, event.commitString()), event.replacementStart(),
                              event.replacementLength());
    }
}

// Each character through the key-press handler; the printable characters it delivers, in order.
// The control characters it delivers act as keys (Enter, Backspace), never as text.
QString NumericFieldEvents::filtered(NumericField which, const QString& typed) {
    QString kept;
    for (const char32_t c : typed.toUcs4()) {
        Module1::CharCode code = codeOf(c);
        handlers.keyPress(which, code);
        if (code > Module1::CharCode(kLastControl)) {
            kept += QChar(char16_t(code));
        }
    }
    return kept;
}

} // namespace kx
