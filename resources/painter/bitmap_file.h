// Writes a picture as a 24-bit Windows bitmap file, rows top to bottom, the way the window reads
// its start-up picture without converting a pixel at a time.
#pragma once

#include <QImage>
#include <QString>

namespace painter {

bool saveTopDownBitmap(const QImage& picture, const QString& path);

} // namespace painter
