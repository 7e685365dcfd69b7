// The port-length spin: the scroll bar VSLungcond beside the length field, of whole centimetres and
// so small that only its two arrows show. Its top arrow lengthens the port.
#pragma once

class QLineEdit;
class QScrollBar;

namespace kx {

// Gives the scroll bar its range of lengths, 1 to 500 cm, and its start at 250. A screen reader reads
// it as the length the field shows.
void setUpLengthSpin(QScrollBar* spin, const QLineEdit* lengthField);

int spinLength(const QScrollBar* spin);

// Changing the length calls the scroll bar's change handler, nested, before it returns.
void setSpinLength(QScrollBar* spin, int length);

// A modal window that opens while an arrow is held down takes the button's release: the desktop
// sends it to the window under the grab, modality blocks it there, and the scroll bar would go on
// stepping behind the window, each step opening another. So the arrow is released first.
void releaseSpinArrow(QScrollBar* spin);

} // namespace kx
