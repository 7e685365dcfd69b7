// Twips, the unit the windows are designed in: 1/1440 inch, 15 to the pixel at 96 dots per inch.
#pragma once

#include <QRect>
#include <QSize>

namespace kx {

constexpr int kTwipsPerPixel = 15;

// To the nearest pixel; every place and size of the windows is a whole number of pixels.
constexpr int toPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

constexpr QSize toPixels(QSize twips) {
    return {toPixels(twips.width()), toPixels(twips.height())};
}

} // namespace kx
