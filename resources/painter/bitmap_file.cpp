#include "bitmap_file.h"

#include <QFile>

#include <cstdint>

namespace painter {
namespace {

constexpr int kHeaderSize = 14 + 40;
constexpr int kTrailingPad = 2; // the file ends on a 4-byte boundary

void put16(QByteArray& out, std::uint16_t value) {
    out.append(char(value & 0xFF)).append(char(value >> 8));
}

void put32(QByteArray& out, std::uint32_t value) {
    put16(out, std::uint16_t(value & 0xFFFF));
    put16(out, std::uint16_t(value >> 16));
}

} // namespace

bool saveTopDownBitmap(const QImage& picture, const QString& path) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    const int rowSize = (rgb.width() * 3 + 3) / 4 * 4;
    const int pixelBytes = rowSize * rgb.height();
    QByteArray file;
    file.reserve(kHeaderSize + pixelBytes + kTrailingPad);
    file.append("BM");
    put32(file, std::uint32_t(kHeaderSize + pixelBytes + kTrailingPad));
    put32(file, 0);
    put32(file, kHeaderSize);
    put32(file, 40);
    put32(file, std::uint32_t(rgb.width()));
    put32(file, std::uint32_t(-rgb.height())); // negative: the rows run from the top
    put16(file, 1);
    put16(file, 24);
    put32(file, 0); // no compression
    put32(file, std::uint32_t(pixelBytes));
    put32(file, 3780); // 96 dots per inch, in dots per metre
    put32(file, 3780);
    put32(file, 0);
    put32(file, 0);
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar* line = rgb.constScanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            file.append(char(line[3 * x + 2])).append(char(line[3 * x + 1])).append(char(line[3 * x]));
        }
        file.append(QByteArray(rowSize - rgb.width() * 3, '\0'));
    }
    file.append(QByteArray(kTrailingPad, '\0'));
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}

} // namespace painter
