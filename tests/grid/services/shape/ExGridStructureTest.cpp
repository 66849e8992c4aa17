// Inserting, removing and swapping rows and columns on small grids.

#include "tests/grid/services/shape/ShapeTestGrid.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/engine/ExGridDataSettings.h"
#include "grid/engine/ExGridViewSettings.h"
#include "grid/engine/paint/ExGridAppearance.h"
#include "grid/foundation/cellstore/BaseGrid.h"
#include "grid/foundation/objects/ExObjMouseActions.h"
#include "grid/services/shape/ExGridHiddenIndex.h"
#include "platform/core/StringList.h"

#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

TEST(HiddenColumns, InsertAndRemoveMoveHiddenStateAndSavedWidths)
{
    THiddenColumns columns;
    columns.Hide(2, 40);
    columns.Hide(5, 50);
    columns.Insert(1, 2);
    EXPECT_EQ(columns.Count(), 2);
    EXPECT_FALSE(columns.IsHidden(1));
    EXPECT_FALSE(columns.IsHidden(2));
    EXPECT_TRUE(columns.IsHidden(4));
    EXPECT_EQ(columns.Width(4), 40);
    EXPECT_TRUE(columns.IsHidden(7));
    EXPECT_EQ(columns.Width(7), 50);
    EXPECT_EQ(columns.DisplayToReal(3), 3);
    EXPECT_EQ(columns.DisplayToReal(4), 5);
    columns.Insert(20, 1);
    EXPECT_EQ(columns.Count(), 2) << "past the table nothing moves";

    columns.Remove(3, 2);
    EXPECT_EQ(columns.Count(), 1) << "the removed hidden column leaves the count";
    EXPECT_TRUE(columns.IsHidden(5));
    EXPECT_EQ(columns.Width(5), 50);
    columns.Remove(5, 99);
    EXPECT_EQ(columns.Count(), 0);
    EXPECT_EQ(columns.DisplayToReal(6), 6);
    columns.Remove(-1, 2);
    columns.Insert(-1, 2);
    EXPECT_EQ(columns.Count(), 0);
}

TEST(ExGridStructure, RemovingRowsMovesTheRowsBelowUpWithTheirHeightsMarksAndRecords)
{
    TExStringGrid grid;
    fill(grid, 3, 11);
    grid.HideRow(8);  // ten rows shown
    grid.ShowModified()->SetEnabled(true);
    grid.MouseActions()->SetDisjunctRowSelect(true);
    for (int r : {2, 4, 5}) {
        grid.SetRowModified(r, true);
        grid.SetRowSelect(r, true);
    }
    grid.SetRowEnabled(3, false);
    grid.SetRowEnabled(6, false);
    grid.CellProperties(1, 3)->SetBrushColor(clRed);

    grid.RemoveRows(2, 3);
    EXPECT_EQ(grid.RowCount(), 7);
    EXPECT_EQ(shownRows(grid), (std::vector<int>{0, 1, 5, 6, 7, 9, 10}));
    EXPECT_EQ(grid.RowHeights(2), 25);
    const std::tuple<int, bool, bool, bool> marks[] = {
        {1, false, false, true}, {2, true, true, true}, {3, false, false, false}, {4, false, false, true}};
    for (auto [row, modified, selected, enabled] : marks) {
        EXPECT_EQ(grid.RowModified(row), modified) << row;
        EXPECT_EQ(grid.RowSelect(row), selected) << row;
        EXPECT_EQ(grid.RowEnabled(row), enabled) << row;
    }
    EXPECT_EQ(grid.HiddenRowItem(0)->Idx(), 5) << "real 8 less the three rows above it";
    EXPECT_FALSE(grid.HasCellProperties(1, 3));
    grid.UnHideRowsAll();
    EXPECT_EQ(shownRows(grid), (std::vector<int>{0, 1, 5, 6, 7, 8, 9, 10}));
}

