// The pages' screenshots. To add one for a page: a row below with the file name, the page's
// tab index and, if the page should show something, what a user would do on it first (find
// its widgets by object name, as in the terminal's row). scripts/screenshots.sh writes every
// row's file next to contact-panel.png and connected.png.
#include "tests/gui/driver/page_shots.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace orvik::gui {

namespace {

// The terminal after one exchange: the register's date and time query and its replies.
void TerminalExchange(CMainFrame&, QWidget& page) {
    auto* box = page.findChild<QPlainTextEdit*>(QStringLiteral("commandBox"));
    auto* send = page.findChild<QPushButton*>(QStringLiteral("sendButton"));
    if (box && send) {
        box->setPlainText(QStringLiteral("GETD"));
        send->click();
    }
}

}  // namespace

const std::vector<PageShot>& PageShots() {
    static const std::vector<PageShot> shots{
        {"page-reports.png", 2, {}},
        {"page-terminal.png", 4, TerminalExchange},
    };
    return shots;
}

}  // namespace orvik::gui
