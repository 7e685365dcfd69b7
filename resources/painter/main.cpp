// Draws the program's pictures into the folder given on the command line: the four the window
// carries and the six guidance pictures that go beside the program.
#include "bitmap_file.h"
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
    const struct {
        const char* name;
        QImage picture;
    } pictures[] = {
        {"kx_icon.png", painter::windowIcon()},
        {"ottimizza.bmp", painter::optimiserPicture()},
        {"info.png", painter::informationIcon()},
    };
    for (const auto& [name, picture] : pictures) {
        if (!picture.save(folder.filePath(QLatin1String(name)))) {
            std::fprintf(stderr, "kx_painter: cannot write %s\n", name);
            return 1;
        }
    }
    if (!painter::saveTopDownBitmap(painter::startUpPicture(),
                                    folder.filePath(QStringLiteral("image1_startup.bmp")))) {
        std::fprintf(stderr, "kx_painter: cannot write image1_startup.bmp\n");
        return 1;
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
