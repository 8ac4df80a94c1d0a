#include "gui/pages/logo_image.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include "support/regular_file.h"

// Q_INIT_RESOURCE declares the registration function in the namespace it is used in, so this
// stays in the global one.
static void RegisterPageResources() {
    Q_INIT_RESOURCE(pages);
}

namespace orvik::gui {

namespace {

constexpr char kDefaultLogoPath[] = ":/pages/images/default_logo.bmp";

console::PaletteColour ColourOf(QRgb rgb) {
    return {static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
            static_cast<std::uint8_t>(qBlue(rgb))};
}

// A picture larger than a 432 x 192 logo could ever need: a PNG of it takes a few kilobytes, an
// uncompressed bitmap of 24 bits about 250.
constexpr std::size_t kMaxLogoFileBytes = 4 << 20;

LogoFileLoad ReadLogo(QImageReader& reader) {
    const QSize size = reader.size();
    if (size.isValid() &&
        (size.width() > console::kMaxLogoWidth || size.height() > console::kMaxLogoHeight)) {
        return LogoFileLoad{LogoFileStatus::WrongFormat, {}};
    }
    return LogoFromImage(reader.read());
}

}  // namespace

LogoFileLoad LogoFromImage(const QImage& image) {
    LogoFileLoad load;
    if (image.isNull()) {
        return load;
    }
    if (!console::IsAcceptableLogoFormat(image.width(), image.height(), 1, image.depth())) {
        load.status = LogoFileStatus::WrongFormat;
        return load;
    }
    // A one-bit image has two colours, in whichever order its file listed them.
    const QRgb first = image.colorCount() > 0 ? image.color(0) : qRgb(0, 0, 0);
    const QRgb second = image.colorCount() > 1 ? image.color(1) : qRgb(255, 255, 255);
    const std::array<bool, 2> dots = console::DotColours(ColourOf(first), ColourOf(second));
    load.bitmap = console::MakeMonoBitmap(image.width(), image.height(), [&](int x, int y) {
        return dots[image.pixelIndex(x, y) == 0 ? 0 : 1];
    });
    load.status = LogoFileStatus::Loaded;
    return load;
}

LogoFileLoad LoadLogoFile(const QString& path) {
    // The program's own picture comes from its resources; a user's file is read whole first,
    // a regular file of a bounded size only, so that a FIFO or a device never holds the window.
    if (path.startsWith(u':')) {
        QImageReader reader(path);
        return ReadLogo(reader);
    }
    const support::RegularFileRead file =
        support::ReadRegularFile(QFile::encodeName(path).toStdString(), kMaxLogoFileBytes);
    if (!file.read) {
        return LogoFileLoad{file.error == support::kErrorFileTooLarge ? LogoFileStatus::WrongFormat
                                                                      : LogoFileStatus::Unreadable,
                            {}};
    }
    QByteArray bytes(file.bytes.data(), static_cast<qsizetype>(file.bytes.size()));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return ReadLogo(reader);
}

console::MonoBitmap DefaultLogo() {
    static const bool registered = [] {
        RegisterPageResources();
        return true;
    }();
    (void)registered;
    return LoadLogoFile(QString::fromLatin1(kDefaultLogoPath)).bitmap;
}

}  // namespace orvik::gui
