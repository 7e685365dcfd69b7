// Draws the program's pictures into the folder given on the command line: the four the window
// carries, the six guidance pictures that go beside the program, and the launcher's icon at each
// size that follows the folder.
#include "caption_font.h"
#include "guidance_pictures.h"
#include "window_pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <vector>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: kx_painter <folder> <launcher icon size>...\n");
        return 2;
    }
    std::vector<int> launcherSizes;
    for (int i = 2; i < argc; ++i) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
        if (!isNumber || size < 1) {
            std::fprintf(stderr, "kx_painter: %s is no icon size\n", argv[i]);
            return 2;
        }
        launcherSizes.push_back(size);
    }
    if (!painter::captionFontInstalled()) {
        std::fprintf(stderr, "kx_painter: the font %s is missing; install the package %s\n",
                     qPrintable(painter::captionFamily()), painter::kCaptionFontPackage);
        return 1;
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
    for (const int size : launcherSizes) {
        const QString name = QStringLiteral("launcher_%1.png").arg(size);
        if (!painter::loudspeakerIcon(size).save(folder.filePath(name))) {
            std::fprintf(stderr, "kx_painter: cannot write %s\n", qPrintable(name));
            return 1;
        }
    }
    // The guidance pictures in a folder of their own, which the build puts beside the program whole.
    constexpr int kJpegQuality = 90;
    const QDir guidance(folder.filePath(QStringLiteral("guidance")));
    guidance.mkpath(QStringLiteral("."));
    for (const kx::GuidancePicture which : kx::kGuidancePictures) {
        const char* name = kx::fileName(which);
        if (!painter::guidancePicture(which).save(guidance.filePath(QLatin1String(name)), "JPEG",
                                                  kJpegQuality)) {
            std::fprintf(stderr, "kx_painter: cannot write %s\n", name);
            return 1;
        }
    }
    return 0;
}
