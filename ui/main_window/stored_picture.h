// The pictures stored with the window, read from the program's resources.
#pragma once

#include <QPixmap>
#include <QString>

namespace kx {

// The picture of a stored file. A 24-bit bitmap stored uncompressed with its rows from the top is
// read in place, without decoding it pixel by pixel; any other picture the usual way.
QPixmap storedPicture(const QString& path);

} // namespace kx
