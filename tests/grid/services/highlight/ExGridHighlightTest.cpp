#include "grid/engine/ExGrid.h"
#include "grid/foundation/cellstore/BaseGrid.h"
#include "platform/ui/paint/Colors.h"

#include <QtGui/QImage>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

// A grid of one data column below a fixed row, with the given texts from row 1.
void texts(TExStringGrid& grid, const std::vector<QString>& values)
{
    grid.SetColCount(2);
    grid.SetRowCount(int(values.size()) + 1);
    for (int r = 0; r < int(values.size()); ++r)
        grid.SetCells(1, r + 1, values[size_t(r)]);
}

// The texts that must come back exactly from every tagging and its removal.
const std::vector<QString> awkwardTexts = {
    QStringLiteral("&amp;"),    QStringLiteral("&lt;"),        QStringLiteral("A & B"),
    QStringLiteral("<B>x</B>"), QStringLiteral("say \"hi\""),   QStringLiteral("a<b>c"),
    QStringLiteral("&lt;hi&gt;"), QStringLiteral("Ab ab AB"), QString(),
};

} // namespace

// ---- single texts -----------------------------------------------------------------------------

TEST(ExGridHighlightText, WrapsEveryOccurrenceAndRemovesTheTagsAgain)
{
    const struct {
        QString text, search;
        bool doCase;
        QString highlighted;
    } cases[] = {
        {"Total", "tot", false, "<hi>Tot</hi>al"},
        {"Total", "tot", true, "Total"},
        {"abab", "ab", false, "<hi>ab</hi><hi>ab</hi>"},
        {"aaa", "aa", false, "<hi>aa</hi>a"},
        {"<b>Total</b>", "al", false, "<b>Tot<hi>al</hi></b>"},
        {"Total", "", false, "Total"},
    };
    for (const auto& k : cases) {
        const QString highlighted = TExStringGrid::HilightText(k.doCase, k.text, k.search);
        EXPECT_EQ(highlighted, k.highlighted) << k.text.toStdString() << " / " << k.search.toStdString();
        EXPECT_EQ(TExStringGrid::UnHilightText(highlighted), k.text);
        const QString marked = TExStringGrid::MarkText(k.doCase, k.text, k.search);
        EXPECT_EQ(TExStringGrid::UnMarkText(marked), k.text);
    }
    EXPECT_EQ(TExStringGrid::MarkText(false, "Total", "tot"), "<e>Tot</e>al");
    EXPECT_EQ(TExStringGrid::UnHilightText("&lt;x&gt; <HI>y</Hi>"), "<x> y") << "tags in any case, brackets back";
    EXPECT_EQ(TExStringGrid::UnMarkText("<hi>y</hi><E>z</e>"), "<hi>y</hi>z");
}

// ---- cells --------------------------------------------------------------------------------------

TEST(ExGridHighlightCells, ACellGetsItsOccurrencesTaggedAsMarkup)
{
    TExStringGrid grid;
    texts(grid, {"Total", "A & Total"});
    grid.HilightInCell(false, 1, 1, QStringLiteral("tot"));
    EXPECT_EQ(grid.Cells(1, 1), "<hi>Tot</hi>al");
    grid.HilightInCell(true, 1, 2, QStringLiteral("tot"));
    EXPECT_EQ(grid.Cells(1, 2), "A & Total") << "no occurrence with the case: the cell is not rewritten";
    grid.MarkInCell(false, 1, 2, QStringLiteral("& t"));
    EXPECT_EQ(grid.Cells(1, 2), "A <e>&amp; T</e>otal") << "the search is escaped as the text is";
    grid.UnHilightInCell(1, 1);
    grid.UnMarkInCell(1, 2);
    EXPECT_EQ(grid.Cells(1, 1), "Total");
    EXPECT_EQ(grid.Cells(1, 2), "A & Total");
}

TEST(ExGridHighlightCells, TaggingThenUntaggingGivesEveryTextBackExactly)
{
    const QString searches[] = {"&", "<", "B", "x", "amp", "lt", "hi", "\"", "ab", "zzz"};
    for (const QString& search : searches) {
        TExStringGrid grid;
        texts(grid, awkwardTexts);
        grid.HilightInGrid(false, false, search);
        grid.MarkInGrid(false, true, search);
        grid.UnHilightInGrid(false);
        grid.UnMarkInGrid(false);
        for (int r = 0; r < int(awkwardTexts.size()); ++r)
            EXPECT_EQ(grid.Cells(1, r + 1), awkwardTexts[size_t(r)]) << "searching " << search.toStdString();
    }
}

