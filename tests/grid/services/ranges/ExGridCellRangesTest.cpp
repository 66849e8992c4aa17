#include "grid/engine/ExGrid.h"
#include "grid/foundation/cellstore/BaseGrid.h"
#include "grid/foundation/objects/ExObjMouseActions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void fill(TExStringGrid& grid, int cols, int rows)
{
    grid.SetColCount(cols);
    grid.SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            grid.SetCells(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
}

QString original(int c, int r) { return QStringLiteral("%1:%2").arg(c).arg(r); }

// Which cells of a filled grid lost their text, as rows of '.' (kept) and
// 'x' (emptied).
std::vector<std::string> emptied(TExStringGrid& grid, int cols, int rows)
{
    std::vector<std::string> out;
    for (int r = 0; r < rows; ++r) {
        std::string line;
        for (int c = 0; c < cols; ++c)
            line += grid.Cells(c, r) == original(c, r) ? '.' : 'x';
        out.push_back(line);
    }
    return out;
}

// A column of texts from row 0 down.
void column(TExStringGrid& grid, int c, const std::vector<QString>& texts)
{
    grid.SetRowCount(int(texts.size()));
    for (int r = 0; r < int(texts.size()); ++r)
        grid.SetCells(c, r, texts[size_t(r)]);
}

} // namespace

// ---- clearing -------------------------------------------------------------------------------

class ExGridNormalClear : public testing::Test {
protected:
    void SetUp() override
    {
        fill(grid, 6, 6);
        grid.SetFixedRows(1);
        grid.SetFixedCols(1);
        grid.SetFixedRightCols(1);
        grid.SetFixedFooters(1);
    }
    TExStringGrid grid;
};

TEST_F(ExGridNormalClear, NormalCellsKeepTheFixedCellsAndTheFooters)
{
    grid.HideColumn(2);
    grid.ClearNormalCells();
    grid.UnHideColumnsAll();
    EXPECT_EQ(emptied(grid, 6, 6), (std::vector<std::string>{"......", ".xxxx.", ".xxxx.", ".xxxx.", ".xxxx.",
                                                             "......"}))
        << "the hidden column is a normal column too";
}

TEST_F(ExGridNormalClear, NormalRowsAndColumnsStopAtTheFixedCells)
{
    const struct {
        bool rows;
        int index, count;
        std::vector<std::string> expected;
    } cases[] = {
        {true, 2, 2, {"......", "......", ".xxxx.", ".xxxx.", "......", "......"}},
        {true, 2, 0, {"......", "......", "......", "......", "......", "......"}},
        {false, 2, 2, {"......", "..xx..", "..xx..", "..xx..", "..xx..", "......"}},
        {false, 2, -1, {"......", "......", "......", "......", "......", "......"}},
    };
    for (const auto& k : cases) {
        fill(grid, 6, 6);
        if (k.rows)
            grid.ClearNormalRows(k.index, k.count);
        else
            grid.ClearNormalCols(k.index, k.count);
        EXPECT_EQ(emptied(grid, 6, 6), k.expected) << (k.rows ? "rows " : "columns ") << k.index << "+" << k.count;
    }
}

TEST(ExGridClearNodes, NormalCellsDropTheNodesOnlyWithoutAFixedColumn)
{
    TExStringGrid grid;
    fill(grid, 3, 8);
    grid.SetFixedCols(0);
    grid.AddNode(2, 3);
    grid.ClearNormalCells();
    EXPECT_FALSE(grid.IsNode(2));
    EXPECT_FALSE(grid.HasNodeRows());

    fill(grid, 3, 8);
    grid.SetFixedCols(1);
    grid.AddNode(2, 3);
    grid.ClearNormalCells();
    EXPECT_TRUE(grid.IsNode(2)) << "the node glyph stands in the fixed column, which stays";
}

TEST(ExGridClearNodes, ClearRemovesTheNodesAndTheTypedSearch)
{
    TExStringGrid grid;
    fill(grid, 3, 8);
    grid.AddNode(2, 3);
    grid.AddNode(5, 2);
    grid.SetNodeState(2, true);
    grid.SetSearchInc(QStringLiteral("ab"));
    grid.Clear();
    EXPECT_FALSE(grid.HasNodeRows());
    EXPECT_EQ(grid.RowCount(), 8) << "the contracted node's rows are back";
    EXPECT_EQ(grid.SearchInc(), QString());
    for (int r = 0; r < 8; ++r) {
        EXPECT_EQ(grid.Cells(1, r), QString()) << r;
        EXPECT_FALSE(grid.IsNode(r)) << r;
    }
}