TEST(ExGridStructure, AHiddenRowBetweenRemovedRowsStaysHidden)
{
    TExStringGrid grid;
    fill(grid, 2, 10);
    grid.HideRow(3);
    grid.HideRow(8);
    grid.RemoveRows(2, 2);  // real rows 2 and 4
    EXPECT_EQ(shownRows(grid), (std::vector<int>{0, 1, 5, 6, 7, 9}));
    EXPECT_EQ(grid.HiddenRowItem(0)->Idx(), 2);
    EXPECT_EQ(grid.HiddenRowItem(1)->Idx(), 6);
    grid.UnHideRowsAll();
    EXPECT_EQ(shownRows(grid), (std::vector<int>{0, 1, 3, 5, 6, 7, 8, 9}));
}

TEST(ExGridStructure, RemovingRowsClipsTheCountAndIgnoresRowsPastTheEnd)
{
    const struct {
        int index;
        int count;
        std::vector<int> left;
    } cases[] = {
        {7, 99, {0, 1, 2, 3, 4, 5, 6}},
        {8, 0, {0, 1, 2, 3, 4, 5, 6, 7}},
        {8, 1, {0, 1, 2, 3, 4, 5, 6, 7}},
        {-1, 1, {0, 1, 2, 3, 4, 5, 6, 7}},
        {1, 1, {0, 2, 3, 4, 5, 6, 7}},
    };
    for (const auto& c : cases) {
        TExStringGrid grid;
        fill(grid, 2, 8);
        grid.RemoveRows(c.index, c.count);
        EXPECT_EQ(shownRows(grid), c.left) << c.index << "," << c.count;
    }
}

TEST(ExGridStructure, RemovedRowsTakeTheirControlsAlongAndTheControlsBelowMoveUp)
{
    TExStringGrid grid;
    fill(grid, 3, 10);
    QWidget inside;
    QWidget below;
    grid.SetCellControls(1, 3, &inside);
    grid.SetCellControls(2, 7, &below);
    grid.RemoveRows(2, 3);
    ASSERT_EQ(grid.ControlList()->Count(), 1);
    EXPECT_EQ(grid.ControlList()->Control(0)->Control, &below);
    EXPECT_EQ(grid.ControlList()->Control(0)->Y, 4);
    EXPECT_FALSE(inside.isVisibleTo(&grid));
    EXPECT_EQ(grid.CellControls(2, 4), &below);
    grid.SetCellControls(2, 4, nullptr);
}

TEST(ExGridStructure, ACurrentRowRemovedAtTheEndGoesToTheLastRowBeforeTheFooter)
{
    TExStringGrid grid;
    fill(grid, 3, 10);
    grid.SetFixedFooters(1);
    grid.SetRow(8);
    grid.RemoveRows(7, 2);
    EXPECT_EQ(grid.RowCount(), 8);
    EXPECT_EQ(grid.Row(), 6);
    EXPECT_EQ(grid.Cells(0, 7), cellText(0, 9)) << "the footer row moved up";

    grid.SetRow(3);
    grid.RemoveRows(5, 1);
    EXPECT_EQ(grid.Row(), 3) << "a row above the removed ones stays current";
}

TEST(ExGridStructure, InsertingRowsOpensEmptyRowsAtTheDefaultHeight)
{
    TExStringGrid grid;
    fill(grid, 3, 10);
    grid.HideColumn(1);
    QWidget control;
    grid.SetCellControls(2, 6, &control);
    grid.InsertRows(3, 2, true);
    EXPECT_EQ(grid.RowCount(), 12);
    for (int r : {3, 4}) {
        EXPECT_EQ(grid.RowHeights(r), grid.DefaultRowHeight()) << r;
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(grid.Cells(c, r), "") << c << "," << r;
    }
    EXPECT_EQ(grid.Cells(0, 5), cellText(0, 3));
    EXPECT_EQ(grid.Cells(1, 5), cellText(1, 3)) << "the hidden column moved with its row";
    EXPECT_EQ(grid.RowHeights(5), 23);
    EXPECT_EQ(grid.CellControls(2, 8), &control);
    EXPECT_EQ(grid.ControlList()->Control(0)->Y, 8);
    grid.SetCellControls(2, 8, nullptr);
}

