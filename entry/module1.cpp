#include "entry/module1.h"

#include "entry/locale_separator.h"

namespace kx {
namespace {

constexpr Module1::CharCode kPoint = 46;
constexpr Module1::CharCode kComma = 44;

// In a comma locale the comma key types the locale's own separator; in a point locale a comma can
// only group thousands, and is swallowed so that 1,000 stays 1000.
bool typable(Module1::CharCode code, bool commaLocale) {
    const bool control = code >= 0 && code <= 31;
    const bool digit = code >= 48 && code <= 57;
    return control || digit || code == kPoint || (commaLocale && code == kComma);
}

// 1-based position of the first c in text, 0 when absent.
qsizetype positionOf(QChar c, const QString& text) {
    return text.indexOf(c) + 1;
}

// text without its character at the 1-based position.
QString withoutCharacterAt(const QString& text, qsizetype position) {
    return text.left(position - 1) + text.mid(position);
}

} // namespace

Module1::CharCode Module1::filtraTasto(CharCode& keyAscii, const QLocale& locale) {
    const bool comma = isCommaLocale(locale);
    if (!typable(keyAscii, comma)) {
        return kSwallowed;
    }
    if (comma && keyAscii == kPoint) {
        keyAscii = kComma;
    }
    return keyAscii;
}

QString Module1::correggiSeparatore(NumericField field, const QString& text, const QLocale& locale) {
    if (text.isEmpty()) {
        return text;
    }
    if (appenaCorretto) {
        appenaCorretto = false;
        return text;
    }
    QChar separator;
    switch (separatorProbe(locale)) {
    case 0:
        separator = QLatin1Char(',');
        break;
    case 2:
        separator = QLatin1Char('.');
        break;
    default:
        return text;
    }
    const qsizetype p = positionOf(separator, text);
    const qsizetype q = positionOf(separator, text.right(text.size() - p));
    qsizetype& m = posSeparatore[std::size_t(field)];
    if (q >= 1 && p < m) {
        // The separator typed before the old one goes; the old one, one place nearer the start now, is
        // the one to keep, so a later separator typed after it is the one taken out.
        appenaCorretto = true;
        m = p + q - 1;
        return withoutCharacterAt(text, p);
    }
    if (q >= 1 && p == m) {
        appenaCorretto = true;
        return withoutCharacterAt(text, m + q);
    }
    m = p;
    return text;
}

} // namespace kx
