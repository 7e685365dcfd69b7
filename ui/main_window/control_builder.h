// Builds the main window's controls from its control table.
#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

namespace kx {

// Creates every control of the table inside the window, named, placed and coloured; returns them by
// name. Frames are created before the controls they hold.
QHash<QString, QWidget*> buildControls(QWidget* window);

} // namespace kx
