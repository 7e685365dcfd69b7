// The font both windows share.
#pragma once

#include <QFont>

namespace kx {

// The nearest sans-serif to the classic 8.25-point dialog face that Debian carries: Liberation Sans
// Narrow, at 11 pixels, the size 8.25 points have at 96 dots per inch, like every place and size of
// the window.
QFont windowFont();

} // namespace kx
