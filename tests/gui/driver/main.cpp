// orvik-console-driver: the console's window driven for the smoke test, the screenshots and the
// start-up benchmark (see smoke_run.h). A test-only program; the product is orvik-console.
#include <cstdio>

#include "gui/app/console_language.h"
#include "gui/app/orvik_service_app.h"
#include "tests/gui/driver/smoke_run.h"

int main(int argc, char** argv) {
    orvik::gui::COrvikServiceApp app(argc, argv);
    // The window in the language "--lang" names (the screenshots of each language), Russian
    // without it: the smoke run reads the window's Russian texts whatever the machine's locale.
    QString error;
    const auto option = orvik::gui::LanguageOption(argc, argv, &error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(error));
        return 2;
    }
    const orvik::gui::LanguageScope language(option.value_or(orvik::Language::Russian));
    if (!app.InitInstance()) {
        return 1;
    }
    const auto run = orvik::gui::SmokeRunFromEnvironment();
    if (!run) {
        std::fprintf(stderr, "usage: ORVIK_CONSOLE_SMOKE_TEST=COMn,password %s\n", argv[0]);
        return 2;
    }
    return orvik::gui::RunSmoke(app, *run);
}
