#include "gui/controls/auto_size_list_ctrl.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHeaderView>

#include <algorithm>
#include <cstdlib>

namespace orvik::gui {

namespace {
// The width used when the font tells nothing about its characters.
constexpr int kFallbackCharWidth = 12;
}  // namespace

int CharacterWidthFor(const std::optional<FontMeasure>& font) {
    int width = 0;
    if (font) {
        width = font->averageCharWidth;
        if (width <= 0) {
            width = std::abs(font->height) / 2;
        }
    }
    return width > 0 ? width : kFallbackCharWidth;
}

int WantedColumnWidth(int charWidth, int chars) {
    const int base = charWidth * chars;
    return base + base / 2;
}

CAutoSizeListCtrl::CAutoSizeListCtrl(QWidget* parent) : QTreeWidget(parent) {
    // Report style: flat rows, no expand decorations, several rows selectable at once, and no
    // last column stretched over the free space (its width is what the sizing decides).
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    header()->setStretchLastSection(false);

    QAbstractItemModel* rows = model();
    connect(rows, &QAbstractItemModel::rowsInserted, this, &CAutoSizeListCtrl::OnRowsChanged);
    connect(rows, &QAbstractItemModel::rowsRemoved, this, &CAutoSizeListCtrl::OnRowsChanged);
    connect(rows, &QAbstractItemModel::modelReset, this, &CAutoSizeListCtrl::OnRowsChanged);
}

CAutoSizeListCtrl::~CAutoSizeListCtrl() {
    // The base class empties the model after this object is gone; its signals must not reach
    // a half-destroyed list.
    disconnect(model(), nullptr, this, nullptr);
}

void CAutoSizeListCtrl::SetColumns(const QStringList& headers) {
    setColumnCount(static_cast<int>(headers.size()));
    setHeaderLabels(headers);
    AutoSizeColumns();
}

QTreeWidgetItem* CAutoSizeListCtrl::InsertRow(int row, const QStringList& texts,
                                              const QIcon& icon) {
    auto* item = new QTreeWidgetItem(texts);
    if (!icon.isNull()) {
        item->setIcon(0, icon);
    }
    const int count = topLevelItemCount();
    insertTopLevelItem(row < 0 || row > count ? count : row, item);
    return item;
}

QTreeWidgetItem* CAutoSizeListCtrl::AppendRow(const QStringList& texts, const QIcon& icon) {
    return InsertRow(-1, texts, icon);
}

bool CAutoSizeListCtrl::DeleteRow(int row) {
    if (row < 0 || row >= topLevelItemCount()) {
        return false;
    }
    delete takeTopLevelItem(row);
    return true;
}

void CAutoSizeListCtrl::DeleteAllRows() {
    clear();
}

void CAutoSizeListCtrl::SetFontMeasureSource(FontMeasureSource source) {
    m_fontMeasureSource = std::move(source);
    m_nCharWidth = -1;
}

void CAutoSizeListCtrl::AutoSizeColumns() {
    // A list that does not paint just now (its view suspends painting while it refreshes the
    // pages) is left alone: switching it off and on again would keep it off for good.
    const bool wasPainting = updatesEnabled();
    if (wasPainting) {
        setUpdatesEnabled(false);
    }

    const int charWidth = EnsureCharacterWidth();
    for (int column = 0; column < columnCount(); ++column) {
        const int longest = LongestTextInColumn(column);
        // Qt fits the column to the wider of its contents and its header text.
        resizeColumnToContents(column);
        const int wanted = orvik::gui::WantedColumnWidth(charWidth, longest);
        if (columnWidth(column) < wanted) {
            setColumnWidth(column, wanted);
        }
    }

    if (wasPainting) {
        setUpdatesEnabled(true);
    }
}

void CAutoSizeListCtrl::changeEvent(QEvent* event) {
    QTreeWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        // Widths measured in the old font would leave columns too narrow or too wide.
        m_nCharWidth = -1;
        if (columnCount() > 0) {
            AutoSizeColumns();
        }
    }
}

void CAutoSizeListCtrl::OnRowsChanged() {
    if (m_nBatchDepth > 0) {
        m_bSizingPending = true;
        return;
    }
    AutoSizeColumns();
}

int CAutoSizeListCtrl::EnsureCharacterWidth() {
    if (m_nCharWidth < 0) {
        m_nCharWidth = orvik::gui::CharacterWidthFor(m_fontMeasureSource ? m_fontMeasureSource()
                                                                         : MeasureOwnFont());
    }
    return m_nCharWidth;
}

int CAutoSizeListCtrl::LongestTextInColumn(int column) const {
    qsizetype longest = 0;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        longest = std::max(longest, topLevelItem(row)->text(column).size());
    }
    return static_cast<int>(longest);
}

std::optional<orvik::gui::FontMeasure> CAutoSizeListCtrl::MeasureOwnFont() const {
    const QFont& listFont = font();
    // The pixel size Qt actually uses is the character height a Windows font reports as a
    // negative height.
    return orvik::gui::FontMeasure{QFontMetrics(listFont).averageCharWidth(),
                                   -QFontInfo(listFont).pixelSize()};
}

CAutoSizeListCtrl::BatchUpdate::BatchUpdate(CAutoSizeListCtrl& list) : m_list(list) {
    ++m_list.m_nBatchDepth;
}

CAutoSizeListCtrl::BatchUpdate::~BatchUpdate() {
    if (--m_list.m_nBatchDepth == 0 && m_list.m_bSizingPending) {
        m_list.m_bSizingPending = false;
        m_list.AutoSizeColumns();
    }
}

}  // namespace orvik::gui
