#include "gui/app/orvik_service_view.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeySequence>
#include <QPainter>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedLayout>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "gui/app/console_resources.h"
#include "gui/controls/qt_text.h"
#include "gui/controls/raw_picture.h"
#include "gui/document/orvik_service_doc.h"
#include "gui/pages/updatable_dialog.h"
#include "ui_contact_panel.h"

namespace orvik::gui {

namespace {

// The contact picture with its caption (the register's name and what it is) in the console's
// language. The picture holds the Russian caption; for another language the caption's band of
// the background (a gradient from top to bottom, so one colour a row) is painted again and the
// caption written over it as the picture writes it.
QPixmap ContactPicture() {
    QPixmap stored = ResourcePicture(QStringLiteral(":/images/contact_picture.ppm"));
    if (CurrentLanguage() == Language::Russian || stored.isNull()) {
        return stored;
    }
    // A picture of its own: the stored one lies in the program's read-only memory.
    QImage picture = stored.toImage().convertToFormat(QImage::Format_RGB32);
    constexpr int kBandTop = 370;
    const int bandBottom = std::min(450, picture.height());
    QPainter painter(&picture);
    for (int y = kBandTop; y < bandBottom; ++y) {
        painter.setPen(picture.pixelColor(0, y));
        painter.drawLine(0, y, picture.width() - 1, y);
    }
    painter.setRenderHint(QPainter::TextAntialiasing);
    const auto caption = [&](const QString& text, int pixels, bool bold, QColor colour,
                             int baseline) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(pixels);
        font.setBold(bold);
        painter.setFont(font);
        painter.setPen(colour);
        const int width = QFontMetrics(font).horizontalAdvance(text);
        painter.drawText((picture.width() - width) / 2, baseline, text);
    };
    caption(LoadText(kStrPromptTitle), 34, true, QColor(0x22, 0x46, 0x6b), 408);
    caption(LoadText(kStrPictureCaption), 15, false, QColor(0x4b, 0x67, 0x84), 438);
    painter.end();
    return QPixmap::fromImage(picture);
}

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

// The two faces, one above the other. They ask for one size whichever face and page show,
// whether the pages are made yet or not: the largest size any of them asks for. A stacked
// layout holding a widget whose text wraps would instead ask each face for its height at the
// window's width, and a page reports that only while it shows and once it is made, so what the
// view asks for (and where it starts to scroll) would change at connect and from page to page.
class FacesLayout : public QStackedLayout {
  public:
    bool hasHeightForWidth() const override { return false; }
};

// The scroll area asks for all it holds, so that a window with the room opens showing the faces
// whole; a plain scroll area asks for a few dozen lines of text at most. What it holds asks
// anew as pages are added and made.
class FacesScroller : public QScrollArea {
  public:
    using QScrollArea::QScrollArea;
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == widget() && event->type() == QEvent::LayoutRequest) {
            updateGeometry();
        }
        return QScrollArea::eventFilter(watched, event);
    }
};

// How much of what lies around a control comes into sight with it, in pixels.
constexpr int kFocusMargin = 12;

// The view is never made lower than this: with the bars, a window of about 480 pixels, the
// tab row and much of a page in sight.
constexpr int kSmallestHeight = 400;

}  // namespace

COrvikServiceView::COrvikServiceView(COrvikServiceDoc* document, std::vector<PageEntry> pages,
                                     QWidget* parent)
    : QWidget(parent),
      m_pDocument(document),
      m_ui(new Ui::ContactPanel),
      m_contactPanel(new QWidget(this)),
      m_tabs(new QTabWidget(this)),
      m_scroller(new FacesScroller(this)),
      m_faces(new FacesLayout) {
    InitConsoleResources();
    m_ui->setupUi(m_contactPanel);
    m_ui->pictureLabel->setPixmap(ContactPicture());
    // The text column stands as tall as the picture beside it, the two centred in the face.
    m_ui->contactFrame->setMaximumHeight(m_ui->pictureLabel->sizeHint().height());
    m_ui->webLink->SetURL(QString::fromUtf16(kWebTarget));
    m_ui->emailLink->SetURL(QString::fromUtf16(kMailTarget));

    m_tabs->setObjectName(QStringLiteral("tabControl"));
    // The scroll area fills the view; it takes no focus itself, so Tab goes from the last
    // control of a page straight on to the connection bar.
    m_scroller->setObjectName(QStringLiteral("viewScroller"));
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setFocusPolicy(Qt::NoFocus);
    m_scroller->setWidgetResizable(true);
    m_scroller->setMinimumHeight(kSmallestHeight);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_scroller);
    // The two faces share the scroll area's whole area, a small margin inside its edges.
    auto* faces = new QWidget;
    auto* frame = new QVBoxLayout(faces);
    frame->setContentsMargins(7, 6, 7, 6);
    frame->addLayout(m_faces);
    m_faces->addWidget(m_contactPanel);
    m_faces->addWidget(m_tabs);
    m_scroller->setWidget(faces);

    CreatePages(pages);
    CreatePageShortcuts();
    UpdatePageVisibility();
    // The sizes asked while the pages were being added are asked anew now that they are all in
    // place: the view is not shown yet, so nothing else tells its layouts.
    frame->invalidate();
    m_scroller->updateGeometry();
    outer->invalidate();
    connect(m_pDocument, &COrvikServiceDoc::ViewsUpdateRequested, this,
            &COrvikServiceView::OnUpdate);
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        m_focusFollower = connect(app, &QApplication::focusChanged, this,
                                  [this](QWidget*, QWidget* now) { FollowFocus(now); });
    }
}

COrvikServiceView::~COrvikServiceView() {
    // The controls are deleted after this body has run, and the focus moves as they go.
    disconnect(m_focusFollower);
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

void COrvikServiceView::FollowFocus(QWidget* focus) {
    if (!focus || !m_scroller->widget()->isAncestorOf(focus)) {
        return;
    }
    for (QWidget* above = focus->parentWidget(); above; above = above->parentWidget()) {
        auto* area = qobject_cast<QScrollArea*>(above);
        if (!area || !area->widget() || !area->widget()->isAncestorOf(focus)) {
            continue;
        }
        // The whole control where it fits, else its top left; the corner last, so it wins.
        const QRect place(focus->mapTo(area->widget(), QPoint(0, 0)), focus->size());
        area->ensureVisible(place.right(), place.bottom(), kFocusMargin, kFocusMargin);
        area->ensureVisible(place.left(), place.top(), kFocusMargin, kFocusMargin);
        if (area == m_scroller) {
            return;
        }
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
