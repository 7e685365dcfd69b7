// Draws the program's pictures into the folder given on the command line: the four the window
// carries and the six guidance pictures that go beside the program.
#include "guidance_pictures.h"
#include "window_pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: kx_painter <folder>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "kx_painter: cannot create %s\n", argv[1]);
        return 1;
    }
    // The carried pictures at their size, and at twice it for screens of twice the density, under
    // the names Qt looks for then.
    constexpr int kSmall = 32;
    const struct {
        const char* name;
        QImage picture;
    } pictures[] = {
        {"kx_icon.png", painter::windowIcon(kSmall)},
        {"kx_icon@2x.png", painter::windowIcon(2 * kSmall)},
        {"ottimizza.bmp", painter::optimiserPicture(kSmall)},
        {"ottimizza@2x.bmp", painter::optimiserPicture(2 * kSmall)},
        {"info.png", painter::informationIcon(kSmall)},
        {"info@2x.png", painter::informationIcon(2 * kSmall)},
        {"image1_startup.bmp", painter::startUpPicture()},
    };
    for (const auto& [name, picture] : pictures) {
        if (!picture.save(folder.filePath(QLatin1String(name)))) {
            std::fprintf(stderr, "kx_painter: cannot write %s\n", name);
            return 1;
        }
    }
    for (const int size : {48, 64, 128, 256}) {
        const QString name = QStringLiteral("launcher_%1.png").arg(size);
        if (!painter::loudspeakerIcon(size).save(folder.filePath(name))) {
            std::fprintf(stderr, "kx_painter: cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    constexpr int kJpegQuality = 90;
    for (const auto& [name, picture] : painter::guidancePictures()) {
        if (!picture.save(folder.filePath(name), "JPEG", kJpegQuality)) {
            std::fprintf(stderr, "kx_painter: cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
