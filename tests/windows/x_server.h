// What the X server does as a user's desktop does, only where Qt runs on X11. Keys are typed as a
// user's keyboard types them: XTest presses and releases each key by its keycode, so the X server's
// keyboard layout (set with setxkbmap) and its NumLock decide what the key gives, and Qt receives what
// a desktop delivers. Properties are set as a window manager and its panels set them.
#pragma once

#include <QVariantList>

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

// Sets a property of 32-bit values on the window or, for none, on the screen's root window: CARDINAL
// numbers, or ATOMs named by texts. _NET_WORKAREA, _NET_SUPPORTED, _NET_FRAME_EXTENTS.
void setXProperty(const QWindow* window, const char* name, const QVariantList& values);

} // namespace kxtest
