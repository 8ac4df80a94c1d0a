// The pages' screenshots. To add one for a page: a row below with the file name, the page's
// tab index and, if the page should show something, what a user would do on it first (find
// its widgets by object name, as in the terminal's row). scripts/screenshots.sh writes every
// row's file next to contact-panel.png and connected.png.
#include "tests/gui/driver/page_shots.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>
#include <optional>

#include "gui/pages/tab_service_settings2.h"

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

// The logo and footer page with a shop's logo loaded from a picture file and two footer lines
// added, as a service engineer prepares them before sending.
void LogoAndFooter(CMainFrame&, QWidget& page) {
    auto* logoPage = qobject_cast<CTabServiceSettings2*>(&page);
    if (!logoPage) {
        return;
    }
    const QString logo = QStringLiteral(ORVIK_SOURCE_DIR "/docs/sample-logo.png");
    logoPage->SetFileDialog([logo](QWidget*, const FileDialogRequest&) { return logo; });
    logoPage->LoadLogo();
    auto lines =
        std::make_shared<std::vector<console::FooterLine>>(std::vector<console::FooterLine>{
            {u"ДЯКУЄМО ЗА ПОКУПКУ!", true, true, false}, {u"Ждём вас снова", false, false, false}});
    logoPage->SetFooterLineEditor([lines](QWidget*, const console::FooterLine&) {
        std::optional<console::FooterLine> next;
        if (!lines->empty()) {
            next = lines->front();
            lines->erase(lines->begin());
        }
        return next;
    });
    logoPage->AddLine();
    logoPage->AddLine();
}

}  // namespace

const std::vector<PageShot>& PageShots() {
    static const std::vector<PageShot> shots{
        {"page-logo-footer.png", 1, LogoAndFooter},
        {"page-reports.png", 2, {}},
        {"page-terminal.png", 4, TerminalExchange},
    };
    return shots;
}

}  // namespace orvik::gui
