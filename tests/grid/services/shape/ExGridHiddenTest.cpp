#include "grid/engine/ExGrid.h"
#include "grid/foundation/cellstore/BaseGrid.h"
#include "grid/foundation/objects/ExObjLists.h"
#include "grid/services/shape/ExGridHiddenIndex.h"
#include "platform/core/StringList.h"

#include <QtGui/QAccessible>

#include <gtest/gtest.h>

#include <random>
#include <vector>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

QString cellText(int col, int row) { return QStringLiteral("%1:%2").arg(col).arg(row); }

// A grid of the given size whose every cell names itself "col:row" and whose
// rows are 20 + row pixels high, so moved rows can be told apart.
void fill(TExStringGrid& grid, int cols, int rows)
{
    grid.SetColCount(cols);
    grid.SetRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        grid.SetRowHeights(r, 20 + r);
        for (int c = 0; c < cols; ++c)
            grid.SetCells(c, r, cellText(c, r));
    }
}

// The first text of each display row, as the row index it started with.
std::vector<int> shownRows(TExStringGrid& grid)
{
    std::vector<int> rows;
    for (int r = 0; r < grid.RowCount(); ++r)
        rows.push_back(grid.Cells(0, r).section(':', 1).toInt());
    return rows;
}

TIntList intList(std::initializer_list<int> values)
{
    TIntList list(-1, -1);
    for (int v : values)
        list.Add(v);
    return list;
}

} // namespace

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

// Random hiding, showing and inserting checked against a plain model of the
// real rows and columns.
TEST(ExGridHidden, RandomOperationsAgreeWithAPlainModel)
{
    struct ModelRow {
        std::vector<QString> texts;
        int height;
        bool hidden;
    };
    const int cols = 6;
    std::mt19937 random(23);
    for (int round = 0; round < 20; ++round) {
        TExStringGrid grid;
        fill(grid, cols, 12);
        std::vector<ModelRow> rows;
        for (int r = 0; r < 12; ++r) {
            ModelRow row{{}, 20 + r, false};
            for (int c = 0; c < cols; ++c)
                row.texts.push_back(cellText(c, r));
            rows.push_back(row);
        }
        std::vector<bool> hiddenCols(cols, false);
        int inserted = 0;
        for (int step = 0; step < 40; ++step) {
            const int op = static_cast<int>(random() % 5);
            const int total = static_cast<int>(rows.size());
            const int real = 1 + static_cast<int>(random() % static_cast<unsigned>(total - 1));
            const int col = static_cast<int>(random() % cols);
            int shownCount = 0;
            for (const ModelRow& row : rows)
                shownCount += row.hidden ? 0 : 1;
            if (op == 0 && !rows[static_cast<size_t>(real)].hidden && shownCount > 3) {
                grid.HideRow(real);
                rows[static_cast<size_t>(real)].hidden = true;
            } else if (op == 1 && rows[static_cast<size_t>(real)].hidden) {
                grid.UnHideRow(real);
                rows[static_cast<size_t>(real)].hidden = false;
            } else if (op == 2) {
                const int display = 1 + static_cast<int>(random() % static_cast<unsigned>(grid.RowCount() - 1));
                const int at = grid.RealRowIndex(display);
                grid.InsertRows(display, 1);
                ModelRow row{std::vector<QString>(cols), grid.DefaultRowHeight(), false};
                rows.insert(rows.begin() + at, row);
                const QString text = QStringLiteral("new%1").arg(++inserted);
                grid.SetCells(col, display, text);
                rows[static_cast<size_t>(at)].texts[static_cast<size_t>(col)] = text;
            } else if (op == 3 && grid.ColCount() > 1 && !hiddenCols[static_cast<size_t>(col)]) {
                grid.HideColumn(col);
                hiddenCols[static_cast<size_t>(col)] = true;
            } else if (op == 4 && hiddenCols[static_cast<size_t>(col)]) {
                grid.UnHideColumn(col);
                hiddenCols[static_cast<size_t>(col)] = false;
            }

            int display = 0;
            for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
                const ModelRow& row = rows[static_cast<size_t>(r)];
                for (int c = 0; c < cols; ++c)
                    ASSERT_EQ(grid.AllCells(c, r), row.texts[static_cast<size_t>(c)])
                        << "round " << round << " step " << step << " cell " << c << "," << r;
                if (row.hidden)
                    continue;
                ASSERT_EQ(grid.RealRowIndex(display), r) << "round " << round << " step " << step;
                ASSERT_EQ(grid.DisplRowIndex(r), display);
                ASSERT_EQ(grid.RowHeights(display), row.height) << "round " << round << " step " << step;
                ++display;
            }
            ASSERT_EQ(grid.RowCount(), display);
            int shownCol = 0;
            for (int c = 0; c < cols; ++c) {
                if (hiddenCols[static_cast<size_t>(c)])
                    continue;
                ASSERT_EQ(grid.RealColIndex(shownCol), c);
                ++shownCol;
            }
            ASSERT_EQ(grid.ColCount(), shownCol);
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
