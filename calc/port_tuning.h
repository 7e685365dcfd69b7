// The tuning of a vented box: from the box volume, the port's size, its length and the number of
// ports, the port's cross-section, the volume one port takes up, the equivalent diameter of a
// rectangular port and the tuning frequency Kx.
//
// Kx is the Helmholtz resonance worked in inch units: each port, lengthened by an end correction
// of 0.823 x sqrt(section), tunes against its share of the box volume. The decimal constants are
// the program's own and are used exactly as written, narrowings to single precision included.
#pragma once

#include "calc/numeric_field.h"

#include <QLocale>
#include <QString>

#include <variant>

namespace kx {

// What one computation shows: the three port labels, as texts, and Kx in hertz.
struct PortTuning {
    QString section;            // cm^2
    QString equivalentDiameter; // cm; empty for a circular port
    QString portVolume;         // dm^3
    double kx = 0.0;            // Hz
};

// Why there is no tuning: the fields do not describe a port completely, or they cannot be computed
// (an unreadable or negative number, a volume of 0, a section and a length both 0, or results
// beyond the single-precision range).
enum class NoTuning { DataMissing, NotComputable };

// The tuning for the field texts and the number of ports ("1" to "4"). The rectangular port is
// tried first, then the circular one.
std::variant<PortTuning, NoTuning> computeTuning(const FieldTexts& fields, const QString& ports,
                                                 const QLocale& locale);

} // namespace kx
