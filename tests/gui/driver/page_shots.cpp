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
#include <QTemporaryDir>

#include <ctime>
#include <memory>
#include <optional>

#include "console/receipt_journal.h"
#include "gui/app/main_frame.h"
#include "gui/app/orvik_service_app.h"
#include "gui/document/orvik_service_doc.h"
#include "gui/pages/journal_dlg.h"
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

// "Журнал чеков" after a morning's receipts, grabbed on its own as journal.png: sample copies
// in a journal of its own for the picture, so the user's journal is never written. Among them a
// close the register did not answer, listed first.
void JournalShot(CMainFrame& frame) {
    auto* app = qobject_cast<COrvikServiceApp*>(QCoreApplication::instance());
    QTemporaryDir folder;
    if (!app || !app->Document()->m_pCore || !folder.isValid()) {
        return;
    }
    COrvikServiceDoc& document = *app->Document();
    const std::string previous = document.JournalPath();
    document.SetJournalPath(folder.filePath(QStringLiteral("journal.sqlite3")).toStdString());
    if (console::ReceiptJournal* journal = document.Journal()) {
        const std::time_t now = std::time(nullptr);
        const struct {
            int minutesAgo;
            std::int64_t total;
            console::JournalOutcome outcome;
            int before;  // the register's last number before the close
            int number;  // 0: none
            int copy;
            int copies;
        } samples[] = {
            {95, 1730, console::JournalOutcome::Registered, 40, 41, 1, 1},
            {62, 25640, console::JournalOutcome::Registered, 41, 42, 1, 2},
            {61, 25640, console::JournalOutcome::Registered, 42, 43, 2, 2},
            {40, 950, console::JournalOutcome::NotRegistered, 43, 0, 1, 1},
            {38, 950, console::JournalOutcome::Registered, 43, 44, 1, 1},
            {12, 31275, console::JournalOutcome::Unknown, 44, 0, 1, 1},
        };
        char digit = 'a';
        for (const auto& sample : samples) {
            console::JournalCopy copy;
            copy.time = now - sample.minutesAgo * 60;
            copy.serialNumber = document.m_pCore->PrinterInfo().serialNumber;
            copy.operatorName = u"Касир";
            copy.digest = std::string(64, digit++);
            copy.copy = sample.copy;
            copy.copies = sample.copies;
            copy.total = sample.total;
            copy.cash = sample.total;
            copy.outcome = sample.outcome;
            copy.answered = sample.outcome != console::JournalOutcome::Unknown;
            copy.settled =
                copy.answered ? console::Settlement::Answer : console::Settlement::Pending;
            copy.numberBefore = sample.before;
            if (sample.number > 0) {
                copy.number = sample.number;
            }
            journal->Add(copy);
        }
        const QString dir = qEnvironmentVariable(kScreenshotsVariable);
        frame.SetJournalDialog([dir](CJournalDlg& dialog) {
            dialog.show();
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            dialog.grab().save(QDir(dir).filePath(QStringLiteral("journal.png")), "PNG");
        });
        frame.JournalAction()->trigger();
        frame.SetJournalDialog({});
    }
    // Back to the user's journal, which the connected register's closes go to again.
    document.SetJournalPath(previous);
    document.Journal();
}

// The receipt page with three lines (bread under the included 20 %, weighed cheese under the
// added 5 %, and a return), the cash worked out as the page does. On the way, the cash dialog as
// "Наличность" opens it is grabbed on its own, with an amount typed in, as cash-dialog.png, and
// so is the receipt journal, as journal.png.
void ReceiptOfThreeLines(CMainFrame& frame, QWidget& page) {
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
    JournalShot(frame);
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
