#pragma once

namespace orvik::gui {

// Makes the console's pictures and icons (res/console.qrc) available. The resources are linked
// from a static library, so they are registered explicitly; safe to call any number of times.
void InitConsoleResources();

}  // namespace orvik::gui
