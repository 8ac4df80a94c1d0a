// orvik-console: the administration console of the Орвик-683 registers.
#include "gui/app/orvik_service_app.h"
#include "gui/app/smoke_run.h"

int main(int argc, char** argv) {
    orvik::gui::COrvikServiceApp app(argc, argv);
    if (!app.InitInstance()) {
        return 1;
    }
    // Only for the build's own smoke test; see smoke_run.h.
    if (const auto smoke = orvik::gui::SmokeRunFromEnvironment()) {
        return orvik::gui::RunSmoke(app, *smoke);
    }
    return orvik::gui::COrvikServiceApp::exec();
}
