// Module1: the two routines that every numeric field shares.
//
// filtraTasto decides each typed character before the field inserts it; correggiSeparatore takes
// out a second decimal separator after any change of a field's text. The window owns one Module1
// and calls it from the fields' key and change handlers.
#pragma once

#include "calc/numeric_field.h"

#include <QLocale>
#include <QString>

#include <array>

namespace kx {

class Module1 {
public:
    // Character codes as the fields' key handlers see them: 0 to 31 control keys, 32 and up
    // printable characters, negative for codes beyond the signed 16-bit range.
    using CharCode = qint16;
    static constexpr CharCode kSwallowed = 0;

    // Digits, control codes and "." pass; in a comma locale "." becomes "," (also in keyAscii) and ","
    // passes. Everything else, and "," in a point locale, gives 0: the keystroke is swallowed.
    static CharCode filtraTasto(CharCode& keyAscii, const QLocale& locale);

    // The text a field should hold after a change: its text without the separator that came
    // second, or the text unchanged. A correction lets the change it causes itself pass.
    QString correggiSeparatore(NumericField field, const QString& text, const QLocale& locale);

private:
    // Per field: where the separator it keeps stands, as its text last passed or was corrected.
    std::array<qsizetype, kNumericFields.size()> posSeparatore{};
    bool appenaCorretto = false;
};

} // namespace kx
