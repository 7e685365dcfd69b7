// Taking over any typed length: a whole number of centimetres within the spin's range, written
// back as digits only.
#include "calc/port_length.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kxfuzz::Input input(data, size);
    const QLocale locale = input.locale();
    const auto taken = kx::takenOverLength(input.rest(), locale);
    if (taken) {
        kxfuzz::check(*taken >= kx::kShortestPort && *taken <= kx::kLongestPort, "within the range",
                      QString::number(*taken));
        const QString written = kx::lengthText(*taken);
        for (const QChar c : written) {
            kxfuzz::check(c >= QLatin1Char('0') && c <= QLatin1Char('9'), "digits only", written);
        }
    }
    return 0;
}
