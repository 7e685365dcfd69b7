// The length the port-length spin takes over from the length field when a length was typed there:
// the spin then keeps it within its own range.
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
