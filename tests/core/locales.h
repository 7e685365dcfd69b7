// The locales the core's tests run in, a column of each data table: one that writes decimals with a
// point, one with a comma.
#pragma once

#include "calc/locale_numbers.h"

#include <QLocale>
#include <QString>
#include <QTest>

namespace kxtest {

struct Notation {
    QLocale locale;
    const char* name;
};

inline const Notation kNotations[] = {
    {kx::withoutGrouping(QLocale::c()), "point"},
    {kx::withoutGrouping(QLocale(QLocale::Italian, QLocale::Italy)), "comma"}};

// A text written with points, in the locale's notation.
inline QString in(const QLocale& locale, QString text) {
    return text.replace(QLatin1Char('.'), locale.decimalPoint());
}

} // namespace kxtest
