#include "ui/main_window/guidance_picture.h"

#include <QCoreApplication>
#include <QImage>

namespace kx {

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

QPixmap loadGuidancePicture(const QString& folder, const QString& fileName) {
    QImage picture;
    if (!picture.load(folder + fileName, "JPEG")) {
        return {};
    }
    return QPixmap::fromImage(picture);
}

} // namespace kx
