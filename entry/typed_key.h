// What a key pressed in a numeric field types, as the keystroke filter sees it: built from what the
// desktop delivers with the key, its code, its modifiers and its text.
#pragma once

#include <QString>

namespace kx {

// The characters the key types for the filter, empty for a key that only edits or moves.
// - The keypad's decimal key is the user's decimal-separator key: it types ".", whichever character
//   the keyboard layout gives it (a point, or a comma where it is the keypad's separator key).
// - Ctrl with a letter types that letter's control code (Ctrl+C is 3), whatever text came with it.
// - A key whose text is a lone control character beyond 31 (Delete comes with U+007F) is an editing
//   key, as the arrows are: it types nothing.
QString typedText(int key, Qt::KeyboardModifiers modifiers, const QString& text);

} // namespace kx
