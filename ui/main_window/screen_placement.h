// Where the windows open: centred on the whole screen.
#pragma once

class QWidget;

namespace kx {

// Moves the window so that its outer size, as it stands, is centred on its screen. Before a window
// is first shown the desktop has given it no frame yet, so that outer size is its own.
void centreOnScreen(QWidget* window);

} // namespace kx
