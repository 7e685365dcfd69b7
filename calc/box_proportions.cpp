#include "calc/box_proportions.h"

#include "calc/locale_numbers.h"

#include <cmath>

namespace kx {
namespace {

// Four decimals in place of a cube root: the dimensions come out a little under the true ones
// (a volume of 64 gives a depth of 39.99).
constexpr double kCubeRootExponent = 0.3333;
constexpr double kGoldenHeight = 1.618;
constexpr double kGoldenWidth = 0.618;
constexpr double kCentimetresPerDecimetre = 10;

} // namespace

std::optional<BoxDimensions> proportionBox(const QString& volumeText, const QLocale& locale) {
    const auto volume = readSingle(volumeText, locale);
    if (!volume || *volume < 0.0f) {
        return std::nullopt;
    }
    const double side = std::pow(double(*volume), kCubeRootExponent);
    return BoxDimensions{twoDecimals(side * kGoldenHeight * kCentimetresPerDecimetre, locale),
                         twoDecimals(side * kGoldenWidth * kCentimetresPerDecimetre, locale),
                         twoDecimals(side * kCentimetresPerDecimetre, locale)};
}

} // namespace kx
