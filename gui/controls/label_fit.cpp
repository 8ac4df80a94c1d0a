#include "gui/controls/label_fit.h"

namespace orvik::gui {

QRect FitRectToText(const QRect& current, const QSize& text, Qt::Alignment alignment) {
    int left = current.x();
    int top = current.y();

    if (alignment & Qt::AlignVCenter) {
        top += (current.height() - text.height()) / 2;
    }

    if (alignment & Qt::AlignHCenter) {
        left += (current.width() - text.width()) / 2;
    } else if (alignment & Qt::AlignRight) {
        left = current.x() + current.width() - text.width();
    }

    return QRect(left, top, text.width(), text.height());
}

}  // namespace orvik::gui
