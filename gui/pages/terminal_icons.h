#pragma once

#include <QIcon>

namespace orvik::gui {

// The exchange log's two row icons, drawn rather than loaded so that the page needs no
// resource file: an arrow towards the register for a sent command, one from it for a reply.
// Each call draws them anew: a page keeps its own.
QIcon SentCommandIcon();
QIcon ReceivedReplyIcon();

}  // namespace orvik::gui
