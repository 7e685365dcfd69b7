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

// The values both port shapes feed into Kx, in the units of the formula.
struct Working {
    float volumePerPort; // V, cubic inches
    float length;        // L, inches
    float section;       // S, square inches
};

bool finite(const Working& w) {
    return std::isfinite(w.volumePerPort) && std::isfinite(w.length) && std::isfinite(w.section);
}

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

std::variant<PortTuning, NoTuning> rectangularPort(float volume, float width, float height, float length,
                                                   int ports, const QLocale& locale) {
    const Working w{float(volume * kCubicCentimetresPerLitre * kCubicInchesPerCubicCentimetre / ports),
                    float(length * kInchesPerCentimetre),
                    float(double(width) * height * kSquareInchesPerSquareCentimetre)};
    const float section = float(double(width) * height);
    const float portVolume = float(length * double(section) / kCubicCentimetresPerLitre);
    const auto kx = tuningFrequency(w);
    if (!finite(w) || !std::isfinite(section) || !std::isfinite(portVolume) || !kx) {
        return NoTuning::NotComputable;
    }
    // The equivalent diameter comes from the section as shown, read back in the same locale.
    const QString sectionText = generalText(section, locale);
    const auto shownSection = readDouble(sectionText, locale);
    if (!shownSection) {
        return NoTuning::NotComputable;
    }
    return PortTuning{sectionText, twoDecimals(2 * std::sqrt(*shownSection / kPi), locale),
                      twoDecimals(portVolume, locale), *kx};
}

std::variant<PortTuning, NoTuning> circularPort(float volume, float diameter, float length, int ports,
                                                const QLocale& locale) {
    const double radius = diameter / 2.0;
    const double section = radius * radius * kPi;
    const Working w{float(volume * kCubicCentimetresPerLitre * kCubicInchesPerCubicCentimetre / ports),
                    float(length * kInchesPerCentimetre), float(section * kSquareInchesPerSquareCentimetre)};
    const auto kx = tuningFrequency(w);
    if (!finite(w) || !kx) {
        return NoTuning::NotComputable;
    }
    return PortTuning{twoDecimals(section, locale), QString(),
                      twoDecimals(length * section / kCubicCentimetresPerLitre, locale), *kx};
}

} // namespace

std::variant<PortTuning, NoTuning> computeTuning(const FieldTexts& fields, const QString& portsText,
                                                 const QLocale& locale) {
    const bool rectangular =
        filled(fields.width) && filled(fields.height) && filled(fields.volume) && filled(fields.length);
    const bool circular =
        !rectangular && filled(fields.diameter) && filled(fields.volume) && filled(fields.length);
    if (!rectangular && !circular) {
        return NoTuning::DataMissing;
    }
    bool portsRead = false;
    const short ports = locale.toShort(portsText, &portsRead);
    const auto volume = readMeasure(fields.volume, locale);
    const auto length = readMeasure(fields.length, locale);
    if (!portsRead || ports < 1 || !volume || !length) {
        return NoTuning::NotComputable;
    }
    if (rectangular) {
        const auto width = readMeasure(fields.width, locale);
        const auto height = readMeasure(fields.height, locale);
        if (!width || !height) {
            return NoTuning::NotComputable;
        }
        return rectangularPort(*volume, *width, *height, *length, ports, locale);
    }
    const auto diameter = readMeasure(fields.diameter, locale);
    if (!diameter) {
        return NoTuning::NotComputable;
    }
    return circularPort(*volume, *diameter, *length, ports, locale);
}

} // namespace kx
