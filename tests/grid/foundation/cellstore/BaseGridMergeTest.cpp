#include "tests/grid/foundation/cellstore/BaseGridTestGrid.h"

#include <gtest/gtest.h>

namespace {

class MergedCells : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetFixedCols(1);
        grid.SetFixedRows(1);
        grid.resize(600, 300);
    }
    RecordingGrid grid;
};

TEST_F(MergedCells, MergeMarksBaseAndOffsetsAndSplitRestores)
{
    grid.MergeCells(2, 3, 3, 2);
    EXPECT_EQ(grid.MergeCount(), 1);
    const TCellProperties* base = grid.CellProperties(2, 3);
    EXPECT_TRUE(base->IsBaseCell());
    EXPECT_EQ(base->CellSpanX(), 2);
    EXPECT_EQ(base->CellSpanY(), 1);
    const TCellProperties* other = grid.CellProperties(4, 4);
    EXPECT_FALSE(other->IsBaseCell());
    EXPECT_EQ(other->CellSpanX(), 2);
    EXPECT_EQ(other->CellSpanY(), 1);

    for (int c = 2; c <= 4; ++c)
        for (int r = 3; r <= 4; ++r) {
            EXPECT_TRUE(grid.IsMergedCell(c, r));
            EXPECT_EQ(grid.BaseCell(c, r), (TPoint{2, 3}));
            EXPECT_EQ(grid.CellSpan(c, r), (TPoint{2, 1}));
            EXPECT_EQ(grid.FullCell(c, r), (TGridRect{2, 3, 4, 4}));
        }
    EXPECT_TRUE(grid.IsXMergedCell(3, 4));
    EXPECT_TRUE(grid.IsYMergedCell(3, 4));
    EXPECT_TRUE(grid.IsMergedNonBaseCell(3, 3));
    EXPECT_FALSE(grid.IsMergedNonBaseCell(2, 3));
    EXPECT_EQ(grid.CellExt(2, 3), (TPoint{2, 1}));
    EXPECT_EQ(grid.CellExt(4, 4), (TPoint{0, 0}));
    int bc = 0;
    int br = 0;
    EXPECT_FALSE(grid.ResolveBaseCell(4, 4, bc, br));
    EXPECT_EQ(bc, 2);
    EXPECT_EQ(br, 3);
    EXPECT_TRUE(grid.ResolveBaseCell(5, 5, bc, br));
    EXPECT_EQ(bc, 5);

    grid.SplitCells(3, 4);  // a non-base cell splits the whole range
    EXPECT_EQ(grid.MergeCount(), 0);
    for (int c = 2; c <= 4; ++c)
        for (int r = 3; r <= 4; ++r) {
            EXPECT_FALSE(grid.IsMergedCell(c, r));
            EXPECT_EQ(grid.BaseCell(c, r), (TPoint{c, r}));
            EXPECT_EQ(grid.CellProperties(c, r)->CellSpanX(), -1);
        }
}

TEST_F(MergedCells, OneCellRangeCountsAsUnmerged)
{
    grid.MergeCells(2, 2, 1, 1);
    EXPECT_FALSE(grid.IsMergedCell(2, 2));
    EXPECT_EQ(grid.CellSpan(2, 2), (TPoint{0, 0}));
    EXPECT_TRUE(grid.IsBaseCell(2, 2));
    grid.SplitCells(5, 5);  // unmerged: only the counter changes
    EXPECT_EQ(grid.MergeCount(), 0);
    EXPECT_FALSE(grid.HasCellProperties(5, 5));
}

TEST_F(MergedCells, RangesAreClippedToTheGridAndOutsideBasesRejected)
{
    grid.MergeCells(6, 6, 5, 5);
    EXPECT_EQ(grid.CellSpan(6, 6), (TPoint{1, 1}));
    EXPECT_EQ(grid.GridObjects(8, 8), nullptr);
    grid.MergeCells(-1, 2, 3, 3);
    grid.MergeCells(2, 8, 2, 2);
    EXPECT_EQ(grid.MergeCount(), 1);
    EXPECT_FALSE(grid.HasCellProperties(0, 2));
    grid.SplitCells(-2, -2);
    EXPECT_EQ(grid.MergeCount(), 1);
}