TEST(ExGridClearSelection, ClearsTheDisjunctRowsTheDisjunctColumnsOrTheRectangle)
{
    TExStringGrid grid;
    fill(grid, 4, 5);
    grid.HideColumn(3);
    grid.MouseActions()->SetDisjunctRowSelect(true);
    grid.SetRowSelect(1, true);
    grid.SetRowSelect(3, true);
    grid.ClearSelection();
    grid.UnHideColumnsAll();
    EXPECT_EQ(emptied(grid, 4, 5), (std::vector<std::string>{"....", "xxxx", "....", "xxxx", "...."}))
        << "whole rows, the hidden column included";

    fill(grid, 4, 5);
    grid.ClearRowSelect();
    grid.MouseActions()->SetDisjunctRowSelect(false);
    grid.MouseActions()->SetDisjunctColSelect(true);
    grid.SetColSelect(2, true);
    grid.ClearSelection();
    EXPECT_EQ(emptied(grid, 4, 5), (std::vector<std::string>{"..x.", "..x.", "..x.", "..x.", "..x."}));

    fill(grid, 4, 5);
    grid.MouseActions()->SetDisjunctColSelect(false);
    grid.SetSelection(TGridRect{1, 2, 2, 3});
    grid.ClearSelection();
    EXPECT_EQ(emptied(grid, 4, 5), (std::vector<std::string>{"....", "....", ".xx.", ".xx.", "...."}));
}

TEST(ExGridClearSelection, PersistentRowsAreReadAtTheirRealIndex)
{
    TExStringGrid grid;
    fill(grid, 2, 6);
    grid.MouseActions()->SetDisjunctRowSelect(true);
    grid.MouseActions()->SetRowSelectPersistent(true);
    grid.HideRow(2); // real row 4 is shown at 3
    grid.ClearRowSelect();
    grid.SetRowSelect(4, true);
    grid.ClearSelection();
    grid.UnHideRowsAll();
    EXPECT_EQ(emptied(grid, 2, 6), (std::vector<std::string>{"..", "..", "..", "..", "xx", ".."}));
}

// ---- trimming and colouring -------------------------------------------------------------------

TEST(ExGridTrim, BlanksAndControlCharactersGoAtBothEnds)
{
    const struct {
        QString text, trimmed;
    } cases[] = {
        {QStringLiteral("  x\t"), QStringLiteral("x")},
        {QStringLiteral("\r\nred apple \n"), QStringLiteral("red apple")},
        {QStringLiteral("a  b"), QStringLiteral("a  b")},
        {QStringLiteral(" \t "), QString()},
    };
    TExStringGrid grid;
    grid.SetColCount(2);
    grid.SetRowCount(int(std::size(cases)));
    for (int r = 0; r < int(std::size(cases)); ++r)
        grid.SetCells(1, r, cases[r].text);
    grid.TrimAll();
    for (int r = 0; r < int(std::size(cases)); ++r)
        EXPECT_EQ(grid.Cells(1, r), cases[r].trimmed) << r;
}

TEST(ExGridTrim, ColumnRowAndMappedRectangles)
{
    TExStringGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            grid.SetCells(c, r, QStringLiteral(" %1 ").arg(c));
    grid.TrimColumn(1);
    grid.TrimRow(2);
    EXPECT_EQ(grid.Cells(1, 0), "1");
    EXPECT_EQ(grid.Cells(3, 2), "3");
    EXPECT_EQ(grid.Cells(2, 0), " 2 ");

    grid.HideColumn(2);
    grid.SetSaveHiddenCells(true);
    grid.TrimRect(2, 0, 2, 0); // display column 2 is real column 3
    EXPECT_EQ(grid.Cells(3, 0), "3");
    EXPECT_EQ(grid.Cells(2, 0), " 2 ");
}

TEST(ExGridColorRect, ColoursEveryCellOfTheRectangleOnly)
{
    TExStringGrid grid;
    fill(grid, 4, 4);
    grid.ColorRect(1, 1, 2, 3, clRed);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(grid.Colors(c, r) == clRed, c >= 1 && c <= 2 && r >= 1) << c << "," << r;
    grid.ColorRect(3, 0, 2, 0, clBlue);
    EXPECT_FALSE(grid.HasCellProperties(3, 0)) << "an empty rectangle colours nothing";
}

// ---- merging ------------------------------------------------------------------------------------

TEST(ExGridMerge, ColumnRunsOfEqualTextsBecomeRanges)
{
    TExStringGrid grid;
    grid.SetColCount(2);
    column(grid, 1, {"h", "x", "x", "z", "y", "y", "y"});
    grid.SetFixedRows(1);
    grid.MergeColumnCells(1, true);
    EXPECT_EQ(grid.CellSpan(1, 1), (TPoint{0, 1}));
    EXPECT_TRUE(grid.IsMergedNonBaseCell(1, 2));
    EXPECT_FALSE(grid.IsMergedCell(1, 3)) << "z stays alone";
    EXPECT_EQ(grid.CellSpan(1, 4), (TPoint{0, 2})) << "the run still open at the end";
    EXPECT_EQ(grid.BaseCell(1, 6), (TPoint{1, 4}));
    EXPECT_FALSE(grid.IsMergedCell(1, 0)) << "the fixed row is not compared";
}

