// Reads the six guidance pictures of an installed program from its folder, as the program does.
#include "entry/field_guidance.h"
#include "ui/main_window/guidance_picture.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: test_installed_pictures <program folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    int missing = 0;
    for (const QString& name :
         {kx::picture::volume(), kx::picture::circularDiameter(), kx::picture::height(), kx::picture::width(),
          kx::picture::circularLength(), kx::picture::rectangularLength()}) {
        if (kx::loadGuidancePicture(folder, name).isNull()) {
            std::fprintf(stderr, "cannot show %s%s\n", qPrintable(folder), qPrintable(name));
            ++missing;
        }
    }
    return missing == 0 ? 0 : 1;
}
