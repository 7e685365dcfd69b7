// A window of the main window's form as it is, every control placed, coloured and named, but
// without the program's style, its code or any handler: the yardstick for Kx's start-up.
#pragma once

#include <QWidget>

QWidget* makeBareWindow();
