#pragma once

#include <QSizePolicy>
#include <QWidget>

namespace orvik::gui {

// The widget keeps its room in the layout while it is hidden, so that a page shows one size
// whichever register is connected.
inline void KeepRoomWhenHidden(QWidget* widget) {
    QSizePolicy keepRoom = widget->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(keepRoom);
}

}  // namespace orvik::gui
