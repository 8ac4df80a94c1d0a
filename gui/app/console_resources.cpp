#include "gui/app/console_resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the registration function in the namespace it is used in, so this
// stays in the global one.
static void RegisterConsoleResources() {
    Q_INIT_RESOURCE(console);
}

namespace orvik::gui {

void InitConsoleResources() {
    static const bool registered = [] {
        RegisterConsoleResources();
        return true;
    }();
    (void)registered;
}

}  // namespace orvik::gui
