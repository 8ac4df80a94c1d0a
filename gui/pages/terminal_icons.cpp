#include "gui/pages/terminal_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace orvik::gui {

namespace {

// A horizontal arrow on a 16-unit grid, pointing right or left, in the given colour.
QPixmap Arrow(int side, bool pointsRight, const QColor& colour) {
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(side / 16.0, side / 16.0);
    if (!pointsRight) {
        painter.translate(16, 0);
        painter.scale(-1, 1);
    }
    QPainterPath arrow;
    arrow.moveTo(1.5, 6);
    arrow.lineTo(8, 6);
    arrow.lineTo(8, 2.5);
    arrow.lineTo(14.5, 8);
    arrow.lineTo(8, 13.5);
    arrow.lineTo(8, 10);
    arrow.lineTo(1.5, 10);
    arrow.closeSubpath();
    painter.setPen(QPen(colour.darker(150), 1.0));
    painter.setBrush(colour);
    painter.drawPath(arrow);
    return pixmap;
}

QIcon ArrowIcon(bool pointsRight, const QColor& colour) {
    QIcon icon;
    for (const int side : {16, 32}) {
        icon.addPixmap(Arrow(side, pointsRight, colour));
    }
    return icon;
}

}  // namespace

QIcon SentCommandIcon() {
    return ArrowIcon(true, QColor(0x1f, 0x6f, 0xd0));
}

QIcon ReceivedReplyIcon() {
    return ArrowIcon(false, QColor(0x2e, 0x9e, 0x44));
}

}  // namespace orvik::gui
