// Turning a fuzzer's bytes into a locale and texts, and checking a property.
#pragma once

#include "calc/locale_numbers.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace kxfuzz {

// The first byte picks a point, a comma or an odd locale (its separator neither); the rest is text.
struct Input {
    Input(const std::uint8_t* data, std::size_t size)
        : locale(kx::withoutGrouping(size == 0 || data[0] % 3 == 0 ? QLocale::c()
                                     : data[0] % 3 == 1            ? QLocale(QLocale::Italian)
                                                        : QLocale(QLocale::Arabic, QLocale::Egypt))),
          text(size == 0 ? QString()
                         : QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1))) {}
    QLocale locale;
    QString text;
};

inline void check(bool holds, const char* what, const QString& detail) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s: '%s'\n", what, qPrintable(detail));
        std::abort();
    }
}

} // namespace kxfuzz
