// The main view: its two faces, the five pages in their order, their refresh after each
// connect, tab switching, and every control within reach on a small screen.
#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "gui/app/console_language.h"
#include "gui/app/orvik_service_view.h"
#include "gui/controls/cj_hyperlink.h"
#include "gui/pages/tab_other_settings.h"
#include "gui/pages/tab_reports.h"
#include "gui/pages/tab_sales.h"
#include "gui/pages/tab_service_settings2.h"
#include "gui/pages/tab_terminal.h"
#include "tests/gui/console_harness.h"

using namespace orvik::gui;

namespace {

// What the recording pages saw.
struct RefreshLog {
    std::vector<int> calls;          // page indexes, in call order
    std::vector<bool> viewPainting;  // whether the view painted during each call
};

class CRecordingPage : public CUpdatableDialog {
  public:
    CRecordingPage(COrvikServiceDoc* document, QWidget* view, int index, RefreshLog* log)
        : CUpdatableDialog(document, view), m_view(view), m_index(index), m_log(log) {}

    bool UpdateDialog() override {
        m_log->calls.push_back(m_index);
        m_log->viewPainting.push_back(m_view->updatesEnabled());
        return CUpdatableDialog::UpdateDialog();
    }

  private:
    QWidget* m_view;
    int m_index;
    RefreshLog* m_log;
};

std::vector<PageEntry> RecordingPages(RefreshLog* log) {
    std::vector<PageEntry> pages;
    for (int i = 0; i < 5; ++i) {
        pages.push_back({QStringLiteral("Страница %1").arg(i),
                         [i, log](COrvikServiceDoc* document, QWidget* view) {
                             return new CRecordingPage(document, view, i, log);
                         }});
    }
    return pages;
}

const std::vector<int> kTabOrder{0, 1, 2, 3, 4};

// Indexes of the pages a user can see.
std::vector<int> VisiblePages(const COrvikServiceView& view) {
    std::vector<int> visible;
    for (std::size_t i = 0; i < view.Pages().size(); ++i) {
        if (view.Pages()[i]->isVisible()) {
            visible.push_back(static_cast<int>(i));
        }
    }
    return visible;
}

void ClickTab(QTabWidget* tabs, int index) {
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

// Whether the whole of a widget shows: inside each widget around it (the viewports of scroll
// areas among them) and inside the window.
bool WhollyInSight(const QWidget* widget) {
    if (!widget->isVisible()) {
        return false;
    }
    QRect place = widget->rect();
    for (const QWidget* inner = widget; !inner->isWindow(); inner = inner->parentWidget()) {
        place.translate(inner->pos());
        if (!inner->parentWidget()->rect().contains(place)) {
            return false;
        }
    }
    return true;
}

// The controls Tab visits on the shown page, from the one the caret is in until it leaves the
// page, and those of them that were not wholly in sight when they took the focus.
struct TabWalk {
    QStringList visited;
    QStringList outOfSight;
};

TabWalk TabThrough(const QWidget* page) {
    TabWalk walk;
    // A time field takes Tab from one of its parts to the next first: a name is listed once.
    for (int presses = 0; presses < 200; ++presses) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || !page->isAncestorOf(focus)) {
            break;
        }
        if (walk.visited.isEmpty() || walk.visited.back() != focus->objectName()) {
            walk.visited << focus->objectName();
            if (!WhollyInSight(focus)) {
                walk.outOfSight << focus->objectName();
            }
        }
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return walk;
}

}  // namespace

class TestMainView : public QObject {
    Q_OBJECT

  private slots:
    void createsTheFivePagesInTabOrderBehindTheContactPanel();
    void pagesMakeTheirWidgetsWhenFirstShown();
    void connectRefreshesEveryPageInTabOrderWithPaintingSuspended();
    void selectedTabSurvivesAReconnect();
    void switchingTabsHidesOnlyTheOldPageAndShowsTheNew();
    void failedConnectCallsNoPage();
    void updateWhileConnectedRefreshesEveryPageAgain();
    void pagesLearnTheRegistersModel();
    void everyControlIsWithinReachOnASmallScreen_data();
    void everyControlIsWithinReachOnASmallScreen();
};