TEST(ExGridStructure, InsertingRowsMovesTheDisjunctSelectionDown)
{
    for (bool persistent : {false, true}) {
        TExStringGrid grid;
        fill(grid, 3, 10);
        grid.MouseActions()->SetDisjunctRowSelect(true);
        grid.MouseActions()->SetRowSelectPersistent(persistent);
        grid.SetRowSelect(4, true);
        grid.InsertRows(2, 2);
        EXPECT_FALSE(grid.RowSelect(4)) << persistent;
        EXPECT_TRUE(grid.RowSelect(6)) << persistent;
        EXPECT_EQ(grid.SelectedRows(), std::vector<int>{6}) << persistent;
        grid.RemoveRows(1, 2);
        EXPECT_TRUE(grid.RowSelect(4)) << persistent;
        EXPECT_EQ(grid.SelectedRows(), std::vector<int>{4}) << persistent;
    }
}

TEST(ExGridStructure, AddRowOpensTheRowAboveTheFixedFooterRow)
{
    TExStringGrid grid;
    fill(grid, 3, 6);
    grid.FloatingFooter()->SetFooterStyle(fsFixedLastRow);
    grid.FloatingFooter()->SetVisible(true);
    grid.AddRow();
    EXPECT_EQ(grid.RowCount(), 7);
    EXPECT_EQ(grid.Cells(0, 4), cellText(0, 4));
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(grid.Cells(c, 5), "") << c;

    TExStringGrid plain;
    fill(plain, 3, 6);
    plain.AddRow();
    EXPECT_EQ(plain.RowCount(), 7);
    EXPECT_EQ(plain.Cells(0, 5), cellText(0, 5));
    EXPECT_EQ(plain.Cells(0, 6), "");
    plain.AddColumn();
    EXPECT_EQ(plain.ColCount(), 4);
    EXPECT_EQ(plain.Cells(3, 2), "");
}

TEST(ExGridStructure, RemovingRowsExMovesTextsAndLeavesHeights)
{
    TExStringGrid grid;
    fill(grid, 2, 8);
    grid.HideRow(6);
    grid.RemoveRowsEx(2, 2);
    EXPECT_EQ(shownRows(grid), (std::vector<int>{0, 1, 4, 5, 7}));
    EXPECT_EQ(grid.RowHeights(2), 22);
    EXPECT_EQ(grid.HiddenRowItem(0)->Idx(), 4);
}

TEST(ExGridStructure, CheckedRowsGoFromTheBottomUpAndFixedRowsStay)
{
    TExStringGrid grid;
    fill(grid, 3, 7);
    for (int r = 0; r < 7; ++r)
        grid.AddCheckBox(1, r, r == 0 || r == 2 || r == 5 || r == 6, false);
    std::vector<int> removedFrom;
    grid.OnCellsChanged = [&removedFrom](TObject*, const TRect& R) { removedFrom.push_back(R.Top); };
    grid.RemoveCheckedRows(1, true);
    EXPECT_EQ(shownRows(grid), (std::vector<int>{0, 1, 3, 4}));
    EXPECT_EQ(removedFrom, (std::vector<int>{6, 5, 2}));

    TExStringGrid unchecked;
    fill(unchecked, 3, 5);
    for (int r : {1, 2})
        unchecked.AddCheckBox(1, r, r == 2, false);
    unchecked.RemoveCheckedRows(1, false);
    EXPECT_EQ(shownRows(unchecked), (std::vector<int>{0, 2, 3, 4})) << "rows without a check box stay";
}

TEST(ExGridStructure, DuplicatesGoWithOrWithoutCase)
{
    const struct {
        bool doCase;
        QStringList left;
    } cases[] = {{false, {"head", "a", "b"}}, {true, {"head", "a", "A", "b"}}};
    for (const auto& c : cases) {
        TExStringGrid grid;
        grid.SetColCount(3);
        grid.SetRowCount(5);
        const QStringList texts{"head", "a", "A", "b", "a"};
        for (int r = 0; r < 5; ++r)
            grid.SetCells(0, r, texts[r]);
        grid.RemoveDuplicates(0, c.doCase);
        EXPECT_EQ(shownTexts(grid), c.left) << c.doCase;
    }
}

