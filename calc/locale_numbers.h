// Numbers in the user's own notation: reading field texts and writing results.
//
// Every routine takes the locale it works in. The window passes the user's locale, which Qt reads
// from the environment once, at start-up; the tests pass a point or a comma locale of their choosing.
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace kx {

// The user's locale as the program reads and writes numbers: no digit grouping either way.
QLocale userLocale();
QLocale withoutGrouping(QLocale locale);

// A field text as a single-precision number. Empty, unreadable, infinite or "nan" texts and
// values beyond the single-precision range give no value.
std::optional<float> readSingle(const QString& text, const QLocale& locale);

// A text as a double-precision number, under the same rules.
std::optional<double> readDouble(const QString& text, const QLocale& locale);

// The general form of a single-precision number: shortest text, at most 7 significant digits.
QString generalText(float value, const QLocale& locale);

// The result format "0.00": two fixed decimals with the locale's separator.
QString twoDecimals(double value, const QLocale& locale);

// The shared format of a result that may be absent; an absent result shows as the empty text.
QString resultText(std::optional<double> value, const QLocale& locale);

} // namespace kx
