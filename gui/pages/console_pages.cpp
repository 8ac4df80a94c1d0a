#include "gui/pages/console_pages.h"

#include "gui/controls/qt_text.h"
#include "gui/pages/tab_other_settings.h"
#include "gui/pages/tab_reports.h"
#include "gui/pages/tab_sales.h"
#include "gui/pages/tab_service_settings2.h"
#include "gui/pages/tab_terminal.h"

namespace orvik::gui {

namespace {

template <class Page>
PageEntry Entry(int titleId) {
    return PageEntry{LoadText(titleId), [](COrvikServiceDoc* document, QWidget* view) {
                         return static_cast<CUpdatableDialog*>(new Page(document, view));
                     }};
}

}  // namespace

std::vector<PageEntry> ConsolePages() {
    return {
        Entry<CTabOtherSettings>(kStrSettingsPageTitle),
        Entry<CTabServiceSettings2>(kStrSettings2PageTitle),
        Entry<CTabReports>(kStrReportsPageTitle),
        Entry<CTabSales>(kStrSalesPageTitle),
        Entry<CTabTerminal>(kStrTerminalPageTitle),
    };
}

}  // namespace orvik::gui
