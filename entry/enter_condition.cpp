#include "entry/enter_condition.h"

namespace kx {

bool enterRunsCalculation(NumericField typedIn, const FilledFields& f) {
    const bool portDescribed = (f.width && f.height) || f.diameter;
    switch (typedIn) {
    case NumericField::Width:
        return f.height && f.volume && f.length;
    case NumericField::Height:
        return f.width && f.volume && f.length;
    case NumericField::Diameter:
        return f.diameter && f.volume && f.length;
    case NumericField::Length:
        return portDescribed && f.volume;
    case NumericField::Volume:
        return portDescribed && f.length;
    }
    return false;
}

} // namespace kx
