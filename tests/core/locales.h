// The locales the core's tests run in, a column of each data table: one that writes decimals with a
// point, one with a comma.
#pragma once

#include "calc/locale_numbers.h"

#include <QLocale>
#include <QStringList>
#include <QTest>

namespace kxtest {

struct Notation {
    QLocale locale;
    const char* name;
};

inline const Notation kNotations[] = {
    {kx::withoutGrouping(QLocale::c()), "point"},
    {kx::withoutGrouping(QLocale(QLocale::Italian, QLocale::Italy)), "comma"}};

// Texts written with points and parted by blanks, in the locale's notation; "_" is the empty text.
inline QStringList in(const QLocale& locale, const QString& texts) {
    QStringList list =
        QString(texts).replace(QLatin1Char('.'), locale.decimalPoint()).split(QLatin1Char(' '));
    list.replaceInStrings(QRegularExpression("^_$"), QString());
    return list;
}

} // namespace kxtest
