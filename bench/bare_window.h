// A window of the plain Qt widgets the main window holds, as many, of the same kinds, placed and
// sized alike, but without their captions' fonts, colours, pictures or any handler: the yardstick
// for Kx's start-up.
#pragma once

#include <QWidget>

QWidget* makeBareWindow();
