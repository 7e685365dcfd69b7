// Enter in a numeric field runs the tuning calculation when the fields it needs are filled in.
#pragma once

#include "entry/numeric_field.h"

namespace kx {

// Which fields hold any text at all.
struct FilledFields {
    bool volume = false;
    bool diameter = false;
    bool width = false;
    bool height = false;
    bool length = false;
};

// Whether Enter typed into the field starts the calculation. The field typed in counts only for
// the diameter; the calculation itself deals with anything still missing.
bool enterRunsCalculation(NumericField typedIn, const FilledFields& filled);

} // namespace kx
