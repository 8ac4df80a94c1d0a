#pragma once

#include <QWidget>

#include <vector>

#include "gui/pages/console_pages.h"

namespace Ui {
class ContactPanel;
}

class QScrollArea;
class QStackedLayout;
class QTabWidget;

namespace orvik::gui {

class COrvikServiceDoc;
class CUpdatableDialog;

// The main window's client area. Disconnected it shows the contact panel (a picture, the
// supplier's address and telephones, a mail and a web link); connected it shows the tab control
// with the device pages. The pages are created once, in tab order, and live as long as the
// view; after every connect each page is refreshed from the register, in tab order.
//
// The faces scroll in a window smaller than they are (one the user made smaller, or on a small
// screen), and the scroll area follows the keyboard: a control that takes the focus is scrolled
// into sight, so that Tab reaches every control of a page.
class COrvikServiceView : public QWidget {
    Q_OBJECT

  public:
    // The supplier's addresses behind the two links of the contact panel.
    static constexpr char16_t kWebTarget[] = u"https://orvik.example/";
    static constexpr char16_t kMailTarget[] = u"mailto:support@orvik.example";

    COrvikServiceView(COrvikServiceDoc* document, std::vector<PageEntry> pages,
                      QWidget* parent = nullptr);
    ~COrvikServiceView() override;
    COrvikServiceView(const COrvikServiceView&) = delete;
    COrvikServiceView& operator=(const COrvikServiceView&) = delete;

    // Shows exactly one face: the tab control while the document holds a core, the contact
    // panel otherwise. The pages' own shown or hidden state is left alone.
    void UpdatePageVisibility();
    // The document's notification: the face is re-derived and, while connected, every page is
    // refreshed in tab order with painting suspended.
    void OnUpdate();

    // Ctrl+Tab and Ctrl+PgDown (forward; Ctrl+Shift+Tab and Ctrl+PgUp back) switch pages from
    // anywhere in the window, the connection bar included, while the pages are shown; the
    // caret goes to the first control of the page.
    void SwitchPage(int step);

    QTabWidget* TabControl() const { return m_tabs; }
    // The scroll area the faces lie in.
    QScrollArea* Scroller() const { return m_scroller; }
    QWidget* ContactPanel() const { return m_contactPanel; }
    const std::vector<CUpdatableDialog*>& Pages() const { return m_pages; }

  private:
    void CreatePages(const std::vector<PageEntry>& pages);
    void CreatePageShortcuts();
    // Brings a control that took the focus into sight: in the scroll areas around it, the
    // innermost first (the receipt page scrolls its form inside the view's own).
    void FollowFocus(QWidget* focus);

    COrvikServiceDoc* m_pDocument;
    Ui::ContactPanel* m_ui;
    QWidget* m_contactPanel;
    QTabWidget* m_tabs;
    QScrollArea* m_scroller;
    QStackedLayout* m_faces;
    QMetaObject::Connection m_focusFollower;
    std::vector<CUpdatableDialog*> m_pages;  // owned by the tab control; index = tab index
};

}  // namespace orvik::gui
