// The five numeric fields of the main window, their texts, and when a field counts as filled.
#pragma once

#include <QString>

#include <array>

namespace kx {

enum class NumericField { Volume, Diameter, Width, Height, Length };

inline constexpr std::array<NumericField, 5> kNumericFields{NumericField::Volume, NumericField::Diameter,
                                                            NumericField::Width, NumericField::Height,
                                                            NumericField::Length};

// The texts of the five fields: the only store of the inputs.
struct FieldTexts {
    QString volume;   // dm^3
    QString diameter; // cm, circular port
    QString width;    // cm, rectangular port
    QString height;   // cm, rectangular port
    QString length;   // cm
};

// A field counts as filled when it holds any text at all; nothing else is tested before a conversion.
inline bool filled(const QString& text) {
    return !text.isEmpty();
}

} // namespace kx
