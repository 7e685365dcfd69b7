// Draws the program's pictures into the folder given on the command line: the four the window
// carries, the six guidance pictures that go beside the program, and the launcher's icon at each
// size that follows the folder. The guidance pictures are drawn in Italian, and once more in the
// language of each translation (a .qm file) among the arguments, into a folder named by its code.
#include "caption_font.h"
#include "guidance_pictures.h"
#include "window_pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTranslator>

#include <cstdio>
#include <vector>

namespace {

// The six pictures in the language of the translation installed, if any.
bool drawGuidance(const QDir& folder) {
    constexpr int kJpegQuality = 90;
    folder.mkpath(QStringLiteral("."));
    for (const kx::GuidancePicture which : kx::kGuidancePictures) {
        const char* name = kx::fileName(which);
        if (!painter::guidancePicture(which).save(folder.filePath(QLatin1String(name)), "JPEG",
                                                  kJpegQuality)) {
            std::fprintf(stderr, "kx_painter: cannot write %s\n", name);
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: kx_painter <folder> <launcher icon size>... <translation.qm>...\n");
        return 2;
    }
    std::vector<int> launcherSizes;
    QStringList translations;
    for (int i = 2; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument.endsWith(QLatin1String(".qm"))) {
            translations << argument;
            continue;
        }
        bool isNumber = false;
        const int size = argument.toInt(&isNumber);
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
    // The guidance pictures in a folder of their own, which the build puts beside the program whole;
    // each language's in a folder in it named by the language's code, the part of kx_de.qm after "_".
    const QDir guidance(folder.filePath(QStringLiteral("guidance")));
    if (!drawGuidance(guidance)) {
        return 1;
    }
    for (const QString& file : translations) {
        QTranslator translation;
        if (!translation.load(file)) {
            std::fprintf(stderr, "kx_painter: cannot read the translation %s\n", qPrintable(file));
            return 1;
        }
        QCoreApplication::installTranslator(&translation);
        if (!drawGuidance(
                guidance.filePath(QFileInfo(file).completeBaseName().section(QLatin1Char('_'), 1)))) {
            return 1;
        }
        QCoreApplication::removeTranslator(&translation);
    }
    return 0;
}
