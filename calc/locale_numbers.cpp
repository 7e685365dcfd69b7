#include "calc/locale_numbers.h"

#include <cmath>

namespace kx {

QLocale withoutGrouping(QLocale locale) {
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

QLocale userLocale() {
    return withoutGrouping(QLocale::system());
}

std::optional<float> readSingle(const QString& text, const QLocale& locale) {
    bool ok = false;
    const float value = locale.toFloat(text, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> readDouble(const QString& text, const QLocale& locale) {
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

QString generalText(float value, const QLocale& locale) {
    return locale.toString(double(value), 'G', 7);
}

QString twoDecimals(double value, const QLocale& locale) {
    return locale.toString(value, 'f', 2);
}

QString resultText(std::optional<double> value, const QLocale& locale) {
    return value ? twoDecimals(*value, locale) : QString();
}

} // namespace kx