TEST(ExGridStructure, SelectedAndUnselectedRowsGo)
{
    TExStringGrid range;
    fill(range, 3, 8);
    range.SetSelection(TGridRect{1, 2, 2, 4});
    range.RemoveSelectedRows();
    EXPECT_EQ(shownRows(range), (std::vector<int>{0, 1, 5, 6, 7}));

    TExStringGrid disjunct;
    fill(disjunct, 3, 8);
    disjunct.MouseActions()->SetDisjunctRowSelect(true);
    for (int r : {2, 5, 6})
        disjunct.SetRowSelect(r, true);
    disjunct.RemoveUnSelectedRows();
    EXPECT_EQ(shownRows(disjunct), (std::vector<int>{0, 2, 5, 6}));
    EXPECT_EQ(disjunct.RowSelectCount(), 0);
    for (int r : {1, 3})
        disjunct.SetRowSelect(r, true);
    disjunct.RemoveSelectedRows();
    EXPECT_EQ(shownRows(disjunct), (std::vector<int>{0, 5}));
}

TEST(ExGridStructure, RemovingColumnsClipsAtTheLastRealColumn)
{
    TExStringGrid grid;
    fill(grid, 5, 3);
    grid.CellProperties(3, 1)->SetBrushColor(clRed);
    grid.RemoveCols(1, 99);
    EXPECT_EQ(grid.ColCount(), 1);
    EXPECT_EQ(grid.Cells(0, 1), cellText(0, 1));
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_FALSE(grid.HasCellProperties(3, 1));
}

TEST(ExGridStructure, RemovingColumnsOverAHiddenOneKeepsTheHiddenCount)
{
    TExStringGrid grid;
    fill(grid, 5, 3);
    grid.SetColWidths(4, 77);
    grid.HideColumn(3);
    grid.RemoveCols(2, 2);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(grid.NumHiddenColumns(), 0);
    EXPECT_EQ(grid.Cells(2, 1), cellText(4, 1));
    EXPECT_EQ(grid.ColWidths(2), 77);

    TExStringGrid after;
    fill(after, 5, 3);
    after.SetColWidths(3, 55);
    after.HideColumn(3);
    after.HideRow(1);
    after.RemoveCols(1, 1);
    EXPECT_TRUE(after.IsHiddenColumn(2)) << "the hidden column moved with its cells";
    EXPECT_FALSE(after.IsHiddenColumn(3));
    EXPECT_EQ(after.NumHiddenColumns(), 1);
    EXPECT_EQ(after.ColCount(), 3);
    EXPECT_EQ(after.AllColWidths(2), 55);
    EXPECT_EQ(after.AllCells(2, 1), cellText(3, 1)) << "hidden rows lose the column too";
    after.UnHideColumn(2);
    EXPECT_EQ(after.Cells(2, 1), cellText(3, 2)) << "display row 1 is real row 2";
    EXPECT_EQ(after.ColWidths(2), 55);
}

TEST(ExGridStructure, InsertingColumnsMovesHiddenColumnsWidthsAndRecords)
{
    TExStringGrid grid;
    fill(grid, 4, 4);
    grid.SetColWidths(2, 44);
    grid.SetColWidths(3, 33);
    grid.HideColumn(2);
    grid.HideRow(2);
    grid.InsertCols(1, 2);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.NumHiddenColumns(), 1);
    EXPECT_TRUE(grid.IsHiddenColumn(4));
    EXPECT_EQ(grid.AllColWidths(4), 44);
    EXPECT_EQ(grid.ColWidths(1), grid.DefaultColWidth());
    EXPECT_EQ(grid.ColWidths(4), 33);
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(grid.Cells(3, 1), cellText(1, 1));
    EXPECT_EQ(grid.Cells(4, 1), cellText(2, 1));
    EXPECT_EQ(grid.AllCells(5, 2), cellText(3, 2));
    EXPECT_EQ(grid.AllCells(1, 2), "");
    grid.UnHideRowsAll();
    EXPECT_EQ(grid.Cells(3, 2), cellText(1, 2));
}

