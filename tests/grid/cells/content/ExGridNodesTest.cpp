// Node rows: levels, contracting and expanding through the hidden-row store,
// nesting, parents, child rows and the node glyph.

#include "tests/grid/cells/StringGridFixture.h"
#include "grid/engine/paint/ExGridCellGraphic.h"
#include "grid/engine/ExGridCellSettings.h"
#include "grid/engine/ExGridDataSettings.h"
#include "grid/foundation/objects/ExObjMouseActions.h"

#include <gtest/gtest.h>

namespace {

// Ten rows numbered in column 1, one fixed row.
std::unique_ptr<TExStringGrid> numberedGrid(int rows = 10)
{
    auto grid = MakeStringGrid(3, rows);
    NumberRows(*grid, 1);
    return grid;
}

QStringList shownColumn(TExStringGrid& grid)
{
    QStringList texts;
    for (int r = 0; r < grid.RowCount(); ++r)
        texts << grid.Cells(1, r);
    return texts;
}

TEST(NodeRows, ASpanOfFourGivesLevelsAndContractingRestoresTextsObjectsAndHeights)
{
    auto grid = numberedGrid(8);
    grid->AddComment(2, 3, QStringLiteral("note"));
    grid->SetRowHeights(3, 40);
    grid->AddNode(1, 4);
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(grid->HasCellProperties(0, r) ? grid->CellProperties(0, r)->NodeLevel() : 0, r >= 1 && r <= 4 ? 1 : 0)
            << r;
    EXPECT_EQ(grid->GetNodeLevel(1), 1);
    EXPECT_EQ(grid->GetNodeSpan(1), 4);
    EXPECT_EQ(grid->GetNodeLevel(2), -1);
    grid->ContractNode(1);
    EXPECT_TRUE(grid->GetNodeState(1));
    EXPECT_EQ(shownColumn(*grid), (QStringList{"0", "1", "5", "6", "7"}));
    grid->ExpandNode(1);
    EXPECT_FALSE(grid->GetNodeState(1));
    EXPECT_EQ(shownColumn(*grid), (QStringList{"0", "1", "2", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(grid->GetComment(2, 3), QStringLiteral("note"));
    EXPECT_EQ(grid->RowHeights(3), 40);
}

TEST(NodeRows, SpansOfOneAndZero)
{
    auto one = numberedGrid(6);
    one->AddNode(2, 1);
    one->ContractNode(2);
    EXPECT_TRUE(one->GetNodeState(2));
    EXPECT_EQ(one->RowCount(), 6);

    auto zero = numberedGrid(8);
    zero->AddNode(1, 0);
    zero->AddNode(5, 2);
    zero->ContractNode(1);
    EXPECT_EQ(shownColumn(*zero), (QStringList{"0", "1", "5", "6", "7"})) << "down to the next node row";
    zero->ExpandNode(1);
    zero->ContractNode(5);
    zero->RemoveNode(5);
    zero->ContractNode(1);
    EXPECT_EQ(shownColumn(*zero), (QStringList{"0", "1"})) << "or to the end of the grid";
}

TEST(NodeRows, ExpandingAnOuterNodeShowsNestedBlocksAndLeavesTheInnerNodeExpanded)
{
    auto grid = numberedGrid(9);
    grid->AddNode(1, 6);
    grid->AddNode(3, 2);
    EXPECT_EQ(grid->GetNodeLevel(3), 2);
    grid->ContractNode(3);
    grid->ContractNode(1);
    EXPECT_EQ(shownColumn(*grid), (QStringList{"0", "1", "7", "8"}));
    grid->ExpandNode(1);
    EXPECT_EQ(shownColumn(*grid), (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_FALSE(grid->GetNodeState(3));
    EXPECT_EQ(grid->NumHiddenRows(), 0);
}

TEST(NodeRows, ExpandOneContractsTheOtherExpandedNodes)
{
    auto grid = numberedGrid(8);
    grid->AddNode(1, 2);
    grid->AddNode(3, 2);
    grid->ContractNode(3);
    grid->CellNode()->SetExpandOne(true);
    grid->ExpandNode(3);
    EXPECT_TRUE(grid->GetNodeState(1));
    EXPECT_FALSE(grid->GetNodeState(grid->DisplRowIndex(3)));
    EXPECT_EQ(shownColumn(*grid), (QStringList{"0", "1", "3", "4", "5", "6", "7"}));
}

TEST(NodeRows, ParentRowsAndTheNodeColumn)
{
    auto grid = numberedGrid(8);
    EXPECT_EQ(grid->GetParentRow(2), -1) << "no nodes";
    grid->SetFixedCols(0);
    grid->SetCol(0);
    grid->AddNode(1, 4);
    EXPECT_EQ(grid->Col(), 1);
    grid->AddNode(2, 2);
    const std::pair<int, int> parents[] = {{1, 1}, {2, 1}, {3, 2}, {4, 1}, {6, -1}};
    for (auto [row, parent] : parents)
        EXPECT_EQ(grid->GetParentRow(row), parent) << row;
    EXPECT_TRUE(grid->HasNodeRows());
    EXPECT_EQ(grid->RowNodeIndent(3), 24);
    grid->RemoveAllNodes();
    EXPECT_FALSE(grid->HasNodeRows());
    EXPECT_EQ(grid->RowNodeIndent(3), 0);
    grid->RemoveNode(4);
    EXPECT_FALSE(grid->HasNodeRows()) << "removing a row that is no node changes nothing";
}

// Default cnXP, indent 12: the glyph strip of level L lies between
// 4 + (L - 1) * 12 and 4 + L * 12, both edges outside.
TEST(NodeRows, TheNodeGlyphIsHitInsideItsLevelsStrip)
{
    auto grid = numberedGrid(6);
    grid->AddNode(1, 4);
    grid->AddNode(2, 2);
    EXPECT_FALSE(grid->IsOnNodeGlyph(1, 40)) << "precise by default";
    grid->MouseActions()->SetPreciseNodeClick(false);
    EXPECT_TRUE(grid->IsOnNodeGlyph(1, 40)) << "without PreciseNodeClick the whole cell counts";
    grid->MouseActions()->SetPreciseNodeClick(true);
    const std::tuple<int, int, bool> clicks[] = {{1, 10, true}, {1, 20, false}, {2, 17, true},
                                                 {2, 27, true}, {2, 16, false}, {2, 28, false}};
    for (auto [row, x, hit] : clicks)
        EXPECT_EQ(grid->IsOnNodeGlyph(row, x), hit) << row << " at " << x;
}

TEST(NodeRows, TheGroupCountFollowsChildRows)
{
    auto grid = numberedGrid(8);
    grid->Grouping()->SetShowGroupCount(true);
    grid->AddNode(1, 5);
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("1 (4)"));
    grid->InsertChildRow(1);
    EXPECT_EQ(grid->GetNodeSpan(1), 6);
    EXPECT_EQ(grid->GetSubNodeCount(1), 1);
    EXPECT_EQ(grid->Cells(1, 2), QStringLiteral("1")) << "the node row's texts move into the child row";
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral(" (4)"));
    grid->Grouping()->SetGroupCountFormat(QStringLiteral("[%d]"));
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("[4]"));
    grid->Grouping()->SetGroupCountFormat(QStringLiteral("%s items"));
    EXPECT_EQ(grid->Cells(1, 1), QString()) << "a format that takes no number shows no count";
    grid->RemoveChildRow(2);
    EXPECT_EQ(grid->GetNodeSpan(1), 5);
    EXPECT_EQ(grid->GetSubNodeCount(1), 0);
    EXPECT_EQ(grid->RowCount(), 8);
}

TEST(NodeRows, ASpanPastTheLastRowEndsThere)
{
    auto grid = numberedGrid(6);
    grid->AddNode(3, 10);
    for (int r = 6; r < 13; ++r)
        EXPECT_FALSE(grid->HasCellProperties(0, r)) << r;
    grid->ContractNode(3);
    EXPECT_EQ(grid->NumHiddenRows(), 2);
    EXPECT_EQ(grid->RowCount(), 4);
    grid->ExpandNode(3);
    EXPECT_EQ(shownColumn(*grid), (QStringList{"0", "1", "2", "3", "4", "5"}));
}

// Row 4 is hidden apart from the nodes; every row must come back to its place.
TEST(NodeRows, ContractAllWithOtherRowsHiddenKeepsRealIndexes)
{
    auto grid = numberedGrid(10);
    grid->AddNode(1, 3);
    grid->AddNode(6, 3);
    const QStringList before = RealColumnTexts(*grid, 1);
    grid->HideRows(4, 4);
    grid->ContractAll();
    EXPECT_TRUE(grid->GetNodeState(1));
    EXPECT_EQ(shownColumn(*grid), (QStringList{"0", "1", "5", "6", "9"}));
    grid->ExpandAll();
    EXPECT_EQ(RealColumnTexts(*grid, 1), before);
    EXPECT_EQ(shownColumn(*grid), (QStringList{"0", "1", "2", "3", "5", "6", "7", "8", "9"}));
    grid->UnHideRows(4, 4);
    EXPECT_EQ(shownColumn(*grid), before);

    auto plain = numberedGrid(10);
    plain->AddNode(1, 3);
    plain->AddNode(6, 3);
    plain->ContractAll();
    EXPECT_EQ(plain->FilterLevel(), 1) << "without other hidden rows the blocks are one filter level";
    plain->ExpandAll();
    EXPECT_EQ(shownColumn(*plain), before);
}

}  // namespace
