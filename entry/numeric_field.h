// The five numeric fields of the main window, for the rules that differ from field to field.
#pragma once

#include <QString>

#include <array>

namespace kx {

enum class NumericField { Volume, Diameter, Width, Height, Length };

inline constexpr std::array<NumericField, 5> kNumericFields{NumericField::Volume, NumericField::Diameter,
                                                            NumericField::Width, NumericField::Height,
                                                            NumericField::Length};

constexpr int indexOf(NumericField field) {
    return int(field);
}

// The control's name in the window: "TXTvol", "TXTdia", "TXTlar", "TXTalt", "TXTlung".
QString controlName(NumericField field);

} // namespace kx
