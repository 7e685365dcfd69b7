#include "ui/main_window/stored_picture.h"

#include <QImage>
#include <QResource>

#include <cstdint>
#include <cstring>

namespace kx {
namespace {

std::int32_t read32(const uchar* at) {
    std::uint32_t value = 0;
    std::memcpy(&value, at, sizeof value); // the file is little-endian, like the machines Kx runs on
    return std::int32_t(value);
}

std::uint16_t read16(const uchar* at) {
    std::uint16_t value = 0;
    std::memcpy(&value, at, sizeof value);
    return value;
}

// The pixels of a top-down 24-bit bitmap held in memory, or the null image when it is another kind.
QImage bitmapInPlace(const uchar* file, qint64 size) {
    constexpr int kHeaderSize = 54;
    if (size < kHeaderSize || file[0] != 'B' || file[1] != 'M') {
        return {};
    }
    const std::int32_t offset = read32(file + 10);
    const std::int32_t width = read32(file + 18);
    const std::int32_t height = read32(file + 22);
    const bool plain = read32(file + 14) == 40 && read16(file + 28) == 24 && read32(file + 30) == 0;
    if (!plain || width <= 0 || height >= 0 || offset < kHeaderSize) {
        return {};
    }
    const qint64 rowSize = (qint64(width) * 3 + 3) / 4 * 4;
    if (offset + rowSize * -qint64(height) > size) {
        return {};
    }
    // The rows hold blue, green, red.
    return QImage(file + offset, width, -height, int(rowSize), QImage::Format_BGR888);
}

} // namespace

QPixmap storedPicture(const QString& path) {
    const QResource resource(path);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        const QImage inPlace = bitmapInPlace(resource.data(), resource.size());
        if (!inPlace.isNull()) {
            return QPixmap::fromImage(inPlace);
        }
    }
    return QPixmap(path);
}

} // namespace kx
