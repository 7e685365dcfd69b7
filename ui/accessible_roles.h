// What Qt's accessibility cannot tell by itself, given to a screen reader control by control.
#pragma once

class QWidget;

namespace kx {

// A top-level plain QWidget that is a window, with its title as its name.
void presentAsWindow(QWidget* window);

// A drawing that only decorates: no name, nothing to read.
void presentAsDecoration(QWidget* drawing);

} // namespace kx
