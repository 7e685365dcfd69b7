// The four pictures the main window carries, and the launcher's icons. The small ones are designed
// on 32 x 32 pixels and drawn at any multiple of it, for screens of a higher density.
#pragma once

#include <QImage>

namespace painter {

// 16 colours: a loudspeaker from the side, yellow and grey, its cone opening to the right.
QImage windowIcon(int size);

// The same loudspeaker in full colour, for the desktop's launchers.
QImage loudspeakerIcon(int size);

// 363 x 518, 24 bits: on black, a box in perspective whose yellow side is cut away to show the
// driver's opening and the reflex port, the port marked with a red line.
QImage startUpPicture();

// 256 colours: a cabinet with a yellow front and three driver openings, a green side and a
// light brown top, on a black square.
QImage optimiserPicture(int size);

// 16 colours: a blue "i" on a white disc with a blue rim, transparent around the disc.
QImage informationIcon(int size);

} // namespace painter
