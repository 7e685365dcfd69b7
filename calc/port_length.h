// The port-length spin: a scroll bar of whole centimetres beside the length field.
//
// The window keeps two one-shot flags: after a typed length, the spin's next change first takes
// that length over; after a calculation that lacked data, it first restarts at 1. This is the rule
// for the length it takes over; the scroll bar keeps it within its own range.
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace kx {

// The typed length as a whole number: rounded to the nearest, halves to the even neighbour (12.5
// gives 12, 13.5 gives 14), within the 16 bits of the spin's value. No value when the text is not a
// number: the spin then keeps its own.
std::optional<int> takenOverLength(const QString& lengthText, const QLocale& locale);

} // namespace kx
