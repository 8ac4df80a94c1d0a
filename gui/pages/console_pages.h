#pragma once

#include <QString>

#include <functional>
#include <vector>

class COrvikServiceDoc;
class CUpdatableDialog;
class QWidget;

// A tab page as the main view creates it: the tab's title and how the page is made.
struct PageEntry {
    QString title;
    std::function<CUpdatableDialog*(COrvikServiceDoc* document, QWidget* view)> create;
};

// The console's five pages in tab order. The set is fixed for the whole run.
std::vector<PageEntry> ConsolePages();
