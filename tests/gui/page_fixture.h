#pragma once

#include <QAbstractButton>
#include <QTabWidget>
#include <QTest>

#include <string>
#include <vector>

#include "gui/app/orvik_service_view.h"
#include "support/local_time.h"
#include "tests/gui/console_harness.h"

// The console connected to a simulated register and showing one of its pages. The cores it
// makes tell the time of a fixed day, so that dates and clock fall-backs are known.
template <class Page>
class PageFixture {
  public:
    PageFixture(ConsoleRegister kind, int pageIndex)
        : console(std::move(kind)), m_index(pageIndex) {
        console.Document().SetCoreFactory([this] {
            auto core = std::make_unique<orvik::device::COrvikCore>();
            core->SetLocalClock([this] { return today; });
            return core;
        });
    }

    bool Start(QString* error) {
        if (!console.Start(error)) {
            return false;
        }
        page = qobject_cast<Page*>(console.Frame().View()->Pages().at(m_index));
        if (!page) {
            *error = QStringLiteral("page %1 is not the one under test").arg(m_index);
            return false;
        }
        return true;
    }

    // Connects with Enter and selects the page; the commands of the connection are forgotten.
    bool ConnectAndShow() {
        if (!console.ConnectWithEnter()) {
            return false;
        }
        console.Frame().View()->TabControl()->setCurrentIndex(m_index);
        NewCommands();
        return page->isVisible();
    }

    template <class Widget = QWidget>
    Widget* Find(const char* name) const {
        return page->template findChild<Widget*>(QString::fromLatin1(name));
    }

    void Click(const char* button) {
        auto* widget = Find<QAbstractButton>(button);
        QVERIFY2(widget, button);
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    // Every command the register has received since the last call.
    std::vector<std::u16string> NewCommands() {
        const auto all = console.Register().Activity().Commands();
        std::vector<std::u16string> fresh(all.begin() + static_cast<std::ptrdiff_t>(m_seen),
                                          all.end());
        m_seen = all.size();
        return fresh;
    }

    // The boxes the console showed since the last call, as "information: text" and so on.
    QStringList NewBoxes() {
        QStringList boxes;
        for (const auto& entry : console.messages.entries) {
            const char* icon = entry.icon == RecordingMessages::Icon::Information ? "information"
                               : entry.icon == RecordingMessages::Icon::Warning   ? "warning"
                                                                                  : "error";
            boxes << QString::fromLatin1(icon) + QStringLiteral(": ") + entry.text;
        }
        console.messages.entries.clear();
        return boxes;
    }

    // The day the register's core takes for today: 15 March 2025, 10:20:30.
    orvik::support::LocalDateTime today{2025, 3, 15, 10, 20, 30};
    ConsoleHarness console;
    Page* page = nullptr;

  private:
    int m_index;
    std::size_t m_seen = 0;
};

// Starts the window, connects and shows the page, or fails the test. Arguments after the
// fixture go to its Start.
#define START_PAGE(fixture, ...)                                                                   \
    do {                                                                                           \
        QString startError;                                                                        \
        QVERIFY2((fixture).Start(&startError __VA_OPT__(, ) __VA_ARGS__), qPrintable(startError)); \
        QVERIFY((fixture).ConnectAndShow());                                                       \
    } while (false)

// The commands as one readable line, for comparisons.
inline QStringList Texts(const std::vector<std::u16string>& commands) {
    QStringList texts;
    for (const auto& command : commands) {
        texts << QString::fromStdU16String(command);
    }
    return texts;
}