void TestMainView::createsTheFivePagesInTabOrderBehindTheContactPanel() {
    ConsoleHarness console;
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    COrvikServiceView& view = *console.Frame().View();

    QTabWidget* tabs = view.TabControl();
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i) {
        titles << tabs->tabText(i);
    }
    QCOMPARE(titles, QStringList({"Установки ЭККР", "Установки ЭККР 2", "Отчеты", "Печать чеков",
                                  "Терминал"}));
    QCOMPARE(view.Pages().size(), std::size_t{5});
    QVERIFY(qobject_cast<CTabOtherSettings*>(view.Pages()[0]));
    QVERIFY(qobject_cast<CTabServiceSettings2*>(view.Pages()[1]));
    QVERIFY(qobject_cast<CTabReports*>(view.Pages()[2]));
    QVERIFY(qobject_cast<CTabSales*>(view.Pages()[3]));
    QVERIFY(qobject_cast<CTabTerminal*>(view.Pages()[4]));
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(tabs->widget(i), view.Pages()[static_cast<std::size_t>(i)]);
    }

    // Only the contact panel shows; the first page is the one that will show on connect.
    QVERIFY(view.ContactPanel()->isVisible());
    QVERIFY(!tabs->isVisible());
    QVERIFY(VisiblePages(view).empty());
    QCOMPARE(tabs->currentIndex(), 0);
    QVERIFY(!view.Pages()[0]->isHidden());
    for (int i = 1; i < 5; ++i) {
        QVERIFY(view.Pages()[static_cast<std::size_t>(i)]->isHidden());
    }

    // The contact panel's links lead to the supplier.
    auto* web = view.ContactPanel()->findChild<CCJHyperLink*>(QStringLiteral("webLink"));
    auto* mail = view.ContactPanel()->findChild<CCJHyperLink*>(QStringLiteral("emailLink"));
    QVERIFY(web && mail);
    QCOMPARE(web->URL(), QStringLiteral("https://orvik.example/"));
    QCOMPARE(mail->URL(), QStringLiteral("mailto:support@orvik.example"));
    QVERIFY(web->isVisible() && mail->isVisible());
}

void TestMainView::pagesMakeTheirWidgetsWhenFirstShown() {
    ConsoleHarness console;
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    COrvikServiceView& view = *console.Frame().View();
    const auto built = [&view](int index) {
        return !view.Pages()[static_cast<std::size_t>(index)]->findChildren<QWidget*>().isEmpty();
    };
    // The window paints first with no page made, the current one included.
    for (int i = 0; i < 5; ++i) {
        QVERIFY2(!built(i), qPrintable(QString::number(i)));
    }
    // What a page is told before it is shown is kept for it.
    auto* terminal = qobject_cast<CTabTerminal*>(view.Pages()[4]);
    QVERIFY(terminal);

    QVERIFY(console.ConnectWithEnter());
    terminal->LogLine(QStringLiteral("CONF"), true);
    terminal->LogLine(QStringLiteral("READY"), false);
    // The first page shows whole at once, with no turn of the event loop in between.
    QVERIFY(built(0));
    auto* clock = view.Pages()[0]->findChild<QWidget*>(QStringLiteral("clockSetButton"));
    QVERIFY(clock && clock->isVisible());
    QVERIFY(!built(2) && !built(3) && !built(4));

    view.TabControl()->setCurrentIndex(4);
    // Made while the user looks, the page takes the place of the others at once.
    QCOMPARE(terminal->geometry(), view.Pages()[0]->geometry());
    auto* list = terminal->findChild<QTreeWidget*>(QStringLiteral("exchangeLog"));
    QVERIFY(list && list->isVisible());
    QCOMPARE(list->topLevelItemCount(), 2);
    QCOMPARE(list->topLevelItem(0)->text(0), QStringLiteral("CONF"));
    QCOMPARE(list->topLevelItem(1)->text(0), QStringLiteral("READY"));
    // Sent and received rows keep their own icons.
    QVERIFY(!list->topLevelItem(0)->icon(0).isNull());
    QVERIFY(list->topLevelItem(0)->icon(0).cacheKey() != list->topLevelItem(1)->icon(0).cacheKey());
}

