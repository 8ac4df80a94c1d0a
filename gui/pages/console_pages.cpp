#include "gui/pages/console_pages.h"

#include "gui/pages/tab_other_settings.h"
#include "gui/pages/tab_reports.h"
#include "gui/pages/tab_sales.h"
#include "gui/pages/tab_service_settings2.h"
#include "gui/pages/tab_terminal.h"

namespace orvik::gui {

namespace {

template <class Page>
PageEntry Entry(const char16_t* title) {
    return PageEntry{QString::fromUtf16(title), [](COrvikServiceDoc* document, QWidget* view) {
                         return static_cast<CUpdatableDialog*>(new Page(document, view));
                     }};
}

}  // namespace

std::vector<PageEntry> ConsolePages() {
    return {
        Entry<CTabOtherSettings>(u"Установки ЭККР"),
        Entry<CTabServiceSettings2>(u"Установки ЭККР 2"),
        Entry<CTabReports>(u"Отчеты"),
        Entry<CTabSales>(u"Печать чеков"),
        Entry<CTabTerminal>(u"Терминал"),
    };
}

}  // namespace orvik::gui