TEST(ExGridStructure, SwappingRowsCarriesHiddenColumnsAndFreesNothing)
{
    // Run under the sanitizer build, a freed or doubly owned object shows.
    auto grid = std::make_unique<TExStringGrid>();
    fill(*grid, 4, 6);
    grid->HideColumn(3);
    grid->CellProperties(3, 1)->SetBrushColor(clRed);
    grid->CellProperties(3, 4)->SetBrushColor(clBlue);
    grid->SetRowHeights(1, 40);
    grid->SwapRows(1, 4);
    EXPECT_EQ(grid->Cells(3, 1), cellText(3, 4));
    EXPECT_EQ(grid->Cells(3, 4), cellText(3, 1));
    EXPECT_EQ(grid->CellProperties(3, 4)->BrushColor(), clRed);
    EXPECT_EQ(grid->CellProperties(3, 1)->BrushColor(), clBlue);
    EXPECT_EQ(grid->RowHeights(4), 40);
    EXPECT_EQ(grid->RowHeights(1), 24);
    grid.reset();
}

TEST(ExGridStructure, SwappingColumnsMovesTheSortedColumnAndTheWidths)
{
    TExStringGrid grid;
    fill(grid, 4, 3);
    grid.SetColWidths(1, 11);
    grid.SetColWidths(3, 33);
    grid.SortSettings()->SetColumn(1);
    grid.SwapColumns(1, 3);
    EXPECT_EQ(grid.SortSettings()->Column(), 3);
    EXPECT_EQ(grid.Cells(1, 2), cellText(3, 2));
    EXPECT_EQ(grid.Cells(3, 2), cellText(1, 2));
    EXPECT_EQ(grid.ColWidths(1), 33);
    EXPECT_EQ(grid.ColWidths(3), 11);
    grid.SwapColumns(3, 1);
    EXPECT_EQ(grid.SortSettings()->Column(), 1);
}

TEST(ExGridStructure, SelectedOrUnselectedColumnsGo)
{
    TExStringGrid range;
    fill(range, 6, 3);
    range.SetSelection(TGridRect{2, 1, 3, 1});
    range.RemoveUnSelectedCols();
    EXPECT_EQ(range.ColCount(), 3);
    EXPECT_EQ(range.Cells(1, 1), cellText(2, 1));
    EXPECT_EQ(range.Cells(2, 1), cellText(3, 1));

    TExStringGrid disjunct;
    fill(disjunct, 6, 3);
    disjunct.MouseActions()->SetDisjunctColSelect(true);
    disjunct.SetColSelect(2, true);
    disjunct.SetColSelect(4, true);
    disjunct.RemoveSelectedCols();
    EXPECT_EQ(disjunct.ColCount(), 4);
    EXPECT_EQ(disjunct.Cells(2, 1), cellText(3, 1));
    EXPECT_EQ(disjunct.Cells(3, 1), cellText(5, 1));
    EXPECT_EQ(disjunct.ColSelectCount(), 0);
}

TEST(ExGridStructure, TheColumnGridKeepsItsDefinitionsInStep)
{
    TExColumnGrid grid;
    grid.SetColCount(4);
    for (int c = 0; c < 4; ++c)
        grid.Columns()->Items(c)->SetHeader(QStringLiteral("h%1").arg(c));
    grid.InsertCols(1, 2);
    ASSERT_EQ(grid.Columns()->Count(), 6);
    const QStringList inserted{"h0", "", "", "h1", "h2", "h3"};
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(grid.Columns()->Items(c)->Header(), inserted[c]) << c;
    grid.RemoveCols(0, 2);
    ASSERT_EQ(grid.Columns()->Count(), 4);
    const QStringList removed{"", "h1", "h2", "h3"};
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(grid.Columns()->Items(c)->Header(), removed[c]) << c;
    grid.HideColumn(3);
    grid.RemoveCols(2, 5);
    EXPECT_EQ(grid.Columns()->Count(), 2);
    EXPECT_EQ(grid.ColCount(), 2);
}
