// The guidance pictures: JPEG files in the program's folder, read afresh at each use.
#pragma once

#include <QPixmap>
#include <QString>

namespace kx {

// The folder that holds the executable, as the platform reports it.
QString programFolder();

// The picture of the file named folder + fileName, joined as they are; a file name opens with the
// path separator. A file that is missing, unreadable or not a JPEG gives the null picture.
QPixmap loadGuidancePicture(const QString& folder, const QString& fileName);

} // namespace kx
