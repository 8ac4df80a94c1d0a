#pragma once

#include <functional>
#include <vector>

class QWidget;

namespace orvik::gui {

class CMainFrame;

// One screenshot of a page for the documentation, taken by orvik-console-driver once it is
// connected to the simulated register (scripts/screenshots.sh).
struct PageShot {
    const char* file;  // written to the screenshot folder
    int tab;           // the page's place in the tab control, from 0
    // What a user would have done on the page before the picture (sample values typed in, a
    // button pressed); may be empty. The register is connected throughout.
    std::function<void(CMainFrame& frame, QWidget& page)> prepare;
};

// The rows of page_shots.cpp, in the order they are taken.
const std::vector<PageShot>& PageShots();

}  // namespace orvik::gui