TEST(ExGridMerge, WithoutMainMergeRowsMustBeMergedAlikeElsewhere)
{
    TExStringGrid grid;
    grid.SetColCount(3);
    column(grid, 2, {"h", "a", "a", "a", "a"});
    grid.SetFixedRows(1);
    grid.MergeColumnCells(2, false);
    for (int r = 0; r < 5; ++r)
        EXPECT_FALSE(grid.IsMergedCell(2, r)) << "equal texts alone do not suffice: " << r;

    grid.MergeCells(1, 1, 1, 2); // rows 1-2 merged in the main column
    grid.MergeColumnCells(2, false);
    EXPECT_EQ(grid.CellSpan(2, 1), (TPoint{0, 1}));
    EXPECT_FALSE(grid.IsMergedCell(2, 3)) << "rows 3-4 are merged nowhere else";
}

TEST(ExGridMerge, RowRunsStopBeforeTheFixedRightColumns)
{
    TExStringGrid grid;
    grid.SetColCount(7);
    grid.SetRowCount(2);
    const char* texts[] = {"f", "a", "a", "b", "c", "c", "c"};
    for (int c = 0; c < 7; ++c)
        grid.SetCells(c, 1, QString::fromLatin1(texts[c]));
    grid.SetFixedCols(1);
    grid.SetFixedRightCols(1);
    grid.MergeRowCells(1, true);
    EXPECT_EQ(grid.CellSpan(1, 1), (TPoint{1, 0}));
    EXPECT_FALSE(grid.IsMergedCell(3, 1));
    EXPECT_EQ(grid.CellSpan(4, 1), (TPoint{1, 0})) << "the fixed right column stays out of the run";
    EXPECT_FALSE(grid.IsMergedCell(6, 1));
}

TEST(ExGridMerge, SplittingUndoesTheMerges)
{
    TExStringGrid grid;
    fill(grid, 6, 8);
    grid.MergeCells(1, 0, 1, 3);
    grid.MergeCells(1, 4, 2, 2);
    grid.MergeCells(3, 1, 2, 1);
    grid.SplitColumnCells(1);
    EXPECT_FALSE(grid.IsMergedCell(1, 1));
    EXPECT_FALSE(grid.IsMergedCell(2, 5)) << "a range across columns is split whole";
    EXPECT_TRUE(grid.IsMergedCell(3, 1));

    grid.MergeCells(0, 3, 2, 1);
    grid.SplitRowCells(1);
    EXPECT_FALSE(grid.IsMergedCell(4, 1));
    EXPECT_TRUE(grid.IsMergedCell(0, 3));

    grid.MergeCells(2, 6, 3, 2);
    grid.SplitAllCells();
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 6; ++c)
            EXPECT_FALSE(grid.IsMergedCell(c, r)) << c << "," << r;
}

TEST(ExGridMerge, MergeColsJoinsTheSecondColumnIntoTheFirst)
{
    TExStringGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetFixedRows(1);
    const QString texts[][2] = {{"colour", "fruit"}, {"red", "apple"}, {"", " pear "}, {"green", ""}};
    for (int r = 0; r < 4; ++r) {
        grid.SetCells(1, r, texts[r][0]);
        grid.SetCells(2, r, texts[r][1]);
    }
    grid.MergeCols(1, 2, QStringLiteral(" "));
    EXPECT_EQ(grid.Cells(1, 0), "colour") << "the fixed row stays";
    EXPECT_EQ(grid.Cells(1, 1), "red apple");
    EXPECT_EQ(grid.Cells(1, 2), "pear");
    EXPECT_EQ(grid.Cells(1, 3), "green");
    EXPECT_EQ(grid.ColCount(), 3) << "the joined column is removed";
}

// ---- finding -------------------------------------------------------------------------------------

TEST(ExGridIsCell, FindsTheFirstWholeTextRowByRow)
{
    TExStringGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetCells(3, 0, QStringLiteral("Total:"));
    grid.SetCells(2, 1, QStringLiteral("total"));
    grid.SetCells(3, 2, QStringLiteral("Total"));
    grid.SetCells(0, 3, QStringLiteral("Total"));
    int col = -1;
    int row = -1;
    ASSERT_TRUE(grid.IsCell(QStringLiteral("Total"), col, row));
    EXPECT_EQ(col, 3);
    EXPECT_EQ(row, 2);

    col = row = 7;
    EXPECT_FALSE(grid.IsCell(QStringLiteral("Tota"), col, row));
    EXPECT_EQ(col, 7) << "untouched when nothing matches";
    EXPECT_EQ(row, 7);
}