void TestMainView::connectRefreshesEveryPageInTabOrderWithPaintingSuspended() {
    RefreshLog log;
    ConsoleHarness console(ConsoleRegister(), RecordingPages(&log));
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    COrvikServiceView& view = *console.Frame().View();

    QVERIFY(console.ConnectWithEnter());
    QCOMPARE(log.calls, kTabOrder);
    QCOMPARE(log.viewPainting, std::vector<bool>(5, false));
    QVERIFY(view.updatesEnabled());
    QVERIFY(view.TabControl()->isVisible());
    QVERIFY(!view.ContactPanel()->isVisible());
    QCOMPARE(view.TabControl()->currentIndex(), 0);
    QCOMPARE(VisiblePages(view), std::vector<int>{0});
}

void TestMainView::selectedTabSurvivesAReconnect() {
    RefreshLog log;
    ConsoleHarness console(ConsoleRegister(), RecordingPages(&log));
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    COrvikServiceView& view = *console.Frame().View();
    QVERIFY(console.ConnectWithEnter());
    ClickTab(view.TabControl(), 4);
    QCOMPARE(VisiblePages(view), std::vector<int>{4});

    log.calls.clear();
    console.Frame().DisconnectAction()->trigger();
    // A disconnect tells the pages nothing.
    QVERIFY(log.calls.empty());
    QVERIFY(view.ContactPanel()->isVisible());
    QVERIFY(VisiblePages(view).empty());

    QVERIFY(console.ConnectWithEnter());
    QCOMPARE(log.calls, kTabOrder);
    QCOMPARE(view.TabControl()->currentIndex(), 4);
    QCOMPARE(VisiblePages(view), std::vector<int>{4});
}

void TestMainView::switchingTabsHidesOnlyTheOldPageAndShowsTheNew() {
    RefreshLog log;
    ConsoleHarness console(ConsoleRegister(), RecordingPages(&log));
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    COrvikServiceView& view = *console.Frame().View();
    QVERIFY(console.ConnectWithEnter());

    for (const int tab : {2, 3, 1, 4, 0}) {
        ClickTab(view.TabControl(), tab);
        QCOMPARE(view.TabControl()->currentIndex(), tab);
        QCOMPARE(VisiblePages(view), std::vector<int>{tab});
    }
    // Switching asks the register nothing.
    QCOMPARE(log.calls, kTabOrder);
}

void TestMainView::failedConnectCallsNoPage() {
    RefreshLog log;
    ConsoleHarness console(ConsoleRegister(), RecordingPages(&log));
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    COrvikServiceView& view = *console.Frame().View();

    console.Password()->setText(QStringLiteral("99999"));  // refused by the register
    QTest::keyClick(console.Password(), Qt::Key_Return);
    QVERIFY(!console.Document().IsConnected());
    QVERIFY(log.calls.empty());
    QVERIFY(view.ContactPanel()->isVisible());
    QVERIFY(!view.TabControl()->isVisible());
}

void TestMainView::updateWhileConnectedRefreshesEveryPageAgain() {
    RefreshLog log;
    ConsoleHarness console(ConsoleRegister(), RecordingPages(&log));
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    QVERIFY(console.ConnectWithEnter());
    ClickTab(console.Frame().View()->TabControl(), 2);

    // As the reports page asks after a Z report: every page, the asking one included.
    log.calls.clear();
    console.Document().UpdateAllViews();
    QCOMPARE(log.calls, kTabOrder);
    QCOMPARE(VisiblePages(*console.Frame().View()), std::vector<int>{2});
}

void TestMainView::pagesLearnTheRegistersModel() {
    for (const bool model8 : {false, true}) {
        ConsoleHarness console(model8 ? Model8Register() : ConsoleRegister());
        QString error;
        QVERIFY2(console.Start(&error), qPrintable(error));
        const auto& pages = console.Frame().View()->Pages();

        // Without a register the pages have nothing to read; the terminal never reads it.
        for (std::size_t i = 0; i < 4; ++i) {
            QVERIFY(!pages[i]->UpdateDialog());
        }
        QVERIFY(pages[4]->UpdateDialog());

        QVERIFY(console.ConnectWithEnter());
        QCOMPARE(console.Document().m_pCore->DeviceFamily(), model8 ? 1 : 0);
        for (std::size_t i = 0; i < 4; ++i) {
            QVERIFY(pages[i]->Capabilities() == console.Document().m_pCore->Capabilities());
            QCOMPARE(pages[i]->Capabilities().logo, model8);
        }
        QVERIFY(pages[4]->Capabilities() == orvik::device::RegisterCapabilities{});

        // The flag goes with the register: gone once no register answers the refresh.
        console.Frame().DisconnectAction()->trigger();
        QVERIFY(!pages[0]->UpdateDialog());
        QVERIFY(pages[0]->Capabilities() == orvik::device::RegisterCapabilities{});
    }
}

