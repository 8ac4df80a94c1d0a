#include "gui/app/orvik_service_view.h"

#include <QStackedLayout>
#include <QTabWidget>
#include <QVBoxLayout>

#include "gui/app/console_resources.h"
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

}  // namespace

COrvikServiceView::COrvikServiceView(COrvikServiceDoc* document, std::vector<PageEntry> pages,
                                     QWidget* parent)
    : QWidget(parent),
      m_pDocument(document),
      m_ui(new Ui::ContactPanel),
      m_contactPanel(new QWidget(this)),
      m_tabs(new QTabWidget(this)),
      m_faces(new QStackedLayout) {
    InitConsoleResources();
    m_ui->setupUi(m_contactPanel);
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
