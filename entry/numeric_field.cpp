#include "entry/numeric_field.h"

namespace kx {

QString controlName(NumericField field) {
    switch (field) {
    case NumericField::Volume:
        return QStringLiteral("TXTvol");
    case NumericField::Diameter:
        return QStringLiteral("TXTdia");
    case NumericField::Width:
        return QStringLiteral("TXTlar");
    case NumericField::Height:
        return QStringLiteral("TXTalt");
    case NumericField::Length:
        return QStringLiteral("TXTlung");
    }
    return {};
}

} // namespace kx