TEST_F(MergedCells, ReadsAndWritesGoToTheBaseCell)
{
    grid.MergeCells(2, 3, 3, 2);
    grid.calls.clear();
    grid.SetCells(4, 4, QStringLiteral("range"));
    EXPECT_EQ(grid.GridCells(2, 3), QStringLiteral("range"));
    EXPECT_EQ(grid.GridCells(4, 4), QString());
    EXPECT_EQ(grid.calls, std::vector<QString>{QStringLiteral("changed 2,3")});
    for (int c = 2; c <= 4; ++c)
        for (int r = 3; r <= 4; ++r)
            EXPECT_EQ(grid.Cells(c, r), QStringLiteral("range"));
}

TEST_F(MergedCells, SpanQueriesOverRowsAndColumns)
{
    EXPECT_EQ(grid.MinRowSpan(2), grid.RowCount());
    EXPECT_EQ(grid.MaxRowSpan(2), 0);
    EXPECT_FALSE(grid.RowSpanIdentical(2, 3));
    grid.MergeCells(1, 2, 1, 3);
    grid.MergeCells(3, 2, 1, 2);
    EXPECT_EQ(grid.MinRowSpan(2), 1);
    EXPECT_EQ(grid.MaxRowSpan(2), 2);
    EXPECT_TRUE(grid.RowSpanIdentical(2, 3));
    EXPECT_TRUE(grid.RowSpanIdentical(3, 4));  // column 3 ends at row 3 and is left out
    grid.MergeCells(6, 1, 1, 2);
    grid.MergeCells(6, 3, 1, 2);
    EXPECT_FALSE(grid.RowSpanIdentical(2, 3));  // column 6 changes ranges between them

    grid.MergeCells(4, 6, 3, 1);
    EXPECT_TRUE(grid.ColSpanIdentical(4, 5));
    grid.MergeCells(2, 7, 1, 1);
    EXPECT_FALSE(grid.ColSpanIdentical(6, 7));  // merged beside unmerged in row 6
}

struct KeyCase {
    const char* name;
    int fromCol;
    int fromRow;
    Word key;
    int toCol;
    int toRow;
};

class MergedNavigation : public MergedCells, public ::testing::WithParamInterface<KeyCase> {};

// Range of columns 3..5 and rows 3..4, base (3, 3).
TEST_P(MergedNavigation, ArrowKeysLeaveTheRangeToItsNeighbour)
{
    const KeyCase& k = GetParam();
    grid.MergeCells(3, 3, 3, 2);
    grid.SetCol(k.fromCol);
    grid.SetRow(k.fromRow);
    grid.PressKey(k.key);
    EXPECT_EQ(grid.Col(), k.toCol);
    EXPECT_EQ(grid.Row(), k.toRow);
}

INSTANTIATE_TEST_SUITE_P(Keys, MergedNavigation,
                         ::testing::Values(KeyCase{"RightFromBase", 3, 3, VK_RIGHT, 6, 3},
                                           KeyCase{"DownFromInside", 4, 3, VK_DOWN, 4, 5},
                                           KeyCase{"UpFromLowerRow", 4, 4, VK_UP, 4, 2},
                                           KeyCase{"LeftFromInside", 5, 4, VK_LEFT, 2, 4},
                                           KeyCase{"IntoRangeSnapsToBase", 2, 4, VK_RIGHT, 3, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MergedCells, LeftFromARangeAtTheFixedEdgeStaysInTheGrid)
{
    grid.MergeCells(1, 2, 3, 1);
    grid.SetCol(3);
    grid.SetRow(2);
    grid.PressKey(VK_LEFT);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 2);
}

TEST_F(MergedCells, PageDownStopsAboveAHiddenLastRow)
{
    grid.SetHideLastRow(true);
    grid.SetRow(2);
    grid.PressKey(VK_NEXT);
    EXPECT_LT(grid.Row(), grid.RowCount());
}

}  // namespace
