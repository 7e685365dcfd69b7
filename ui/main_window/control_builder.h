// Builds the main window's controls from its control table.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

class QScrollBar;

namespace kx {

// Creates every control of the table inside the window, named, placed and coloured; returns them by
// name. Frames are created before the controls they hold.
QHash<QString, QWidget*> buildControls(QWidget* window);

// The scroll bar's top arrow raises its value, as a spin control's does.
void makeTopArrowRaise(QScrollBar* scrollBar);

} // namespace kx
