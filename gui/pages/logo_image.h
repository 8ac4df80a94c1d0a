#pragma once

#include <QString>

#include "console/logo_bitmap.h"

class QImage;

// Logo pictures read with Qt's image readers (BMP, PNG and the other formats Qt has), for the
// logo and footer page.
namespace orvik::gui {

enum class LogoFileStatus {
    Loaded,
    Unreadable,   // no picture could be read from the file
    WrongFormat,  // a picture, but not a two-colour one of at most 432 x 192
};

struct LogoFileLoad {
    LogoFileStatus status = LogoFileStatus::Unreadable;
    console::MonoBitmap bitmap;  // set when Loaded
};

// Reads the picture. Its size is looked at before it is decoded, so a large photograph is
// refused without being read whole.
LogoFileLoad LoadLogoFile(const QString& path);

// The picture of a one-bit image; its darker colour gives the dots. Nothing for any other image.
LogoFileLoad LogoFromImage(const QImage& image);

// The logo the page starts with and returns to after a refused file: a two-colour picture of
// 432 x 191 from the program's resources.
console::MonoBitmap DefaultLogo();

}  // namespace orvik::gui
