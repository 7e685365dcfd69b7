// Enter in a numeric field runs the tuning calculation when the fields it needs are filled in.
#pragma once

#include "calc/numeric_field.h"

namespace kx {

// Whether Enter typed into the field starts the calculation. The field typed in counts only for
// the diameter; the calculation itself deals with anything still missing.
bool enterRunsCalculation(NumericField typedIn, const FieldTexts& fields);

} // namespace kx
