#include "gui/pages/my_bitmap_static.h"

#include <QImage>
#include <QPainter>

#include <cstring>

namespace orvik::gui {

CMyBitmapStatic::CMyBitmapStatic(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CMyBitmapStatic::SetLogoSource(LogoSource source) {
    m_source = std::move(source);
    update();
}

QSize CMyBitmapStatic::sizeHint() const {
    return QSize(console::kMaxLogoWidth, console::kMaxLogoHeight);
}

QSize CMyBitmapStatic::minimumSizeHint() const {
    return sizeHint();
}

void CMyBitmapStatic::paintEvent(QPaintEvent*) {
    const console::MonoBitmap* logo = m_source ? m_source() : nullptr;
    if (!logo || logo->width <= 0 || logo->height <= 0) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), MonoBitmapImage(*logo));
    painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
    const int right = logo->width - 1;
    const int bottom = logo->height - 1;
    const QPoint corners[] = {{0, 0}, {right, 0}, {right, bottom}, {0, bottom}, {0, 0}};
    painter.drawPolyline(corners, 5);
}

QImage MonoBitmapImage(const console::MonoBitmap& bitmap) {
    QImage image(bitmap.width, bitmap.height, QImage::Format_Mono);
    if (image.isNull()) {
        return image;
    }
    // A set bit is white, as in the picture's own rows.
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    const std::size_t stride = bitmap.BytesPerRow();
    for (int y = 0; y < bitmap.height; ++y) {
        const std::size_t from = static_cast<std::size_t>(y) * stride;
        if (from + stride > bitmap.bits.size()) {
            break;
        }
        std::memcpy(image.scanLine(y), bitmap.bits.data() + from, stride);
    }
    return image;
}

}  // namespace orvik::gui
