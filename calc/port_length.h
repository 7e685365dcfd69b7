// The port-length slider: a spin control of whole centimetres beside the length field.
//
// The window keeps two one-shot flags: after a typed length, the slider's next change first takes
// that length over; after a calculation that lacked data, it first restarts at 1. These are the
// rules for the values it moves to.
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace kx {

constexpr int kShortestPort = 1;  // cm, also the restart value
constexpr int kLongestPort = 500; // cm
constexpr int kSliderStartValue = 250;

// A number rounded to the nearest whole number, halves to the even neighbour (12.5 gives 12,
// 13.5 gives 14).
double roundHalfToEven(double value);

// The slider value that takes over a typed length: the length rounded as above and kept within
// the slider's range. No value when the text is not a number; the slider then keeps its own.
std::optional<int> takenOverLength(const QString& lengthText, const QLocale& locale);

// The length the slider writes into the field: digits only, in every locale.
QString lengthText(int value);

} // namespace kx
