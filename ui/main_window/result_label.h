// Writing a result into its label so that it never reads as another number.
#pragma once

#include <QString>

class QLabel;

namespace kx {

// Shows the value in the window's face when it fits the label; a long value in a smaller face,
// down to a readable size; one still too long cut at its end with "…", so the mark shows that
// digits are hidden. A value not shown whole is the label's tooltip and accessible name.
void showResult(QLabel* label, const QString& value);

} // namespace kx
