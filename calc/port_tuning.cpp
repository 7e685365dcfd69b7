#include "calc/port_tuning.h"

#include "calc/locale_numbers.h"

#include <cmath>

namespace kx {
namespace {

constexpr double kCubicCentimetresPerLitre = 1000;
constexpr double kCubicInchesPerCubicCentimetre = 0.06102;
constexpr double kInchesPerCentimetre = 0.3937;
constexpr double kSquareInchesPerSquareCentimetre = 0.155;
constexpr double kPi = 3.14159265358979;
constexpr double kSoundSpeedSquaredFactor = 1.84; // times 10^8, in square inches per square second
constexpr double kEndCorrection = 0.823;
constexpr double kOneOverTwoPi = 0.159;

// A measure the user gave: readable, finite and not below zero.
std::optional<float> readMeasure(const QString& text, const QLocale& locale) {
    const auto value = readSingle(text, locale);
    if (!value || *value < 0.0f) {
        return std::nullopt;
    }
    return value;
}

bool finite(float value) {
    return std::isfinite(value);
}

// The values both port shapes feed into Kx, in the units of the formula.
struct Working {
    float volumePerPort; // V, cubic inches
    float length;        // L, inches
    float section;       // S, square inches
};

std::optional<double> tuningFrequency(const Working& w) {
    const double r = std::sqrt(double(w.section));
    const double numerator = std::pow(10.0, 8) * kSoundSpeedSquaredFactor * w.section;
    const double denominator = (r * kEndCorrection + w.length) * w.volumePerPort;
    if (!(denominator > 0.0)) {
        return std::nullopt;
    }
    const double kx = std::sqrt(numerator / denominator) * kOneOverTwoPi;
    if (!std::isfinite(kx)) {
        return std::nullopt;
    }
    return kx;
}

std::optional<PortTuning> rectangularPort(float volume, float width, float height, float length, int ports,
                                          const QLocale& locale) {
    const Working w{float(volume * kCubicCentimetresPerLitre * kCubicInchesPerCubicCentimetre / ports),
                    float(length * kInchesPerCentimetre),
                    float(double(width) * height * kSquareInchesPerSquareCentimetre)};
    const float section = float(double(width) * height);
    const float portVolume = float(length * double(section) / kCubicCentimetresPerLitre);
    if (!finite(w.volumePerPort) || !finite(w.length) || !finite(w.section) || !finite(section) ||
        !finite(portVolume)) {
        return std::nullopt;
    }
    const auto kx = tuningFrequency(w);
    if (!kx) {
        return std::nullopt;
    }
    // The equivalent diameter comes from the section as shown, read back in the same locale.
    const QString sectionText = generalText(section, locale);
    const auto shownSection = readDouble(sectionText, locale);
    if (!shownSection) {
        return std::nullopt;
    }
    return PortTuning{sectionText, twoDecimals(2 * std::sqrt(*shownSection / kPi), locale),
                      twoDecimals(portVolume, locale), *kx};
}

std::optional<PortTuning> circularPort(float volume, float diameter, float length, int ports,
                                       const QLocale& locale) {
    const double radius = diameter / 2.0;
    const double section = radius * radius * kPi;
    const Working w{float(volume * kCubicCentimetresPerLitre * kCubicInchesPerCubicCentimetre / ports),
                    float(length * kInchesPerCentimetre), float(section * kSquareInchesPerSquareCentimetre)};
    if (!finite(w.volumePerPort) || !finite(w.length) || !finite(w.section)) {
        return std::nullopt;
    }
    const auto kx = tuningFrequency(w);
    if (!kx) {
        return std::nullopt;
    }
    return PortTuning{twoDecimals(section, locale), QString(),
                      twoDecimals(length * section / kCubicCentimetresPerLitre, locale), *kx};
}

bool filled(const QString& text) {
    return !text.isEmpty();
}

} // namespace

std::optional<PortTuning> computeTuning(const TuningTexts& texts, const QLocale& locale) {
    const bool rectangular =
        filled(texts.width) && filled(texts.height) && filled(texts.volume) && filled(texts.length);
    const bool circular =
        !rectangular && filled(texts.diameter) && filled(texts.volume) && filled(texts.length);
    if (!rectangular && !circular) {
        return std::nullopt;
    }
    bool portsRead = false;
    const short ports = locale.toShort(texts.ports, &portsRead);
    const auto volume = readMeasure(texts.volume, locale);
    const auto length = readMeasure(texts.length, locale);
    if (!portsRead || ports < 1 || !volume || !length) {
        return std::nullopt;
    }
    if (rectangular) {
        const auto width = readMeasure(texts.width, locale);
        const auto height = readMeasure(texts.height, locale);
        if (!width || !height) {
            return std::nullopt;
        }
        return rectangularPort(*volume, *width, *height, *length, ports, locale);
    }
    const auto diameter = readMeasure(texts.diameter, locale);
    if (!diameter) {
        return std::nullopt;
    }
    return circularPort(*volume, *diameter, *length, ports, locale);
}

} // namespace kx
