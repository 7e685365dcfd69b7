#include "entry/enter_condition.h"

namespace kx {

bool enterRunsCalculation(NumericField typedIn, const FieldTexts& f) {
    const bool portDescribed = (filled(f.width) && filled(f.height)) || filled(f.diameter);
    switch (typedIn) {
    case NumericField::Width:
        return filled(f.height) && filled(f.volume) && filled(f.length);
    case NumericField::Height:
        return filled(f.width) && filled(f.volume) && filled(f.length);
    case NumericField::Diameter:
        return filled(f.diameter) && filled(f.volume) && filled(f.length);
    case NumericField::Length:
        return portDescribed && filled(f.volume);
    case NumericField::Volume:
        return portDescribed && filled(f.length);
    }
    return false;
}

} // namespace kx
