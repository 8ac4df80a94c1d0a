#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace orvik::gui {

// The pixels of a binary PPM picture ("P6", 8 bits a channel) held in memory, as an image over
// those bytes: nothing is decoded or copied. The image lives as long as the bytes; null if they
// are not such a picture or are cut short.
QImage ImageOverPpm(QByteArrayView file);

// A picture kept uncompressed among the program's resources as a binary PPM, read straight
// from the program's memory: the window's first paint waits for a copy, not a decode. Any
// other file is read the usual way.
QPixmap ResourcePicture(const QString& path);

}  // namespace orvik::gui
