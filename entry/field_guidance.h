// What entering a numeric field does besides taking the focus: it empties the fields of the other
// port shape, brings the port fields, the volume, the length and the two calculation buttons to the
// head of the focus order, and names the picture that explains the field.
#pragma once

#include "calc/numeric_field.h"

#include <QList>
#include <QString>

#include <utility>

namespace kx {

// The controls that entering a field brings to the head of the focus order.
enum class FocusControl { Height, Width, Diameter, Volume, Length, CalculateButton, OptimiseButton };

struct FieldGuidance {
    QList<NumericField> emptied;                   // in this order
    QList<std::pair<FocusControl, int>> positions; // focus positions to set, in this order
    QString picture;                               // file name, after the program's folder
    const char* shows = "";                        // what it shows, for a screen reader: a text to
                                                   // translate in the context kx::FieldGuidance
};

// The effects of entering the field. The length picture tells a circular port from a rectangular
// one by whether the diameter field holds any text.
FieldGuidance guidanceFor(NumericField entered, bool diameterHoldsText);

} // namespace kx
