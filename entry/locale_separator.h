// How the program learns the user's decimal separator: it writes 1.3 in the user's notation and
// looks for a point. Decided at every use, from the locale it is given; nothing is kept.
#pragma once

#include <QLocale>

namespace kx {

// The 1-based position of "." in 1.3 (single precision) written in the locale's general form;
// 0 when there is none.
int separatorProbe(const QLocale& locale);

// A locale without a point in that text counts as a comma locale, whatever its separator.
bool isCommaLocale(const QLocale& locale);

} // namespace kx
