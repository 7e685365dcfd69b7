// Where the windows open: centred on the whole screen by their outer size, frame and title bar
// included.
#pragma once

#include <QMargins>
#include <QSize>

#include <functional>

class QWidget;

namespace kx {

// Moves the window so that an outer size centres on its screen.
void centreOnScreen(QWidget* window, QSize outer);

// Runs place with the frame the desktop gives the window. Some desktops tell the frame as soon as
// the window exists, others (X11) only once it is mapped: then place runs again at the window's
// first exposure, before anything of it is painted, so nobody sees it move.
void placeWithFrame(QWidget* window, const std::function<void(const QMargins& frame)>& place);

} // namespace kx
