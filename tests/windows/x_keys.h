// Keys typed through the X server, as a user's keyboard types them: XTest presses and releases each
// key by its keycode, so the X server's keyboard layout (set with setxkbmap) and its NumLock decide
// what the key gives, and Qt receives what a desktop delivers. Only where Qt runs on X11.
#pragma once

#include <QString>

class QWindow;

namespace kxtest {

// The X server's keyboard layout ("us", "de", ...), with a Compose key on the right Alt key.
QString setXLayout(const QString& layout);

// Presses and releases the keys, parted by blanks, each named by its place on the keyboard as a US
// keyboard labels it: a digit or letter, "equal", "comma", "period", "kp2", "kp4", "kp5", "kpdot"
// (the keypad's decimal key), "delete", "backspace", "left", "right", "home", "end", "insert",
// "compose", "numlock"; "ctrl+" or "shift+" before a key holds it down.
// Returns once the window has received the release of every key, or says what it has not.
QString typeThroughX(QWindow* window, const QString& keys);

} // namespace kxtest
