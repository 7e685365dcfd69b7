#include "calc/port_length.h"

#include "calc/locale_numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kx {

std::optional<int> takenOverLength(const QString& lengthText, const QLocale& locale) {
    const auto length = readSingle(lengthText, locale);
    if (!length) {
        return std::nullopt;
    }
    // The default rounding mode rounds halves to the even neighbour.
    const double rounded = std::nearbyint(*length);
    return int(
        std::clamp<double>(rounded, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()));
}

} // namespace kx
