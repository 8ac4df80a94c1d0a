#include <QHeaderView>
#include <QtTest>

#include <optional>

#include "gui/controls/auto_size_list_ctrl.h"

using namespace orvik::gui;

using orvik::gui::FontMeasure;

namespace {

// A font that reports no average width and a 13-pixel character height: 6 pixels a character.
std::optional<FontMeasure> ThirteenPixelFontWithoutWidth() {
    return FontMeasure{0, -13};
}

// The width Qt alone gives the column, for its contents and header.
int NaturalWidth(CAutoSizeListCtrl& list, int column) {
    list.resizeColumnToContents(column);
    return list.columnWidth(column);
}

}  // namespace

class TestAutoSizeListCtrl : public QObject {
    Q_OBJECT

  private slots:
    void characterWidth_data();
    void characterWidth();
    void emptyListSizesColumnsToHeadersOnly();
    void columnsTakeOneAndAHalfCharacterWidthsPerCharacter();
    void deletingTheLongestRowNarrowsTheColumn();
    void characterWidthIsMeasuredOnceUntilTheFontChanges();
    void batchSizesOnceAtItsEnd();
    void rowHelpersPlaceAndRemoveRows();
};

void TestAutoSizeListCtrl::characterWidth_data() {
    QTest::addColumn<bool>("readable");
    QTest::addColumn<int>("averageWidth");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("expected");

    QTest::newRow("average width wins") << true << 7 << -13 << 7;
    QTest::newRow("no width, character height 13") << true << 0 << -13 << 6;
    QTest::newRow("no width, cell height 13") << true << 0 << 13 << 6;
    QTest::newRow("negative width counts as none") << true << -3 << -16 << 8;
    QTest::newRow("height too small for a half") << true << 0 << -1 << 12;
    QTest::newRow("nothing known") << true << 0 << 0 << 12;
    QTest::newRow("font cannot be read") << false << 0 << 0 << 12;
}

void TestAutoSizeListCtrl::characterWidth() {
    QFETCH(bool, readable);
    QFETCH(int, averageWidth);
    QFETCH(int, height);
    QFETCH(int, expected);

    const std::optional<FontMeasure> font =
        readable ? std::optional<FontMeasure>(FontMeasure{averageWidth, height}) : std::nullopt;
    QCOMPARE(orvik::gui::CharacterWidthFor(font), expected);
}

void TestAutoSizeListCtrl::emptyListSizesColumnsToHeadersOnly() {
    CAutoSizeListCtrl list;
    list.SetFontMeasureSource(ThirteenPixelFontWithoutWidth);
    list.SetColumns({"№", "Наименование товара", ""});
    list.AutoSizeColumns();

    for (int column = 0; column < list.columnCount(); ++column) {
        QCOMPARE(list.columnWidth(column), list.header()->sectionSizeHint(column));
    }
    QVERIFY(list.columnWidth(1) > list.columnWidth(0));
}

void TestAutoSizeListCtrl::columnsTakeOneAndAHalfCharacterWidthsPerCharacter() {
    CAutoSizeListCtrl list;
    QFont small = list.font();
    small.setPixelSize(8);
    list.setFont(small);
    list.SetFontMeasureSource(ThirteenPixelFontWithoutWidth);
    list.SetColumns({"A", "B"});
    list.AppendRow({"0123456789", "abc"});
    list.AppendRow({"01234", "abcdefghijklmnopqrst"});

    QCOMPARE(list.CharacterWidth(), 6);
    QVERIFY2(list.columnWidth(0) >= 90, qPrintable(QString::number(list.columnWidth(0))));
    QVERIFY(list.columnWidth(1) >= 180);

    // Where Qt alone would make the column narrower, the character rule decides its width.
    const int natural = NaturalWidth(list, 0);
    QVERIFY2(natural < 90, "the test font should be narrower than the character rule");
    const int naturalSecond = NaturalWidth(list, 1);
    list.AutoSizeColumns();
    QCOMPARE(list.columnWidth(0), 90);
    QCOMPARE(list.columnWidth(1), std::max(naturalSecond, 180));
}

