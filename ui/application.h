// What the program sets up once, before its window: its look, its language and the name the desktop
// knows it by.
#pragma once

namespace kx {

// The classic look of every control; the windows' texts and Qt's own in the user's language; and the
// desktop file name (net.kxcalc.kx), so that docks and Wayland compositors match the window to its
// launcher and its icon.
void setUpApplication();

} // namespace kx
