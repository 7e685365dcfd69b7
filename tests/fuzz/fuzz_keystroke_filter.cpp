// filtraTasto on any character codes: only control codes, digits and the locale's separator are
// delivered, and the caller's code changes only where "." becomes ",".
#include "entry/locale_separator.h"
#include "entry/module1.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kxfuzz::Input input(data, size);
    const QLocale locale = input.locale();
    const bool comma = kx::isCommaLocale(locale);
    while (!input.empty()) {
        const kx::Module1::CharCode typed = input.code();
        kx::Module1::CharCode keyAscii = typed;
        const kx::Module1::CharCode delivered = kx::Module1::filtraTasto(keyAscii, locale);
        const QString detail = QString::number(typed);
        const bool allowed = delivered == 0 || (delivered >= 1 && delivered <= 31) ||
                             (delivered >= 48 && delivered <= 57) || delivered == (comma ? 44 : 46);
        kxfuzz::check(allowed, "delivers only digits, control codes and the separator", detail);
        kxfuzz::check(delivered == 0 || delivered == keyAscii, "the caller's code is the delivered one",
                      detail);
        kxfuzz::check(keyAscii == typed || (comma && typed == 46 && keyAscii == 44),
                      "the code changes only from '.' to ','", detail);
        kxfuzz::check((delivered != 0) == ((typed >= 0 && typed <= 31 && typed != 0) ||
                                           (typed >= 48 && typed <= 57) || typed == 46),
                      "every typable code passes", detail);
    }
    return 0;
}
