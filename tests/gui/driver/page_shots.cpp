// The pages' screenshots. To add one for a page: a row below with the file name, the page's
// tab index and, if the page should show something, what a user would do on it first (find
// its widgets by object name, as in the terminal's row). scripts/screenshots.sh writes every
// row's file next to contact-panel.png and connected.png.
#include "tests/gui/driver/page_shots.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <memory>
#include <optional>

#include "gui/pages/move_cash_dlg.h"
#include "gui/pages/tab_sales.h"
#include "gui/pages/tab_service_settings2.h"
#include "tests/gui/driver/smoke_run.h"

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

void SetText(QWidget& page, const char* field, const QString& text) {
    if (auto* edit = page.findChild<QLineEdit*>(QString::fromLatin1(field))) {
        edit->setText(text);
    }
}

void Click(QWidget& page, const char* name) {
    if (auto* button = page.findChild<QAbstractButton*>(QString::fromLatin1(name))) {
        button->click();
    }
}

// One line filled in and added: name, weighed or not, quantity, price, article and the entry
// of the first tax-rate list.
void AddLine(QWidget& page, const QString& name, bool weighed, const QString& quantity,
             const QString& price, const QString& article, int rate) {
    SetText(page, "nameEdit", name);
    if (auto* divisible = page.findChild<QCheckBox*>(QStringLiteral("divisibleCheck"));
        divisible && divisible->isChecked() != weighed) {
        divisible->click();
    }
    SetText(page, "quantityEdit", quantity);
    SetText(page, "priceEdit", price);
    SetText(page, "articleEdit", article);
    if (auto* rates = page.findChild<QComboBox*>(QStringLiteral("taxRate1Combo"))) {
        rates->setCurrentIndex(rate);
    }
    Click(page, "addButton");
}

// The receipt page with three lines (bread under the included 20 %, weighed cheese under the
// added 5 %, and a return), the cash worked out as the page does. On the way, the cash dialog as
// "Наличность" opens it is grabbed on its own, with an amount typed in, as cash-dialog.png.
void ReceiptOfThreeLines(CMainFrame&, QWidget& page) {
    auto* sales = qobject_cast<CTabSales*>(&page);
    if (!sales) {
        return;
    }
    sales->EnsureWidgets();
    AddLine(page, QStringLiteral("Хлеб"), false, QStringLiteral("2"), QStringLiteral("3.50"),
            QStringLiteral("1"), 1);
    AddLine(page, QStringLiteral("Сыр"), true, QStringLiteral("0.755"), QStringLiteral("120.00"),
            QStringLiteral("2"), 3);
    Click(page, "returnCheck");
    AddLine(page, QStringLiteral("Кефир"), false, QStringLiteral("1"), QStringLiteral("2.40"),
            QStringLiteral("3"), 0);

    const QString dir = qEnvironmentVariable(kScreenshotsVariable);
    sales->SetCashDialog([dir](COrvikServiceDoc* document, QWidget* parent) {
        CMoveCashDlg dialog(document, parent);
        if (auto* amount = dialog.findChild<QLineEdit*>(QStringLiteral("amountEdit"))) {
            amount->setText(QStringLiteral("50.00"));
        }
        dialog.show();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        dialog.grab().save(QDir(dir).filePath(QStringLiteral("cash-dialog.png")), "PNG");
    });
    Click(page, "cashButton");
    sales->SetCashDialog({});
}

}  // namespace

const std::vector<PageShot>& PageShots() {
    static const std::vector<PageShot> shots{
        {"page-logo-footer.png", 1, LogoAndFooter},
        {"page-reports.png", 2, {}},
        {"receipt-page.png", 3, ReceiptOfThreeLines},
        {"page-terminal.png", 4, TerminalExchange},
    };
    return shots;
}

}  // namespace orvik::gui
