#include "entry/typed_key.h"

namespace kx {

QString typedText(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    constexpr char32_t kLastControl = 31;
    constexpr char16_t kControlMask = 0x1F;
    if ((modifiers & Qt::KeypadModifier) && (key == Qt::Key_Period || key == Qt::Key_Comma)) {
        return QStringLiteral(".");
    }
    if (text.size() != 1) {
        return text;
    }
    const QChar typed = text.front();
    if ((modifiers & Qt::ControlModifier) && typed.unicode() < 0x80 && typed.isLetter()) {
        return QChar(typed.unicode() & kControlMask);
    }
    if (typed.category() == QChar::Other_Control && typed.unicode() > kLastControl) {
        return {};
    }
    return text;
}

} // namespace kx
