// Return and Enter press a focused button, as Space does.
#pragma once

class QPushButton;

namespace kx {

// Taken in the button's own key events, which a screen reader sees first: Orca keeps keypad Enter for
// "where am I", and a shortcut would have pressed the button before Orca was asked about the key.
void pressOnReturn(QPushButton* button);

} // namespace kx
