// orvik-console: the administration console of the Орвик-683 registers.
#include "gui/app/orvik_service_app.h"

int main(int argc, char** argv) {
    orvik::gui::COrvikServiceApp app(argc, argv);
    if (!app.InitInstance()) {
        return 1;
    }
    return orvik::gui::COrvikServiceApp::exec();
}