void TestAutoSizeListCtrl::deletingTheLongestRowNarrowsTheColumn() {
    CAutoSizeListCtrl list;
    list.SetFontMeasureSource(ThirteenPixelFontWithoutWidth);
    list.SetColumns({"Строка"});
    list.AppendRow({"короткая"});
    const int narrow = list.columnWidth(0);
    list.AppendRow({QString(40, QChar(u'Ж'))});
    QVERIFY(list.columnWidth(0) >= 360);

    QVERIFY(list.DeleteRow(1));
    QCOMPARE(list.columnWidth(0), narrow);

    list.DeleteAllRows();
    QCOMPARE(list.columnWidth(0), list.header()->sectionSizeHint(0));
}

void TestAutoSizeListCtrl::characterWidthIsMeasuredOnceUntilTheFontChanges() {
    CAutoSizeListCtrl list;
    int measured = 0;
    list.SetFontMeasureSource([&measured] {
        ++measured;
        return std::optional<FontMeasure>(FontMeasure{5, -13});
    });
    QCOMPARE(list.CharacterWidth(), -1);

    list.SetColumns({"Время", "Текст"});
    for (int row = 0; row < 5; ++row) {
        list.AppendRow({"12:00:00", QString(row * 3, QChar(u'x'))});
    }
    list.DeleteRow(0);
    list.AutoSizeColumns();
    QCOMPARE(measured, 1);
    QCOMPARE(list.CharacterWidth(), 5);

    QFont larger = list.font();
    larger.setPixelSize(QFontInfo(list.font()).pixelSize() + 6);
    list.setFont(larger);
    QCOMPARE(measured, 2);
    list.AppendRow({"12:00:01", "после смены шрифта"});
    QCOMPARE(measured, 2);
}

void TestAutoSizeListCtrl::batchSizesOnceAtItsEnd() {
    CAutoSizeListCtrl list;
    list.SetFontMeasureSource(ThirteenPixelFontWithoutWidth);
    list.SetColumns({"Текст нижней строки"});
    const int headerOnly = list.columnWidth(0);
    {
        CAutoSizeListCtrl::BatchUpdate batch(list);
        for (int row = 0; row < 50; ++row) {
            list.AppendRow({QString(row, QChar(u'w'))});
        }
        QCOMPARE(list.columnWidth(0), headerOnly);
    }
    QVERIFY(list.columnWidth(0) >= 6 * 49 + 3 * 49);
    QVERIFY(list.updatesEnabled());
}

void TestAutoSizeListCtrl::rowHelpersPlaceAndRemoveRows() {
    CAutoSizeListCtrl list;
    list.SetColumns({"Журнал"});
    list.AppendRow({"b"});
    list.InsertRow(0, {"a"}, list.style()->standardIcon(QStyle::SP_ArrowRight));
    list.InsertRow(99, {"c"});

    QCOMPARE(list.RowCount(), 3);
    QCOMPARE(list.topLevelItem(0)->text(0), QStringLiteral("a"));
    QCOMPARE(list.topLevelItem(2)->text(0), QStringLiteral("c"));
    QVERIFY(!list.topLevelItem(0)->icon(0).isNull());
    QVERIFY(list.topLevelItem(1)->icon(0).isNull());

    QVERIFY(!list.DeleteRow(-1));
    QVERIFY(!list.DeleteRow(3));
    QVERIFY(list.DeleteRow(1));
    QCOMPARE(list.topLevelItem(1)->text(0), QStringLiteral("c"));
    QCOMPARE(list.selectionMode(), QAbstractItemView::ExtendedSelection);
}

QTEST_MAIN(TestAutoSizeListCtrl)
#include "tst_auto_size_list_ctrl.moc"
