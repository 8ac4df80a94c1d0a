// Pictures read straight from the program's memory: binary PPM headers, read or refused, and
// the contact picture read so equals what Qt's own reader makes of it.
#include <QImage>
#include <QtTest>

#include "gui/app/console_resources.h"
#include "gui/controls/raw_picture.h"

using namespace orvik::gui;

namespace {

// A 2 x 2 picture: red, green / blue, white.
const QByteArray kPixels("\xff\x00\x00\x00\xff\x00\x00\x00\xff\xff\xff\xff", 12);

}  // namespace

class TestRawPicture : public QObject {
    Q_OBJECT

  private slots:
    void readsThePixelsAfterAnyHeaderLayout();
    void refusesWhatIsNotAnEightBitBinaryPpm();
    void theContactPictureIsWhatQtReads();
};

void TestRawPicture::readsThePixelsAfterAnyHeaderLayout() {
    for (const QByteArray& header :
         {QByteArray("P6\n2 2\n255\n"), QByteArray("P6 2 2 255 "),
          QByteArray("P6\n# made by hand\n2\t2\r\n# two lines\n255\n")}) {
        const QByteArray file = header + kPixels;
        const QImage image = ImageOverPpm(file);
        QVERIFY2(!image.isNull(), header.constData());
        QCOMPARE(image.size(), QSize(2, 2));
        QCOMPARE(image.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(image.pixel(1, 0), qRgb(0, 255, 0));
        QCOMPARE(image.pixel(0, 1), qRgb(0, 0, 255));
        QCOMPARE(image.pixel(1, 1), qRgb(255, 255, 255));
        // The image stands over the bytes given: nothing was copied.
        QCOMPARE(image.constBits(),
                 reinterpret_cast<const uchar*>(file.constData() + header.size()));
    }
}

void TestRawPicture::refusesWhatIsNotAnEightBitBinaryPpm() {
    const QByteArray files[] = {
        QByteArray(),
        QByteArray("P3\n2 2\n255\n") + kPixels,           // text pixels
        QByteArray("P6\n2 2\n65535\n") + kPixels,         // 16 bits a channel
        QByteArray("P6\n2 2\n255\n") + kPixels.left(11),  // cut short
        QByteArray("P6\n0 2\n255\n") + kPixels,           // no width
        QByteArray("P6\n2\n"),                            // header cut short
        QByteArray("P6\n2 2\n255"),                       // no pixels at all
        QByteArray("P6\n99999999999999999999 2\n255\n") + kPixels,
        QByteArray("P6\n-2 2\n255\n") + kPixels,
        QByteArray("P6\n# a comment to the end"),
    };
    for (const QByteArray& file : files) {
        QVERIFY2(ImageOverPpm(file).isNull(), file.left(24).toPercentEncoding().constData());
    }
}

void TestRawPicture::theContactPictureIsWhatQtReads() {
    InitConsoleResources();
    const QString path = QStringLiteral(":/images/contact_picture.ppm");
    const QImage fast = ResourcePicture(path).toImage().convertToFormat(QImage::Format_RGB32);
    const QImage usual(path);
    QVERIFY(!usual.isNull());
    QCOMPARE(fast.size(), QSize(420, 470));
    QCOMPARE(fast, usual.convertToFormat(QImage::Format_RGB32));
    // A file that is no PPM is read the usual way.
    QVERIFY(!ResourcePicture(QStringLiteral(":/icons/connect.png")).isNull());
    QVERIFY(ResourcePicture(QStringLiteral(":/images/no-such-picture.ppm")).isNull());
}

QTEST_MAIN(TestRawPicture)
#include "tst_raw_picture.moc"
