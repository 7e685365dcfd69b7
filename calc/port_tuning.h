// The tuning of a vented box: from the box volume, the port's size, its length and the number of
// ports, the port's cross-section, the volume one port takes up, the equivalent diameter of a
// rectangular port and the tuning frequency Kx.
//
// Kx is the Helmholtz resonance worked in inch units: each port, lengthened by an end correction
// of 0.823 x sqrt(section), tunes against its share of the box volume. The decimal constants are
// the program's own and are used exactly as written, narrowings to single precision included.
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace kx {

// The inputs as the fields hold them.
struct TuningTexts {
    QString volume;   // dm^3
    QString diameter; // cm, circular port
    QString width;    // cm, rectangular port
    QString height;   // cm, rectangular port
    QString length;   // cm
    QString ports;    // "1" to "4"
};

// What one computation shows: the three port labels, as texts, and Kx in hertz.
struct PortTuning {
    QString section;            // cm^2
    QString equivalentDiameter; // cm; empty for a circular port
    QString portVolume;         // dm^3
    double kx = 0.0;            // Hz
};

// The tuning for the given texts. The rectangular port is tried first, then the circular one.
// No value when the texts do not describe a port completely, or when they cannot be computed:
// an unreadable or negative number, a volume of 0, a section and a length both 0, or results
// beyond the single-precision range. Then nothing is to be shown.
std::optional<PortTuning> computeTuning(const TuningTexts& texts, const QLocale& locale);

} // namespace kx
