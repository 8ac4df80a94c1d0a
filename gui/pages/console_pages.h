#pragma once

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace orvik::gui {

class COrvikServiceDoc;
class CUpdatableDialog;

// A tab page as the main view creates it: the tab's title and how the page is made.
struct PageEntry {
    QString title;
    std::function<CUpdatableDialog*(COrvikServiceDoc* document, QWidget* view)> create;
};

// The console's five pages in tab order. The set is fixed for the whole run.
std::vector<PageEntry> ConsolePages();

}  // namespace orvik::gui
