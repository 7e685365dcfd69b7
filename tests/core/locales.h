// The locales the core's tests run in: one that writes decimals with a point, one with a comma.
#pragma once

#include "calc/locale_numbers.h"

#include <QLocale>
#include <QString>
#include <QTest>

namespace kxtest {

inline QLocale pointLocale() {
    return kx::withoutGrouping(QLocale::c());
}
inline QLocale commaLocale() {
    return kx::withoutGrouping(QLocale(QLocale::Italian, QLocale::Italy));
}

// A text written with points, in the given locale's notation.
inline QString inLocale(QString text, const QLocale& locale) {
    return text.replace(QLatin1Char('.'), locale.decimalPoint());
}

// Adds the rows that make a data-driven test run once per locale: the row's name gets the locale's.
template <typename AddRows> void forBothLocales(AddRows addRows) {
    addRows(pointLocale(), QStringLiteral("point"));
    addRows(commaLocale(), QStringLiteral("comma"));
}

} // namespace kxtest
