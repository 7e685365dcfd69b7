// Turning a fuzzer's bytes into the inputs of the core's routines, and the properties that every
// shown number must have.
#pragma once

#include "calc/locale_numbers.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace kxfuzz {

// Reads the fuzzer's bytes front to back.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}

    bool empty() const { return position >= size; }
    std::uint8_t byte() { return empty() ? 0 : data[position++]; }
    std::int16_t code() { return std::int16_t(byte() | byte() << 8); }

    // A point, a comma, and two odd locales: one whose separator is neither, one whose digits lie
    // beyond 16 bits.
    QLocale locale() {
        switch (byte() % 4) {
        case 0:
            return kx::withoutGrouping(QLocale::c());
        case 1:
            return kx::withoutGrouping(QLocale(QLocale::Italian, QLocale::Italy));
        case 2:
            return kx::withoutGrouping(QLocale(QLocale::Arabic, QLocale::Egypt));
        default:
            return kx::withoutGrouping(QLocale(QLocale::Chakma));
        }
    }

    // The rest as text, UTF-8 as it comes.
    QString rest() {
        const QString text =
            QString::fromUtf8(reinterpret_cast<const char*>(data + position), qsizetype(size - position));
        position = size;
        return text;
    }

    // The rest as texts, one per line.
    QStringList lines(int count) {
        QStringList texts = rest().split(QLatin1Char('\n'));
        while (texts.size() < count) {
            texts << QString();
        }
        return texts;
    }

private:
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position = 0;
};

[[noreturn]] inline void fail(const char* what, const QString& detail) {
    std::fprintf(stderr, "property broken: %s: '%s'\n", what, qPrintable(detail));
    std::abort();
}

inline void check(bool holds, const char* what, const QString& detail = {}) {
    if (!holds) {
        fail(what, detail);
    }
}

// A number the window shows: no infinity or "nan", at most one decimal separator, and it reads
// back as a finite number in the same locale.
inline void checkShownNumber(const QString& shown, const QLocale& locale) {
    check(!shown.contains(QLatin1String("inf"), Qt::CaseInsensitive), "no infinity shown", shown);
    check(!shown.contains(QLatin1String("nan"), Qt::CaseInsensitive), "no nan shown", shown);
    check(shown.count(locale.decimalPoint()) <= 1, "at most one separator", shown);
    check(kx::readDouble(shown, locale).has_value(), "reads back as a number", shown);
}

} // namespace kxfuzz
