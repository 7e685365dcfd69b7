#include "calc/port_length.h"

#include "calc/locale_numbers.h"

#include <algorithm>
#include <cmath>

namespace kx {

double roundHalfToEven(double value) {
    const double nearest = std::round(value); // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5) {
        return 2.0 * std::round(value / 2.0);
    }
    return nearest;
}

std::optional<int> takenOverLength(const QString& lengthText, const QLocale& locale) {
    const auto length = readSingle(lengthText, locale);
    if (!length) {
        return std::nullopt;
    }
    const double rounded = roundHalfToEven(*length);
    return int(std::clamp(rounded, double(kShortestPort), double(kLongestPort)));
}

QString lengthText(int value) {
    return QString::number(value);
}

} // namespace kx
