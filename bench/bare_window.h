// A window of plain Qt widgets, as many and of the same kinds as the main window holds, placed
// and sized alike but with nothing of Kx's own: the yardstick for Kx's start-up.
#pragma once

#include <QWidget>

QWidget* makeBareWindow();
