#include "tests/grid/services/shape/ShapeTestGrid.h"
#include "grid/engine/ExGrid.h"
#include "grid/foundation/cellstore/BaseGrid.h"
#include "grid/foundation/objects/ExObjLists.h"
#include "grid/services/shape/ExGridHiddenIndex.h"
#include "platform/core/StringList.h"

#include <QtGui/QAccessible>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

TEST(HiddenColumns, MapRealAndDisplayIndexesWithoutLimitAndKeepFullWidths)
{
    THiddenColumns columns;
    for (int i : {-1, 0, 3, 700})
        EXPECT_EQ(columns.DisplayToReal(i), i);
    columns.Hide(2, 40000);
    columns.Hide(600, 10);
    EXPECT_EQ(columns.Count(), 2);
    EXPECT_EQ(columns.DisplayToReal(-1), -1);
    EXPECT_EQ(columns.DisplayToReal(1), 1);
    EXPECT_EQ(columns.DisplayToReal(2), 3);
    EXPECT_EQ(columns.DisplayToReal(598), 599);
    EXPECT_EQ(columns.DisplayToReal(599), 601);
    EXPECT_EQ(columns.RealToDisplay(2), 2);
    EXPECT_EQ(columns.RealToDisplay(3), 2);
    EXPECT_EQ(columns.RealToDisplay(601), 599);
    EXPECT_EQ(columns.RealToDisplay(-1), -1);
    EXPECT_EQ(columns.Show(2), 40000);
    EXPECT_FALSE(columns.IsHidden(2));
    EXPECT_TRUE(columns.IsHidden(600));
}

TEST(HiddenRows, MapRealAndDisplayIndexes)
{
    const std::vector<int> hidden = {4, 2};
    EXPECT_EQ(HiddenDisplayToRealRow(2, hidden), 3);
    EXPECT_EQ(HiddenDisplayToRealRow(3, hidden), 5);
    EXPECT_EQ(HiddenDisplayToRealRow(-1, hidden), -1);
    EXPECT_EQ(HiddenRealToDisplayRow(4, hidden), 3);
    EXPECT_EQ(HiddenRealToDisplayRow(2, hidden), 2);
}

TEST(ExGridHidden, ANewGridMapsEveryIndexToItself)
{
    TExStringGrid grid;
    EXPECT_EQ(grid.NumHiddenColumns(), 0);
    EXPECT_EQ(grid.NumHiddenRows(), 0);
    for (int i : {-1, 0, 3, 600}) {
        EXPECT_EQ(grid.RealColIndex(i), i);
        EXPECT_EQ(grid.DisplColIndex(i), i);
        EXPECT_EQ(grid.RealRowIndex(i), i);
        EXPECT_EQ(grid.DisplRowIndex(i), i);
    }
}

TEST(ExGridHidden, HidingAColumnKeepsItsCellsAndGivesItsWidthBack)
{
    TExStringGrid grid;
    fill(grid, 5, 4);
    grid.SetColWidths(2, 40000);
    grid.SetColWidths(3, 33);
    grid.HideColumn(2);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.NumHiddenColumns(), 1);
    EXPECT_EQ(grid.TotalColCount(), 5);
    EXPECT_TRUE(grid.IsHiddenColumn(2));
    EXPECT_EQ(grid.RealColIndex(2), 3);
    EXPECT_EQ(grid.DisplColIndex(3), 2);
    EXPECT_EQ(grid.DisplColIndex(2), 2);
    EXPECT_EQ(grid.RealColIndex(-1), -1);
    EXPECT_EQ(grid.ColWidths(2), 33);
    EXPECT_EQ(grid.Cells(2, 1), cellText(2, 1));
    grid.SetCells(2, 1, "changed");

    grid.UnHideColumn(2);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.ColWidths(2), 40000);
    EXPECT_EQ(grid.ColWidths(3), 33);
    EXPECT_EQ(grid.Cells(2, 1), "changed");
}

