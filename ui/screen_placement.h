// Where the windows open: centred on the whole screen by their outer size, frame and title bar
// included, their top-left corner always inside the screen's free area. Used by the main window and
// the information window when they are created.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QSize>

#include <functional>

class QWidget;

namespace kx {

// The top-left corner of an outer size centred on the window's screen, moved into the area the
// desktop's panels leave free where it would lie outside it.
QPoint centredCorner(const QWidget* window, QSize outer);

// Keeps the window's outer top-left corner where corner(frame) puts it, for the frame the desktop
// reports. Most X11 window managers tell the frame only once they have framed the mapped window, so
// the window is placed by its client area with the frame known at each moment, and placed again
// whenever the frame it is told changes, until someone else moves it while it is on screen.
void placeWithFrame(QWidget* window, std::function<QPoint(const QMargins& frame)> corner);

} // namespace kx
