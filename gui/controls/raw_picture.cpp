#include "gui/controls/raw_picture.h"

#include <QImage>
#include <QResource>

#include <cstddef>

namespace orvik::gui {

namespace {

// Reads the next number of a PPM header at `at`, after blanks and "#" comment lines; -1 if
// there is none or it is out of reason.
long HeaderNumber(QByteArrayView file, qsizetype& at) {
    constexpr long kLargest = 1 << 16;
    while (at < file.size()) {
        const char c = file[at];
        if (c == '#') {
            while (at < file.size() && file[at] != '\n') {
                ++at;
            }
        } else if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++at;
        } else {
            break;
        }
    }
    long value = -1;
    while (at < file.size() && file[at] >= '0' && file[at] <= '9') {
        value = (value < 0 ? 0 : value * 10) + (file[at] - '0');
        if (value > kLargest) {
            return -1;
        }
        ++at;
    }
    return value;
}

}  // namespace

QImage ImageOverPpm(QByteArrayView file) {
    if (!file.startsWith("P6")) {
        return {};
    }
    qsizetype at = 2;
    const long width = HeaderNumber(file, at);
    const long height = HeaderNumber(file, at);
    const long maximum = HeaderNumber(file, at);
    // One blank ends the header; the pixels follow, three bytes each.
    if (width <= 0 || height <= 0 || maximum != 255 || at >= file.size()) {
        return {};
    }
    ++at;
    const qsizetype rowBytes = static_cast<qsizetype>(width) * 3;
    if (file.size() - at < rowBytes * height) {
        return {};
    }
    return QImage(reinterpret_cast<const uchar*>(file.data() + at), static_cast<int>(width),
                  static_cast<int>(height), rowBytes, QImage::Format_RGB888);
}

QPixmap ResourcePicture(const QString& path) {
    const QResource resource(path);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        const QImage image = ImageOverPpm(
            QByteArrayView(reinterpret_cast<const char*>(resource.data()), resource.size()));
        if (!image.isNull()) {
            return QPixmap::fromImage(image);
        }
    }
    return QPixmap(path);
}

}  // namespace orvik::gui
