#pragma once

#include <QIcon>
#include <QStringList>
#include <QTreeWidget>

#include <functional>
#include <optional>

namespace orvik::gui {

// What the list reads of its font to size its columns: the average character width, and the
// font height in the Windows sense, where a negative height is the height of the characters
// alone (-13 is a 13-pixel character).
struct FontMeasure {
    int averageCharWidth = 0;
    int height = 0;
};

// The pixels one character of a column is given: the average character width; where the font
// reports none, half the character height; where that is nothing either (or the font cannot
// be read at all), 12.
int CharacterWidthFor(const std::optional<FontMeasure>& font);

// The width a column needs for a longest text of `chars` characters: one and a half character
// widths per character.
int WantedColumnWidth(int charWidth, int chars);

// A list in report style (columns, a header, several rows selectable, an icon per row) that
// widens its columns to their contents after every insertion and deletion of rows.
//
// Rows added or removed in any way (the helpers below or QTreeWidget's own calls) resize the
// columns. A page that adds many rows at once wraps the work in a BatchUpdate so that the
// columns are sized once at its end.
class CAutoSizeListCtrl : public QTreeWidget {
    Q_OBJECT

  public:
    // Reads the font measure; nullopt when the font cannot be read.
    using FontMeasureSource = std::function<std::optional<orvik::gui::FontMeasure>()>;

    explicit CAutoSizeListCtrl(QWidget* parent = nullptr);
    ~CAutoSizeListCtrl() override;

    // Replaces the columns by one per header text.
    void SetColumns(const QStringList& headers);

    // Inserts a row before `row` (at the end when `row` is negative or past the end), with one
    // text per column and an icon shown in the first column.
    QTreeWidgetItem* InsertRow(int row, const QStringList& texts, const QIcon& icon = QIcon());
    QTreeWidgetItem* AppendRow(const QStringList& texts, const QIcon& icon = QIcon());
    // Deletes the row; false when there is no such row.
    bool DeleteRow(int row);
    void DeleteAllRows();
    int RowCount() const { return topLevelItemCount(); }

    // Fits every column to the wider of what Qt needs for its contents and header and one and a
    // half character widths per character of its longest text. Painting is suspended meanwhile.
    void AutoSizeColumns();

    // The cached character width in pixels; -1 until the columns were first sized.
    int CharacterWidth() const { return m_nCharWidth; }

    // Where the font measure comes from; by default the list's own font.
    void SetFontMeasureSource(FontMeasureSource source);

    // While one exists, insertions and deletions do not size the columns; the last one to end
    // sizes them once if anything changed.
    class BatchUpdate {
      public:
        explicit BatchUpdate(CAutoSizeListCtrl& list);
        ~BatchUpdate();
        BatchUpdate(const BatchUpdate&) = delete;
        BatchUpdate& operator=(const BatchUpdate&) = delete;

      private:
        CAutoSizeListCtrl& m_list;
    };

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void OnRowsChanged();
    int EnsureCharacterWidth();
    int LongestTextInColumn(int column) const;
    std::optional<orvik::gui::FontMeasure> MeasureOwnFont() const;

    int m_nCharWidth = -1;
    FontMeasureSource m_fontMeasureSource;
    int m_nBatchDepth = 0;
    bool m_bSizingPending = false;
};

}  // namespace orvik::gui
