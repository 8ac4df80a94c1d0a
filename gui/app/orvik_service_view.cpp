#include "gui/app/orvik_service_view.h"

#include <QKeySequence>
#include <QShortcut>
#include <QStackedLayout>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/app/console_resources.h"
#include "gui/controls/raw_picture.h"
#include "gui/document/orvik_service_doc.h"
#include "gui/pages/updatable_dialog.h"
#include "ui_contact_panel.h"

namespace orvik::gui {

namespace {

// Painting of a widget stays off while the object lives, even if a page throws.
class PaintingSuspended {
  public:
    explicit PaintingSuspended(QWidget* widget)
        : m_widget(widget), m_wasEnabled(widget->updatesEnabled()) {
        m_widget->setUpdatesEnabled(false);
    }
    ~PaintingSuspended() { m_widget->setUpdatesEnabled(m_wasEnabled); }
    PaintingSuspended(const PaintingSuspended&) = delete;
    PaintingSuspended& operator=(const PaintingSuspended&) = delete;

  private:
    QWidget* m_widget;
    bool m_wasEnabled;
};

// The two faces, one above the other. The window keeps one size whichever face and page show,
// whether the pages are made yet or not: the largest size any of them asks for. A stacked
// layout holding a widget whose text wraps would instead ask each face for its height at the
// window's width, and a page reports that only while it shows and once it is made, so the
// window would change size at connect and from page to page.
class FacesLayout : public QStackedLayout {
  public:
    bool hasHeightForWidth() const override { return false; }
};

}  // namespace

COrvikServiceView::COrvikServiceView(COrvikServiceDoc* document, std::vector<PageEntry> pages,
                                     QWidget* parent)
    : QWidget(parent),
      m_pDocument(document),
      m_ui(new Ui::ContactPanel),
      m_contactPanel(new QWidget(this)),
      m_tabs(new QTabWidget(this)),
      m_faces(new FacesLayout) {
    InitConsoleResources();
    m_ui->setupUi(m_contactPanel);
    m_ui->pictureLabel->setPixmap(ResourcePicture(QStringLiteral(":/images/contact_picture.ppm")));
    // The text column stands as tall as the picture beside it, the two centred in the face.
    m_ui->contactFrame->setMaximumHeight(m_ui->pictureLabel->sizeHint().height());
    m_ui->webLink->SetURL(QString::fromUtf16(kWebTarget));
    m_ui->emailLink->SetURL(QString::fromUtf16(kMailTarget));

    m_tabs->setObjectName(QStringLiteral("tabControl"));
    // The two faces share the view's whole area, a small margin inside its edges.
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(7, 6, 7, 6);
    frame->addLayout(m_faces);
    m_faces->addWidget(m_contactPanel);
    m_faces->addWidget(m_tabs);

    CreatePages(pages);
    CreatePageShortcuts();
    UpdatePageVisibility();
    connect(m_pDocument, &COrvikServiceDoc::ViewsUpdateRequested, this,
            &COrvikServiceView::OnUpdate);
}

COrvikServiceView::~COrvikServiceView() {
    delete m_ui;
}

void COrvikServiceView::CreatePages(const std::vector<PageEntry>& pages) {
    m_tabs->clear();
    for (const PageEntry& entry : pages) {
        CUpdatableDialog* page = entry.create(m_pDocument, this);
        // The tab control takes the page over; the first tab's page is the one shown.
        m_tabs->addTab(page, entry.title);
        m_pages.push_back(page);
    }
    if (!m_pages.empty()) {
        m_tabs->setCurrentIndex(0);
    }
}

void COrvikServiceView::CreatePageShortcuts() {
    // The tab control knows these keys only while the focus is inside it; as shortcuts of the
    // window they work from the connection bar as well.
    const struct {
        QKeyCombination key;
        int step;
    } keys[] = {
        {Qt::CTRL | Qt::Key_Tab, 1},
        {Qt::CTRL | Qt::Key_PageDown, 1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
        {Qt::CTRL | Qt::Key_PageUp, -1},
    };
    for (const auto& [key, step] : keys) {
        auto* shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, step = step] { SwitchPage(step); });
    }
}

void COrvikServiceView::SwitchPage(int step) {
    const int count = m_tabs->count();
    if (!m_tabs->isVisible() || count == 0) {
        return;
    }
    m_tabs->setCurrentIndex(((m_tabs->currentIndex() + step) % count + count) % count);
    // The first control of the page that takes the keyboard, in the page's tab order.
    QWidget* page = m_tabs->currentWidget();
    for (QWidget* next = page->nextInFocusChain(); next != page; next = next->nextInFocusChain()) {
        if (page->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) && next->isEnabled() &&
            next->isVisible()) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    m_tabs->tabBar()->setFocus(Qt::TabFocusReason);
}

void COrvikServiceView::UpdatePageVisibility() {
    const bool connected = m_pDocument->IsConnected();
    m_faces->setCurrentWidget(connected ? static_cast<QWidget*>(m_tabs) : m_contactPanel);
}

void COrvikServiceView::OnUpdate() {
    const PaintingSuspended suspended(this);
    UpdatePageVisibility();
    if (!m_pDocument->IsConnected()) {
        return;
    }
    // Every page, in tab order; a page that fails or takes long only delays the next ones.
    for (CUpdatableDialog* page : m_pages) {
        page->UpdateDialog();
    }
}

}  // namespace orvik::gui