TEST(ExGridHidden, ColumnHidingSkipsTheLastShownColumnAndMovesTheCurrentColumn)
{
    TExStringGrid grid;
    fill(grid, 3, 3);
    grid.SetCol(2);
    grid.HideColumn(2);
    EXPECT_EQ(grid.Col(), 1);
    grid.HideColumn(7);
    EXPECT_EQ(grid.NumHiddenColumns(), 1) << "a column that does not exist is skipped";
    grid.HideColumn(1);
    grid.HideColumn(0);
    EXPECT_EQ(grid.ColCount(), 1);
    EXPECT_FALSE(grid.IsHiddenColumn(0));
    grid.UnHideColumnsAll();
    EXPECT_EQ(grid.ColCount(), 3);
}

TEST(ExGridHidden, ColumnsPast511HideAndShow)
{
    TExStringGrid grid;
    grid.SetColCount(601);
    grid.SetCells(600, 1, "far");
    grid.HideColumn(520);
    EXPECT_TRUE(grid.IsHiddenColumn(520));
    EXPECT_EQ(grid.RealColIndex(599), 600);
    EXPECT_EQ(grid.Cells(grid.RealColIndex(599), 1), "far");
    grid.UnHideColumn(520);
    EXPECT_EQ(grid.ColCount(), 601);
}

TEST(ExGridHidden, AssistiveToolsSeeTheShownColumnsOnly)
{
    TExStringGrid grid;
    fill(grid, 5, 3);
    grid.HideColumn(2);
    QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(&grid)->tableInterface();
    EXPECT_EQ(cells->columnCount(), 4);
    EXPECT_EQ(cells->cellAt(1, 2)->text(QAccessible::Name), cellText(3, 1));
}