TEST(ExGridHighlightCells, OnlyCellsWithAnOccurrenceAreRewritten)
{
    TExStringGrid grid;
    texts(grid, {"A & B", "<B>x</B>", "ab"});
    grid.HilightInGrid(false, true, QStringLiteral("b"));
    EXPECT_EQ(grid.Cells(1, 1), "A & B") << "no occurrence with the case: stays plain";
    EXPECT_EQ(grid.Cells(1, 2), "<B>x</B>") << "stays plain, its tags still act";
    EXPECT_EQ(grid.Cells(1, 3), "a<hi>b</hi>");
    grid.HilightInGrid(false, false, QStringLiteral("x"));
    EXPECT_EQ(grid.Cells(1, 2), "&lt;B&gt;<hi>x</hi>&lt;/B&gt;");
    grid.HilightInGrid(false, false, QStringLiteral("b"));
    EXPECT_EQ(grid.Cells(1, 1), "A &amp; <hi>B</hi>");
}

TEST(ExGridHighlightCells, ARemovalTouchesOnlyItsTagAndUnescapesWhenNoTagIsLeft)
{
    TExStringGrid grid;
    texts(grid, {"Tom & Jerry", "&lt;plain&gt;"});
    grid.HilightInCell(false, 1, 1, QStringLiteral("Tom"));
    grid.MarkInCell(false, 1, 1, QStringLiteral("Jerry"));
    EXPECT_EQ(grid.Cells(1, 1), "<hi>Tom</hi> &amp; <e>Jerry</e>");

    grid.UnHilightInGrid(false);
    EXPECT_EQ(grid.Cells(1, 1), "Tom &amp; <e>Jerry</e>") << "the mark stays, so the text stays escaped";
    EXPECT_EQ(grid.Cells(1, 2), "&lt;plain&gt;") << "a cell without the tag is left as it is";
    grid.UnMarkInGrid(false);
    EXPECT_EQ(grid.Cells(1, 1), "Tom & Jerry");
    EXPECT_EQ(grid.Cells(1, 2), "&lt;plain&gt;");
}

TEST(ExGridHighlightCells, TaggingTwiceNeedsOneRemoval)
{
    TExStringGrid grid;
    texts(grid, {"a & b"});
    grid.HilightInCell(false, 1, 1, QStringLiteral("a"));
    grid.HilightInCell(false, 1, 1, QStringLiteral("b"));
    EXPECT_EQ(grid.Cells(1, 1), "<hi>a</hi> &amp; <hi>b</hi>");
    grid.UnHilightInCell(1, 1);
    EXPECT_EQ(grid.Cells(1, 1), "a & b");
}

TEST(ExGridHighlightCells, TheStoredTextIsTaggedNeverTheDisplayText)
{
    TExStringGrid grid;
    texts(grid, {"12", "7"});
    grid.OnGetDisplText = [](TObject*, int, int ARow, QString& Value) {
        if (ARow > 0)
            Value = "$ " + Value;
    };
    grid.HilightInCol(false, false, 1, QStringLiteral("2"));
    EXPECT_EQ(grid.GridCells(1, 1), "1<hi>2</hi>");
    EXPECT_EQ(grid.GridCells(1, 2), "7");
    grid.UnHilightInCol(false, 1);
    EXPECT_EQ(grid.GridCells(1, 1), "12");
}

// ---- ranges -------------------------------------------------------------------------------------

class ExGridHighlightRanges : public testing::Test {
protected:
    // 5 columns and 5 rows of "x", one fixed row, column, right column and footer.
    void SetUp() override
    {
        grid.SetColCount(5);
        grid.SetRowCount(5);
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c)
                grid.SetCells(c, r, QStringLiteral("x"));
        grid.SetFixedRows(1);
        grid.SetFixedCols(1);
        grid.SetFixedRightCols(1);
        grid.SetFixedFooters(1);
    }
    // Which cells hold a tag, as rows of '.' and 't' over every real column.
    std::vector<std::string> tagged()
    {
        std::vector<std::string> out;
        for (int r = 0; r < grid.RowCount(); ++r) {
            std::string line;
            for (int c = 0; c < grid.TotalColCount(); ++c)
                line += grid.GridCells(c, r) == "x" ? '.' : 't';
            out.push_back(line);
        }
        return out;
    }
    TExStringGrid grid;
};

