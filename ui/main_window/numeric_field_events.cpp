#include "ui/main_window/numeric_field_events.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace kx {
namespace {

constexpr int kControlMask = 0x1F;

bool cameBack(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

// The key that types the character, for the key event that carries it.
int keyOf(QChar c) {
    const char16_t unit = c.toUpper().unicode();
    return unit < 0x80 ? int(unit) : int(Qt::Key_unknown);
}

} // namespace

NumericFieldEvents::NumericFieldEvents(NumericFieldHandlers handlers, QObject* parent)
    : QObject(parent), handlers(std::move(handlers)) {
}

void NumericFieldEvents::watch(QLineEdit* field, NumericField which) {
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    fields.insert(field, which);
    field->installEventFilter(this);
}

std::optional<Module1::CharCode> NumericFieldEvents::characterCode(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.size() != 1 || event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab) {
        return std::nullopt;
    }
    const QChar c = text.front();
    // Ctrl with a letter types its control code (Ctrl+C is 3), whatever text the platform gave.
    if ((event.modifiers() & Qt::ControlModifier) && c.isLetter() && c.unicode() < 0x80) {
        return Module1::CharCode(c.unicode() & kControlMask);
    }
    return Module1::CharCode(c.unicode()); // beyond 32767 the code turns negative, as it is swallowed
}

bool NumericFieldEvents::eventFilter(QObject* watched, QEvent* event) {
    const auto found = fields.constFind(watched);
    if (found == fields.constEnd()) {
        return false;
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(static_cast<QLineEdit*>(watched), *found, static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        handlers.keyUp(*found);
        return false;
    case QEvent::FocusIn:
        handlers.focusIn(*found, cameBack(static_cast<QFocusEvent*>(event)->reason()));
        return false;
    default:
        return false;
    }
}

bool NumericFieldEvents::keyPress(QLineEdit* field, NumericField which, QKeyEvent* event) {
    if (delivering) {
        return false;
    }
    const auto typed = characterCode(*event);
    if (!typed) {
        return false;
    }
    Module1::CharCode code = *typed;
    handlers.keyPress(which, code);
    if (code == *typed) {
        return false;
    }
    if (code != Module1::kSwallowed) {
        const QChar replaced{char16_t(code)};
        QKeyEvent replacement(event->type(), keyOf(replaced), event->modifiers(), QString(replaced),
                              event->isAutoRepeat(), ushort(event->count()));
        const QScopedValueRollback guard(delivering, true);
        QCoreApplication::sendEvent(field, &replacement);
    }
    return true;
}

} // namespace kx
