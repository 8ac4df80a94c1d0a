// The console in each of its languages: every text the window, its pages, its dialogs and Qt's
// own boxes show is in that language (in the pseudo-language, every one is wrapped in "[[ ]]",
// so a text that bypasses the translations stands out), and "Вид" → "Язык" keeps a choice for
// the next start.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextDocumentFragment>

#include <functional>

#include "gui/app/console_language.h"
#include "gui/app/orvik_service_view.h"
#include "gui/controls/about_dlg.h"
#include "gui/controls/qt_text.h"
#include "gui/pages/bottom_line_dlg.h"
#include "gui/pages/journal_dlg.h"
#include "gui/pages/move_cash_dlg.h"
#include "res/language.h"
#include "tests/gui/console_harness.h"

using namespace orvik::gui;
using orvik::Language;

namespace {

struct ShownText {
    QString where;
    QString text;
};

// The tax slots as the register names them ("А-ПДВ 20% 20.00 "), ahead of their kind in the
// rate lists: the register's own values, never translated.
const QRegularExpression kTaxSlotValue(QStringLiteral("^[А-ЯІЇЄ]-.* \\d+\\.\\d+ "));

void AddText(std::vector<ShownText>& texts, const QObject* owner, const char* what, QString text) {
    text.remove(QRegularExpression(QStringLiteral("\t[^\\]\\s]*")));  // a shortcut's keys
    if (Qt::mightBeRichText(text)) {
        text = QTextDocumentFragment::fromHtml(text).toPlainText();
    }
    if (!text.trimmed().isEmpty()) {
        texts.push_back({owner->objectName() + QLatin1Char(' ') + QLatin1String(what), text});
    }
}

void AddMenu(std::vector<ShownText>& texts, const QMenu* menu) {
    AddText(texts, menu, "title", menu->title());
    for (const QAction* action : menu->actions()) {
        // The languages go by their own names, the same in every language.
        if (action->data().toString().size() == 2) {
            continue;
        }
        AddText(texts, menu, "item", action->text());
        AddText(texts, menu, "status tip", action->statusTip());
        if (action->menu()) {
            AddMenu(texts, action->menu());
        }
    }
}

// What a user reads in a window: labels, buttons, group titles, tabs, list headings and
// choices, titles, tips and the names a screen reader speaks. What the user types and the
// register's values in the fields are not texts of the console.
std::vector<ShownText> ShownTexts(const QWidget& window) {
    std::vector<ShownText> texts;
    AddText(texts, &window, "window title", window.windowTitle());
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&window)) {
            continue;
        }
        AddText(texts, widget, "tool tip", widget->toolTip());
        AddText(texts, widget, "accessible name", widget->accessibleName());
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            AddText(texts, label, "label", label->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            AddText(texts, button, "button", button->text());
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            AddText(texts, group, "group", group->title());
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                AddText(texts, tabs, "tab", tabs->tabText(i));
            }
        } else if (const auto* header = qobject_cast<const QHeaderView*>(widget)) {
            // The headings as one text: a list may take them from one text of the string
            // table ("Время;ЭККР;...").
            QStringList headings;
            for (int i = 0; header->model() && i < header->count(); ++i) {
                headings << header->model()->headerData(i, header->orientation()).toString();
            }
            AddText(texts, header, "headings", headings.join(QLatin1Char(';')));
        } else if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            // The ports with the registers the user named, and the file dialog's folders, are
            // names, not texts of the console.
            if (combo->objectName() == QLatin1String("portList") ||
                combo->objectName() == QLatin1String("lookInCombo")) {
                continue;
            }
            for (int i = 0; !combo->isEditable() && i < combo->count(); ++i) {
                AddText(texts, combo, "choice", combo->itemText(i).remove(kTaxSlotValue));
            }
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            AddText(texts, edit, "placeholder", edit->placeholderText());
        }
    }
    return texts;
}

// Every text of the window, its pages (on the register that shows the most), its dialogs, and
// Qt's own question box and file dialog.
std::vector<ShownText> EveryShownText(ConsoleHarness& console) {
    CMainFrame& frame = console.Frame();
    std::vector<ShownText> texts = ShownTexts(frame);
    for (const QAction* action : frame.menuBar()->actions()) {
        AddMenu(texts, action->menu());
    }
    if (!console.ConnectWithEnter()) {
        texts.push_back({QStringLiteral("connect"), QStringLiteral("did not connect")});
        return texts;
    }
    QTabWidget* tabs = frame.View()->TabControl();
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QCoreApplication::sendPostedEvents();
        const std::vector<ShownText> shown = ShownTexts(frame);
        texts.insert(texts.end(), shown.begin(), shown.end());
    }
    const auto dialog = [&](QWidget&& window) {
        window.show();
        QCoreApplication::sendPostedEvents();
        const std::vector<ShownText> shown = ShownTexts(window);
        texts.insert(texts.end(), shown.begin(), shown.end());
        window.close();
    };
    dialog(CAboutDlg(&frame));
    dialog(CMoveCashDlg(&console.Document(), &frame));
    dialog(CBottomLineDlg(console.messages, orvik::console::FooterLine{}, &frame));
    dialog(CJournalDlg(&console.Document(), orvik::console::JournalRows{}, &frame));
    dialog(QMessageBox(QMessageBox::Question, frame.windowTitle(), frame.windowTitle(),
                       QMessageBox::Yes | QMessageBox::No, &frame));
    QFileDialog files(&frame, frame.windowTitle());
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.setAcceptMode(QFileDialog::AcceptSave);
    dialog(std::move(files));
    return texts;
}

