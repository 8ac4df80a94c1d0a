// orvik-console: the administration console of the Орвик-683 registers.
#include <cstdio>

#include "gui/app/console_language.h"
#include "gui/app/orvik_service_app.h"

int main(int argc, char** argv) {
    orvik::gui::COrvikServiceApp app(argc, argv);
    QString error;
    const auto option = orvik::gui::LanguageOption(argc, argv, &error);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "orvik-console: %s\n", qUtf8Printable(error));
        return 2;
    }
    const orvik::gui::LanguageScope language(orvik::gui::StartLanguage(option));
    if (!app.InitInstance()) {
        return 1;
    }
    return orvik::gui::COrvikServiceApp::exec();
}