TEST(ExGridHidden, HiddenRowsComeBackWithTextsPropertiesAndHeights)
{
    TExStringGrid grid;
    fill(grid, 3, 10);
    grid.HideColumn(1);
    grid.CellProperties(1, 4)->SetBrushColor(clRed);
    grid.HideRows(3, 5);
    EXPECT_EQ(grid.RowCount(), 7);
    EXPECT_EQ(grid.NumHiddenRows(), 3);
    EXPECT_EQ(grid.TotalRowCount(), 10);
    EXPECT_EQ(shownRows(grid), (std::vector<int>{0, 1, 2, 6, 7, 8, 9}));
    EXPECT_EQ(grid.RowHeights(3), 26);
    EXPECT_EQ(grid.AllCells(1, 4), cellText(1, 4)) << "hidden row, hidden column";
    EXPECT_EQ(grid.AllCells(2, 6), cellText(2, 6));

    grid.UnHideRows(3, 5);
    EXPECT_EQ(grid.NumHiddenRows(), 0);
    EXPECT_EQ(shownRows(grid), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    for (int r = 0; r < 10; ++r)
        EXPECT_EQ(grid.RowHeights(r), 20 + r) << r;
    EXPECT_EQ(grid.Cells(1, 4), cellText(1, 4));
    ASSERT_TRUE(grid.HasCellProperties(1, 4));
    EXPECT_EQ(grid.CellProperties(1, 4)->BrushColor(), clRed);
}

TEST(ExGridHidden, HidingARangeSkipsRowsAlreadyHidden)
{
    TExStringGrid grid;
    fill(grid, 2, 10);
    grid.HideRow(4);
    grid.HideRows(3, 6);
    EXPECT_EQ(grid.NumHiddenRows(), 4);
    EXPECT_EQ(shownRows(grid), (std::vector<int>{0, 1, 2, 7, 8, 9}));
    for (int i = 0; i < grid.NumHiddenRows(); ++i) {
        TGridItem* item = grid.HiddenRowItem(i);
        EXPECT_EQ(item->Idx(), 3 + i) << "records stay in ascending order";
        EXPECT_EQ(item->Items()->Strings(0), cellText(0, item->Idx()));
    }
    grid.HideRows(4, 5);
    EXPECT_EQ(grid.NumHiddenRows(), 4);
}

TEST(ExGridHidden, ShowingARangeOpensEachRowWhereItsRealIndexMaps)
{
    TExStringGrid grid;
    fill(grid, 2, 10);
    grid.HideRow(3);
    grid.HideRow(5);
    EXPECT_EQ(grid.RealRowIndex(3), 4);
    grid.UnHideRows(4, 6);
    EXPECT_EQ(grid.NumHiddenRows(), 2) << "nothing when the first row is not hidden";
    grid.UnHideRows(3, 6);
    EXPECT_EQ(grid.NumHiddenRows(), 0);
    EXPECT_EQ(shownRows(grid), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(ExGridHidden, RowMappingsWithRowsTwoAndFourHidden)
{
    TExStringGrid grid;
    fill(grid, 2, 8);
    grid.HideRow(2);
    grid.HideRow(4);
    EXPECT_TRUE(grid.IsHiddenRow(4));
    EXPECT_EQ(grid.RealRowIndex(2), 3);
    EXPECT_EQ(grid.DisplRowIndex(4), 3);
    EXPECT_EQ(grid.RealRowIndex(-1), -1);
    grid.SetRow(2);
    EXPECT_EQ(grid.RealRow(), 3);
}

TEST(ExGridHidden, FilterLevelsStackAndComeBackInOrder)
{
    TExStringGrid grid;
    fill(grid, 2, 6);
    grid.HideRowList(intList({2, 4}));
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.FilterLevel(), 1);
    EXPECT_EQ(shownRows(grid), (std::vector<int>{0, 1, 3, 5}));
    EXPECT_EQ(grid.RowHeights(3), 25);

    grid.HideRowList(intList({1}));
    EXPECT_EQ(shownRows(grid), (std::vector<int>{0, 3, 5}));

    grid.UnHideRowList();
    grid.SetFilterLevel(grid.FilterLevel() - 1);
    EXPECT_EQ(shownRows(grid), (std::vector<int>{0, 1, 3, 5}));
    grid.UnHideRowList();
    grid.SetFilterLevel(0);
    EXPECT_EQ(shownRows(grid), (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(grid.NumHiddenRows(), 0);
    for (int r = 0; r < 6; ++r)
        EXPECT_EQ(grid.RowHeights(r), 20 + r);

    grid.HideRow(3);
    grid.UnHideRowList();
    EXPECT_EQ(grid.NumHiddenRows(), 1) << "without a filter level nothing is restored";
}

TEST(ExGridHidden, ShowingAllRowsRunsOverEveryRecord)
{
    TExStringGrid grid;
    fill(grid, 2, 12);
    for (int r : {2, 7, 8, 9})
        grid.HideRow(r);
    EXPECT_EQ(grid.RowCount(), 8);
    grid.UnHideRowsAll();
    EXPECT_EQ(grid.NumHiddenRows(), 0);
    EXPECT_EQ(shownRows(grid), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

TEST(ExGridHidden, InsertingRowsMovesTheRecordsBehindThem)
{
    TExStringGrid grid;
    fill(grid, 2, 8);
    grid.HideRow(5);
    grid.InsertRows(3, 2);
    EXPECT_EQ(grid.HiddenRowItem(0)->Idx(), 7);
    EXPECT_EQ(grid.Cells(0, 3), "");
    grid.UnHideRowsAll();
    EXPECT_EQ(grid.Cells(0, 7), cellText(0, 5));
    EXPECT_EQ(grid.Cells(0, 6), cellText(0, 4));
}

TEST(ExGridHidden, HiddenRowRecordsOwnTheirCellProperties)
{
    // Run under the sanitizer build, a leak of the records' properties shows.
    auto grid = std::make_unique<TExStringGrid>();
    fill(*grid, 3, 6);
    grid->CellProperties(1, 2)->SetBrushColor(clRed);
    grid->CellProperties(2, 3)->SetBrushColor(clRed);
    grid->HideRows(2, 3);
    grid.reset();

    TExStringGrid cleared;
    fill(cleared, 3, 6);
    cleared.CellProperties(1, 2)->SetBrushColor(clRed);
    cleared.HideRow(2);
    cleared.ClearAll();
    cleared.UnHideRowsAll();
    EXPECT_EQ(cleared.RowCount(), 6);
    EXPECT_FALSE(cleared.HasCellProperties(1, 2));
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(cleared.Cells(c, 2), "");
}

// Random hiding, showing, filter levels, inserting, removing and swapping
// checked against a plain model of the real rows and columns.
namespace {

struct ModelRow {
    std::vector<QString> texts;
    int height;
    bool hidden;
    int level;
};

struct Model {
    std::vector<ModelRow> rows;
    std::vector<bool> hiddenCols;
    int filterLevel = 0;

    std::vector<int> shownReals() const
    {
        std::vector<int> reals;
        for (int r = 0; r < static_cast<int>(rows.size()); ++r)
            if (!rows[static_cast<size_t>(r)].hidden)
                reals.push_back(r);
        return reals;
    }
    int shownColCount() const { return static_cast<int>(std::count(hiddenCols.begin(), hiddenCols.end(), false)); }
};

// Checks every real cell through AllCells, the mappings both ways, the
// heights and the counts.
void expectGridMatches(TExStringGrid& grid, const Model& model, const std::string& where)
{
    int display = 0;
    for (int r = 0; r < static_cast<int>(model.rows.size()); ++r) {
        const ModelRow& row = model.rows[static_cast<size_t>(r)];
        for (int c = 0; c < static_cast<int>(row.texts.size()); ++c)
            ASSERT_EQ(grid.AllCells(c, r), row.texts[static_cast<size_t>(c)]) << where << " cell " << c << "," << r;
        ASSERT_EQ(grid.IsHiddenRow(r), row.hidden) << where << " row " << r;
        if (row.hidden)
            continue;
        ASSERT_EQ(grid.RealRowIndex(display), r) << where;
        ASSERT_EQ(grid.DisplRowIndex(r), display) << where;
        ASSERT_EQ(grid.RowHeights(display), row.height) << where << " row " << r;
        ++display;
    }
    ASSERT_EQ(grid.RowCount(), display) << where;
    ASSERT_EQ(grid.NumHiddenRows(), static_cast<int>(model.rows.size()) - display) << where;
    int shownCol = 0;
    for (int c = 0; c < static_cast<int>(model.hiddenCols.size()); ++c) {
        ASSERT_EQ(grid.IsHiddenColumn(c), model.hiddenCols[static_cast<size_t>(c)]) << where << " column " << c;
        if (model.hiddenCols[static_cast<size_t>(c)])
            continue;
        ASSERT_EQ(grid.RealColIndex(shownCol), c) << where;
        ++shownCol;
    }
    ASSERT_EQ(grid.ColCount(), shownCol) << where;
    ASSERT_EQ(grid.NumHiddenColumns(), static_cast<int>(model.hiddenCols.size()) - shownCol) << where;
}

} // namespace

TEST(ExGridHidden, RandomOperationsAgreeWithAPlainModel)
{
    std::mt19937 random(23);
    const auto pick = [&random](int from, int count) { return from + static_cast<int>(random() % static_cast<unsigned>(count)); };
    for (int round = 0; round < 30; ++round) {
        TExStringGrid grid;
        const int startCols = 6;
        fill(grid, startCols, 14);
        Model model;
        for (int r = 0; r < 14; ++r) {
            ModelRow row{{}, 20 + r, false, 0};
            for (int c = 0; c < startCols; ++c)
                row.texts.push_back(cellText(c, r));
            model.rows.push_back(row);
        }
        model.hiddenCols.assign(startCols, false);
        int added = 0;
        for (int step = 0; step < 50; ++step) {
            const int op = pick(0, 11);
            const int total = static_cast<int>(model.rows.size());
            const int cols = static_cast<int>(model.hiddenCols.size());
            const int real = pick(1, total - 1);
            const int col = pick(0, cols);
            const std::vector<int> shown = model.shownReals();
            const int shownCount = static_cast<int>(shown.size());
            ModelRow& chosen = model.rows[static_cast<size_t>(real)];
            if (op == 0 && !chosen.hidden && shownCount > 4) {
                grid.HideRow(real);
                chosen.hidden = true;
                chosen.level = 0;
            } else if (op == 1 && chosen.hidden) {
                grid.UnHideRow(real);
                chosen.hidden = false;
            } else if (op == 2) {
                const int display = pick(1, grid.RowCount() - 1);
                const int at = grid.RealRowIndex(display);
                grid.InsertRows(display, 1);
                model.rows.insert(model.rows.begin() + at, ModelRow{std::vector<QString>(static_cast<size_t>(cols)),
                                                                    grid.DefaultRowHeight(), false, 0});
                const QString text = QStringLiteral("new%1").arg(++added);
                grid.SetCells(col, display, text);
                model.rows[static_cast<size_t>(at)].texts[static_cast<size_t>(col)] = text;
            } else if (op == 3 && grid.ColCount() > 1 && !model.hiddenCols[static_cast<size_t>(col)]) {
                grid.HideColumn(col);
                model.hiddenCols[static_cast<size_t>(col)] = true;
            } else if (op == 4 && model.hiddenCols[static_cast<size_t>(col)]) {
                grid.UnHideColumn(col);
                model.hiddenCols[static_cast<size_t>(col)] = false;
            } else if (op == 5 && shownCount > 5) {
                const int display = pick(1, shownCount - 1);
                const int count = std::min(pick(1, 2), shownCount - display);
                grid.RemoveRows(display, count);
                for (int i = count - 1; i >= 0; --i)
                    model.rows.erase(model.rows.begin() + shown[static_cast<size_t>(display + i)]);
            } else if (op == 6 && cols < 9) {
                grid.InsertCols(col, 1);
                for (ModelRow& row : model.rows)
                    row.texts.insert(row.texts.begin() + col, QString());
                model.hiddenCols.insert(model.hiddenCols.begin() + col, false);
                const int display = pick(0, grid.RowCount());
                const QString text = QStringLiteral("col%1").arg(++added);
                grid.SetCells(col, display, text);
                model.rows[static_cast<size_t>(shown[static_cast<size_t>(display)])].texts[static_cast<size_t>(col)] = text;
            } else if (op == 7 && cols > 2 && (model.hiddenCols[static_cast<size_t>(col)] || grid.ColCount() > 1)) {
                grid.RemoveCols(col, 1);
                for (ModelRow& row : model.rows)
                    row.texts.erase(row.texts.begin() + col);
                model.hiddenCols.erase(model.hiddenCols.begin() + col);
            } else if (op == 8) {
                const int a = pick(0, shownCount);
                const int b = pick(0, shownCount);
                grid.SwapRows(a, b);
                std::swap(model.rows[static_cast<size_t>(shown[static_cast<size_t>(a)])],
                          model.rows[static_cast<size_t>(shown[static_cast<size_t>(b)])]);
            } else if (op == 9 && shownCount > 5) {
                const int first = pick(1, shownCount - 2);
                const int second = pick(first + 1, shownCount - first - 1);
                grid.HideRowList(intList({first, second}));
                for (int display : {first, second}) {
                    ModelRow& row = model.rows[static_cast<size_t>(shown[static_cast<size_t>(display)])];
                    row.hidden = true;
                    row.level = model.filterLevel;
                }
                ++model.filterLevel;
            } else if (op == 10 && model.filterLevel > 0) {
                grid.UnHideRowList();
                grid.SetFilterLevel(grid.FilterLevel() - 1);
                --model.filterLevel;
                for (ModelRow& row : model.rows)
                    if (row.hidden && row.level == model.filterLevel)
                        row.hidden = false;
            }
            ASSERT_EQ(grid.FilterLevel(), model.filterLevel);
            expectGridMatches(grid, model, "round " + std::to_string(round) + " step " + std::to_string(step) +
                                               " op " + std::to_string(op));
        }
    }
}

TEST(ExGridHidden, SelectedOrUnselectedRowsHide)
{
    TExStringGrid grid;
    fill(grid, 3, 8);
    grid.SetSelection(TGridRect{1, 2, 2, 4});
    grid.HideSelectedRows();
    EXPECT_EQ(shownRows(grid), (std::vector<int>{0, 1, 5, 6, 7}));
    grid.UnHideRowsAll();

    grid.SetSelection(TGridRect{1, 2, 2, 4});
    grid.HideUnSelectedRows();
    EXPECT_EQ(shownRows(grid), (std::vector<int>{0, 2, 3, 4}));
}

TEST(ExGridHidden, TheControlInTheFirstHiddenRowHidesAndComesBack)
{
    TExStringGrid grid;
    fill(grid, 3, 6);
    grid.resize(300, 200);
    QWidget control(&grid);
    grid.CellProperties(1, 2)->SetControl(&control);
    control.show();
    grid.HideRows(2, 3);
    EXPECT_FALSE(control.isVisibleTo(&grid));
    grid.UnHideRows(2, 3);
    EXPECT_TRUE(control.isVisibleTo(&grid));
    const TRect cell = grid.CellRect(1, 2);
    EXPECT_EQ(control.geometry(), QRect(cell.Left, cell.Top, cell.Right - cell.Left, cell.Bottom - cell.Top - 1));
    grid.CellProperties(1, 2)->SetControl(nullptr);
}

TEST(ExGridHidden, VisibleFixedRightColumnsLeaveOutHiddenOnes)
{
    TExStringGrid grid;
    fill(grid, 6, 3);
    grid.SetFixedRightCols(2);
    EXPECT_EQ(grid.VisibleFixedRightCols(), 2);
    grid.HideColumn(5);
    EXPECT_EQ(grid.VisibleFixedRightCols(), 1);
    EXPECT_EQ(grid.LeadingFixedCols(), 1);
}

namespace {

// Rows a..f in column 0.
void letters(TExStringGrid& grid)
{
    grid.SetColCount(2);
    grid.SetRowCount(6);
    for (int r = 0; r < 6; ++r)
        grid.SetCells(0, r, QString(QChar('a' + r)));
}

} // namespace

TEST(ExGridHidden, StackedFilterLevelsKeepRealIndexesInTheirRecords)
{
    TExStringGrid grid;
    letters(grid);
    grid.HideRowList(intList({2}));
    grid.HideRowList(intList({2}));
    EXPECT_EQ(shownTexts(grid), (QStringList{"a", "b", "e", "f"}));
    EXPECT_EQ(grid.RealRowIndex(2), 4);
    EXPECT_EQ(grid.DisplRowIndex(4), 2);
    EXPECT_TRUE(grid.IsHiddenRow(3));
    EXPECT_FALSE(grid.IsHiddenRow(4));
    EXPECT_EQ(grid.AllCells(0, 3), "d");
    EXPECT_EQ(grid.AllCells(0, 2), "c");
    EXPECT_EQ(grid.HiddenRowItem(1)->Idx(), 3) << "the real index, not the display index 2";

    grid.UnHideRowList();
    grid.SetFilterLevel(grid.FilterLevel() - 1);
    EXPECT_EQ(shownTexts(grid), (QStringList{"a", "b", "d", "e", "f"}));
    grid.UnHideRowList();
    grid.SetFilterLevel(grid.FilterLevel() - 1);
    EXPECT_EQ(shownTexts(grid), (QStringList{"a", "b", "c", "d", "e", "f"}));
    EXPECT_EQ(grid.NumHiddenRows(), 0);
}

TEST(ExGridHidden, AFilterLevelOverAHiddenRowPutsEveryRowBackAtItsPlace)
{
    TExStringGrid grid;
    letters(grid);
    grid.HideRow(1);
    grid.HideRowList(intList({2}));
    EXPECT_EQ(shownTexts(grid), (QStringList{"a", "c", "e", "f"}));
    EXPECT_TRUE(grid.IsHiddenRow(3));
    EXPECT_EQ(grid.AllCells(0, 3), "d");
    grid.UnHideRowList();
    EXPECT_EQ(shownTexts(grid), (QStringList{"a", "b", "c", "d", "e", "f"}));
    EXPECT_EQ(grid.NumHiddenRows(), 0) << "no record is left without its row";
}

TEST(ExGridHidden, TheCachedQuestionAnswersFromOneListOfTheHiddenRows)
{
    TExStringGrid grid;
    fill(grid, 2, 8);
    grid.HideRow(2);
    grid.HideRow(5);
    std::unique_ptr<TIntList> hidden;
    const std::pair<int, bool> cases[] = {{2, true}, {3, false}, {5, true}, {-1, false}, {9, false}};
    for (auto [row, expected] : cases)
        EXPECT_EQ(grid.IsHiddenRow(row, hidden), expected) << row;
    ASSERT_TRUE(hidden);
    EXPECT_EQ(hidden->Count(), 2);
    grid.UnHideRow(5);
    EXPECT_TRUE(grid.IsHiddenRow(5, hidden)) << "the cache stays as it was made";
    EXPECT_FALSE(grid.IsHiddenRow(5));
}
