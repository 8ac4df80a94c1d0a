// orvik-console: the administration console of the Орвик-683 registers.
#include "gui/app/orvik_service_app.h"
#include "gui/app/smoke_run.h"

int main(int argc, char** argv) {
    COrvikServiceApp app(argc, argv);
    if (!app.InitInstance()) {
        return 1;
    }
    // Only for the build's own smoke test; see smoke_run.h.
    if (const auto smoke = orvik::console::SmokeRunFromEnvironment()) {
        return orvik::console::RunSmoke(app, *smoke);
    }
    return COrvikServiceApp::exec();
}