// In each language: the Ukrainian and English texts are longer than the Russian.
void TestMainView::everyControlIsWithinReachOnASmallScreen_data() {
    QTest::addColumn<orvik::Language>("language");
    QTest::newRow("ru") << orvik::Language::Russian;
    QTest::newRow("uk") << orvik::Language::Ukrainian;
    QTest::newRow("en") << orvik::Language::English;
}

void TestMainView::everyControlIsWithinReachOnASmallScreen() {
    QFETCH(orvik::Language, language);
    const LanguageScope scope(language);
    // The register whose pages show the most controls.
    ConsoleHarness console(Model8Register());
    QString error;
    QVERIFY2(console.Start(&error), qPrintable(error));
    CMainFrame& frame = console.Frame();
    COrvikServiceView& view = *frame.View();
    // The window opened within its screen's free area; on a screen with room, it takes the size
    // it asks for.
    QVERIFY(frame.screen()->availableGeometry().contains(frame.frameGeometry()));
    frame.FitToScreen(QRect(0, 0, 1920, 1080));
    QCOMPARE(frame.size(), frame.sizeHint());

    // A 1024 x 768 screen with a 32-pixel panel at its top. The window leaves room for a title
    // bar and borders, which the test platform does not draw.
    const QRect screen(0, 32, 1024, 736);
    frame.FitToScreen(screen);
    QVERIFY(screen.contains(frame.frameGeometry()));
    const QSize outside = frame.size().grownBy(CMainFrame::kFrameAllowance);
    QVERIFY2(outside.width() <= 1024 && outside.height() <= 736,
             qPrintable(QStringLiteral("%1 x %2").arg(outside.width()).arg(outside.height())));
    QVERIFY(console.ConnectWithEnter());

    // The last control Tab reaches in each group of the pages (the terminal's buttons below its
    // log wait for lines to act on).
    const QStringList lastOfTheirGroups{
        "clockSetButton",     "departmentSetButton", "messageSetSetButton", "setFooterButton",
        "setDiscountsButton", "numbersPrintButton",  "payment3Edit",        "barcodeEdit",
        "cashButton",         "exchangeLog"};
    // Page by page, as Ctrl+Tab leads to each with the caret in its first control. whole: the
    // pages must show whole, with nothing to scroll; else the window is too small for some.
    const auto tabThroughEveryPage = [&](bool whole) {
        QStringList visited;
        bool scrolled = false;
        view.TabControl()->setCurrentIndex(4);
        for (int page = 0; page < 5; ++page) {
            view.SwitchPage(1);
            // A page made just now is laid out once the event loop turns.
            QCoreApplication::sendPostedEvents();
            QCOMPARE(view.TabControl()->currentIndex(), page);
            for (const QScrollArea* area : view.findChildren<QScrollArea*>()) {
                const bool scrolls =
                    area->isVisible() && (area->verticalScrollBar()->isVisible() ||
                                          area->horizontalScrollBar()->isVisible());
                // On the 1024 x 768 screen every page shows whole, the receipt page's form too.
                QVERIFY2(!whole || !scrolls, qPrintable(QStringLiteral("page %1").arg(page)));
                scrolled = scrolled || scrolls;
            }
            const TabWalk walk = TabThrough(view.Pages()[static_cast<std::size_t>(page)]);
            QVERIFY2(walk.outOfSight.isEmpty(), qPrintable(walk.outOfSight.join(' ')));
            visited << walk.visited;
            QVERIFY(WhollyInSight(frame.statusBar()));
        }
        for (const QString& name : lastOfTheirGroups) {
            QVERIFY2(visited.contains(name), qPrintable(name));
        }
        QCOMPARE(scrolled, !whole);
    };
    tabThroughEveryPage(true);
    if (QTest::currentTestFailed()) {
        return;
    }

    // Made as small as it goes, the window scrolls each control into sight as it takes the focus.
    frame.resize(frame.minimumSize());
    QCoreApplication::sendPostedEvents();
    QVERIFY(frame.width() <= 1024 && frame.height() <= 600);
    tabThroughEveryPage(false);
}

QTEST_MAIN(TestMainView)
#include "tst_main_view.moc"