// A text outside every "[[ ]]" of the pseudo-language: what is left once they are taken out,
// innermost first.
QString Unwrapped(QString text) {
    static const QRegularExpression wrapped(QStringLiteral("\\[\\[((?!\\[\\[|\\]\\]).)*\\]\\]"),
                                            QRegularExpression::DotMatchesEverythingOption);
    for (QString before; before != text;) {
        before = text;
        text.remove(wrapped);
    }
    return text;
}

bool HasLetters(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

// The same in every language: the ports, the addresses, the keyboard's lock panes, the barcode
// kinds as the register names them, the name of the CSV format, "OK" (Qt's Russian keeps it),
// and amounts of money in the register's currency ("123.45 ГРН").
const QRegularExpression kNeverTranslated(
    QStringLiteral("(https://|mailto:)\\S+|-?\\d+\\.\\d+ [А-ЯІЇЄA-Z]{3}|"
                   "\\b(COM\\d+|CODE[ABC]|NUM|CAP|CSV|OK|E-mail|WWW|"
                   "www\\.orvik\\.example|[a-z]+@orvik\\.example)\\b"));

}  // namespace

class TestLanguages : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void everyShownTextIsInTheLanguage_data();
    void everyShownTextIsInTheLanguage();
    void theLanguageIsChosenAndKept();
};

void TestLanguages::initTestCase() {
    // The saved choice goes to a test folder, never the user's configuration.
    QStandardPaths::setTestModeEnabled(true);
}

void TestLanguages::everyShownTextIsInTheLanguage_data() {
    QTest::addColumn<QString>("language");
    // A text is wrong when this matches it.
    QTest::addColumn<std::function<bool(const QString&)>>("wrong");
    QTest::newRow("pseudo") << "pseudo"
                            << std::function<bool(const QString&)>(
                                   [](const QString& text) { return HasLetters(Unwrapped(text)); });
    // Russian: no English word (Qt's own texts included).
    QTest::newRow("ru") << "ru" << std::function<bool(const QString&)>([](const QString& text) {
        return text.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}")));
    });
    // Ukrainian: no letter of Russian that Ukrainian lacks.
    QTest::newRow("uk") << "uk" << std::function<bool(const QString&)>([](const QString& text) {
        return text.contains(QRegularExpression(QStringLiteral("[ыэъёЫЭЪЁ]")));
    });
    // English: no Cyrillic.
    QTest::newRow("en") << "en" << std::function<bool(const QString&)>([](const QString& text) {
        return text.contains(QRegularExpression(QStringLiteral("\\p{Cyrillic}")));
    });
}

void TestLanguages::everyShownTextIsInTheLanguage() {
    QFETCH(QString, language);
    QFETCH(std::function<bool(const QString&)>, wrong);
    const LanguageScope scope(*orvik::ParseLanguage(language.toStdString()));
    ConsoleHarness console(Model8Register());
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));

    QStringList failures;
    const std::vector<ShownText> texts = EveryShownText(console);
    for (const ShownText& shown : texts) {
        QString text = shown.text;
        text.remove(kNeverTranslated);
        if (wrong(text)) {
            failures << shown.where + QStringLiteral(": ") + shown.text;
        }
    }
    failures.removeDuplicates();
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QLatin1Char('\n'))));
    // The walk saw the pages and the dialogs, not just the bare window.
    QVERIFY(texts.size() > 300);
}

void TestLanguages::theLanguageIsChosenAndKept() {
    ConsoleHarness console;
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    const QList<QAction*> items = console.Frame().LanguageMenu()->actions();
    QCOMPARE(items.size(), 3);
    // The language in force is the one ticked.
    QVERIFY(items[0]->isChecked());
    for (QAction* item : items) {
        const auto language = orvik::ParseLanguage(item->data().toString().toStdString());
        QVERIFY(language);
        item->trigger();
        QCOMPARE(SavedLanguage(), language);
        // The choice holds over the locale at the next start, and "--lang" over both.
        qputenv("LANGUAGE", "uk");
        QCOMPARE(StartLanguage(std::nullopt), *language);
        QCOMPARE(StartLanguage(Language::English), Language::English);
        qunsetenv("LANGUAGE");
    }
    // Each choice said that it takes effect at the next start.
    QCOMPARE(console.messages.entries.size(), std::size_t{3});
    QCOMPARE(console.messages.entries.back().text, LoadText(orvik::kStrLanguageAfterRestart));

    // A wrong or missing value of "--lang" is a usage error.
    const auto option = [](std::vector<const char*> arguments, QString* why) {
        arguments.insert(arguments.begin(), "orvik-console");
        return LanguageOption(static_cast<int>(arguments.size()),
                              const_cast<char**>(arguments.data()), why);
    };
    QString why;
    QCOMPARE(option({"--lang", "uk"}, &why), Language::Ukrainian);
    QCOMPARE(option({"--lang=en"}, &why), Language::English);
    QCOMPARE(option({}, &why), std::nullopt);
    QVERIFY(why.isEmpty());
    QCOMPARE(option({"--lang", "de"}, &why), std::nullopt);
    QVERIFY(!why.isEmpty());
    why.clear();
    QCOMPARE(option({"--lang"}, &why), std::nullopt);
    QVERIFY(!why.isEmpty());
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
