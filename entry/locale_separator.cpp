#include "entry/locale_separator.h"

#include "calc/locale_numbers.h"

namespace kx {

int separatorProbe(const QLocale& locale) {
    const float probe = QLocale::c().toFloat(QStringLiteral("1.3"));
    return int(generalText(probe, locale).indexOf(QLatin1Char('.'))) + 1;
}

bool isCommaLocale(const QLocale& locale) {
    return separatorProbe(locale) == 0;
}

} // namespace kx
