// How far two colours stand apart for the eye: the contrast ratio of WCAG 2.1, from 1:1 (the same
// luminance) to 21:1 (black on white). Text reads from 4.5:1, a control's outline shows from 3:1.
#pragma once

#include <QColor>

namespace kx {

double contrastRatio(const QColor& a, const QColor& b);

} // namespace kx