TEST_F(ExGridHighlightRanges, EachOperationCoversItsRectangle)
{
    using Lines = std::vector<std::string>;
    const struct {
        const char* name;
        std::function<void(TExStringGrid&)> tag;
        std::function<void(TExStringGrid&)> untag;
        Lines expected;
    } cases[] = {
        {"cell", [](TExStringGrid& g) { g.HilightInCell(false, 0, 4, "x"); },
         [](TExStringGrid& g) { g.UnHilightInCell(0, 4); },
         {".....", ".....", ".....", ".....", "t...."}},
        {"column", [](TExStringGrid& g) { g.HilightInCol(false, false, 2, "x"); },
         [](TExStringGrid& g) { g.UnHilightInCol(false, 2); },
         {".....", "..t..", "..t..", "..t..", "....."}},
        {"column, fixed", [](TExStringGrid& g) { g.MarkInCol(true, false, 2, "x"); },
         [](TExStringGrid& g) { g.UnMarkInCol(true, 2); },
         {"..t..", "..t..", "..t..", "..t..", "..t.."}},
        {"row", [](TExStringGrid& g) { g.MarkInRow(false, false, 2, "x"); },
         [](TExStringGrid& g) { g.UnMarkInRow(false, 2); },
         {".....", ".....", ".ttt.", ".....", "....."}},
        {"row, fixed", [](TExStringGrid& g) { g.HilightInRow(true, false, 0, "x"); },
         [](TExStringGrid& g) { g.UnHilightInRow(true, 0); },
         {"ttttt", ".....", ".....", ".....", "....."}},
        {"grid", [](TExStringGrid& g) { g.HilightInGrid(false, false, "x"); },
         [](TExStringGrid& g) { g.UnHilightInGrid(false); },
         {".....", ".ttt.", ".ttt.", ".ttt.", "....."}},
        {"grid, fixed", [](TExStringGrid& g) { g.MarkInGrid(true, false, "x"); },
         [](TExStringGrid& g) { g.UnMarkInGrid(true); },
         {"ttttt", "ttttt", "ttttt", "ttttt", "ttttt"}},
    };
    for (const auto& k : cases) {
        k.tag(grid);
        EXPECT_EQ(tagged(), k.expected) << k.name;
        k.untag(grid);
        EXPECT_EQ(tagged(), Lines(5, ".....")) << k.name << " removed";
    }
}

TEST_F(ExGridHighlightRanges, RowAndGridTaggingsReachEveryRealColumn)
{
    grid.SetFixedRightCols(0);
    grid.HideColumn(2);
    grid.MarkInGrid(false, false, QStringLiteral("x"));
    EXPECT_EQ(tagged(), (std::vector<std::string>{".....", ".tttt", ".tttt", ".tttt", "....."}))
        << "real column 4, the last shown one, and the hidden column 2";
    grid.UnMarkInGrid(false);
    grid.HilightInRow(false, false, 1, QStringLiteral("x"));
    EXPECT_EQ(tagged()[1], ".tttt");
    grid.UnHilightInRow(false, 1);
    EXPECT_EQ(tagged()[1], ".....");
}

TEST_F(ExGridHighlightRanges, HiddenRowsKeepTheirTexts)
{
    grid.HideRow(2);
    grid.HilightInGrid(true, false, QStringLiteral("x"));
    grid.UnHideRow(2);
    EXPECT_EQ(grid.GridCells(1, 2), "x");
    EXPECT_NE(grid.GridCells(1, 3), "x");
}

TEST_F(ExGridHighlightRanges, AMergedRangeIsTaggedOnceThroughItsBaseCell)
{
    grid.SetCells(1, 1, QStringLiteral("xx"));
    grid.MergeCells(1, 1, 2, 2);
    grid.HilightInGrid(false, false, QStringLiteral("x"));
    EXPECT_EQ(grid.GridCells(1, 1), "<hi>x</hi><hi>x</hi>");
    EXPECT_EQ(grid.GridCells(2, 1), "x") << "the covered cells are not written";
    EXPECT_EQ(grid.GridCells(1, 2), "x");
    grid.UnHilightInGrid(false);

    grid.HilightInRow(false, false, 2, QStringLiteral("x"));
    EXPECT_EQ(grid.GridCells(1, 1), "xx") << "a row passing through the range leaves it alone";
    EXPECT_EQ(grid.GridCells(3, 2), "<hi>x</hi>");
}

// ---- painting -----------------------------------------------------------------------------------

TEST(ExGridHighlightPaint, AHighlightedSpanPaintsInTheHighlightColor)
{
    auto window = std::make_unique<QWidget>();
    window->resize(300, 120);
    auto* grid = new TExStringGrid(window.get());
    grid->setGeometry(0, 0, 300, 120);
    grid->SetColCount(3);
    grid->SetRowCount(3);
    grid->SetDefaultColWidth(90);
    grid->SetCells(1, 1, QStringLiteral("WWWW"));
    grid->SetCells(2, 1, QStringLiteral("WWWW"));
    grid->HilightInCell(false, 1, 1, QStringLiteral("WW"));
    const TColor orange = RGB(255, 128, 0);
    grid->SetHighlightColor(orange);
    grid->SetCol(2);
    grid->SetRow(2);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QApplication::processEvents();
    const QImage image = grid->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto count = [&image, grid](int c, int r) {
        const TRect rect = grid->CellRect(c, r);
        int n = 0;
        for (int y = rect.Top; y < rect.Bottom; ++y)
            for (int x = rect.Left; x < rect.Right; ++x)
                n += image.pixel(x, y) == qRgb(255, 128, 0);
        return n;
    };
    EXPECT_GT(count(1, 1), 20);
    EXPECT_EQ(count(2, 1), 0);
}
