#include "tests/platform/grid/GridFixture.h"

#include "platform/core/StringList.h"
#include "platform/core/TObject.h"

namespace {

// Counts its own destruction, so a test sees that the grid never frees it.
struct Tracked : TObject {
    explicit Tracked(int* deaths) : deaths_(deaths) {}
    ~Tracked() override { ++*deaths_; }
    int* deaths_;
};

class StringGridTest : public GridFixture {};

TEST_F(StringGridTest, NewGridHasThePlatformDefaults)
{
    TStringGrid grid;
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.DefaultColWidth(), 64);
    EXPECT_EQ(grid.DefaultRowHeight(), 24);
    EXPECT_EQ(grid.GridLineWidth(), 1);
    EXPECT_EQ(grid.Options(), DefaultGridOptions);
    EXPECT_EQ(grid.ScrollBars(), ssBoth);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST_F(StringGridTest, CellsBeyondTheCountsStayStoredAndReturnWhenTheGridGrows)
{
    TStringGrid grid;
    int deaths = 0;
    Tracked obj(&deaths);
    grid.SetCells(4, 4, "corner");
    grid.SetObjects(4, 4, &obj);
    grid.SetColCount(2);
    grid.SetRowCount(2);
    grid.SetCells(7, 1, "written outside");
    EXPECT_EQ(grid.Cells(7, 1), "written outside");
    grid.SetColCount(8);
    grid.SetRowCount(5);
    EXPECT_EQ(grid.Cells(4, 4), "corner");
    EXPECT_EQ(grid.Objects(4, 4), &obj);
    EXPECT_EQ(grid.Cells(7, 1), "written outside");
    EXPECT_EQ(grid.Cells(100, 100), "");
    EXPECT_EQ(grid.Objects(100, 100), nullptr);
    EXPECT_EQ(deaths, 0);
}

TEST_F(StringGridTest, NegativeCellWritesRaiseAndReadsAreEmpty)
{
    TStringGrid grid;
    EXPECT_EQ(grid.Cells(-1, 0), "");
    try {
        grid.SetCells(-1, 0, "x");
        FAIL() << "no exception";
    } catch (const EInvalidGridOperation& e) {
        EXPECT_EQ(e.Message(), "Grid index out of range");
    }
}

TEST_F(StringGridTest, CountsStayAtLeastOneAndLowerTheFixedCounts)
{
    TStringGrid grid;
    grid.SetColCount(0);
    EXPECT_EQ(grid.ColCount(), 1);
    EXPECT_EQ(grid.FixedCols(), 0);
    grid.SetColCount(4);
    grid.SetFixedCols(3);
    grid.SetColCount(3);  // at the fixed count
    EXPECT_EQ(grid.FixedCols(), 2);
    grid.SetRowCount(-5);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.FixedRows(), 0);
}

TEST_F(StringGridTest, FixedCountsMustStayBelowTheCounts)
{
    TStringGrid grid;
    const struct {
        std::function<void()> set;
        const char* message;
    } cases[] = {
        {[&] { grid.SetFixedCols(5); }, "Fixed column count must be less than column count"},
        {[&] { grid.SetFixedRows(7); }, "Fixed row count must be less than row count"},
        {[&] { grid.SetFixedCols(-1); }, "Grid index out of range"},
    };
    for (const auto& c : cases) {
        try {
            c.set();
            ADD_FAILURE() << "no exception for " << c.message;
        } catch (const EInvalidGridOperation& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.FixedRows(), 1);
}

TEST_F(StringGridTest, RaisingTheFixedCountKeepsTheCurrentCellOutOfTheFixedArea)
{
    TStringGrid grid;
    grid.SetFixedCols(3);
    grid.SetFixedRows(2);
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.LeftCol(), 3);
    EXPECT_EQ(grid.TopRow(), 2);
}

TEST_F(StringGridTest, WidthsAndHeights)
{
    TStringGrid grid;
    grid.SetColWidths(2, 80);
    grid.SetRowHeights(3, 30);
    EXPECT_EQ(grid.ColWidths(2), 80);
    EXPECT_EQ(grid.RowHeights(3), 30);
    EXPECT_EQ(grid.ColWidths(5), 64);  // beyond the count: the default
    EXPECT_EQ(grid.RowHeights(-1), 24);
    for (auto write : {std::function<void()>([&] { grid.SetColWidths(5, 10); }),
                       std::function<void()>([&] { grid.SetRowHeights(-1, 10); })}) {
        try {
            write();
            ADD_FAILURE() << "no exception";
        } catch (const EInvalidGridOperation& e) {
            EXPECT_EQ(e.Message(), "Grid index out of range");
        }
    }
    grid.SetColCount(7);
    EXPECT_EQ(grid.ColWidths(6), 64);  // new columns take the default
    grid.SetDefaultColWidth(40);
    EXPECT_EQ(grid.ColWidths(2), 40);  // a new default resets every width
    grid.SetDefaultRowHeight(18);
    EXPECT_EQ(grid.RowHeights(3), 18);
}

TEST_F(StringGridTest, MovingRowsAndColumnsMovesTextsAndObjectsButNotSizes)
{
    TStringGrid grid;
    int deaths = 0;
    Tracked a(&deaths);
    for (int r = 0; r < 5; ++r)
        grid.SetCells(1, r, QString("r%1").arg(r));
    grid.SetObjects(1, 1, &a);
    grid.SetRowHeights(1, 40);
    grid.MoveRow(1, 3);
    EXPECT_EQ(grid.Rows(0).Count(), 5);
    EXPECT_EQ(grid.Cols(1).Text(), "r0\r\nr2\r\nr3\r\nr1\r\nr4\r\n");
    EXPECT_EQ(grid.Objects(1, 3), &a);
    EXPECT_EQ(grid.RowHeights(1), 40);
    EXPECT_EQ(grid.RowHeights(3), 24);
    grid.MoveRow(3, 1);
    EXPECT_EQ(grid.Cols(1).Text(), "r0\r\nr1\r\nr2\r\nr3\r\nr4\r\n");

    for (int c = 0; c < 5; ++c)
        grid.SetCells(c, 2, QString("c%1").arg(c));
    grid.SetColWidths(4, 10);
    grid.MoveColumn(4, 0);
    EXPECT_EQ(grid.Rows(2).CommaText(), "c4,c0,c1,c2,c3");
    EXPECT_EQ(grid.ColWidths(4), 10);
    EXPECT_EQ(grid.Cells(1, 1), "");  // column 0 moved into place 1
    EXPECT_EQ(grid.Objects(2, 1), &a);
    EXPECT_EQ(deaths, 0);
}

TEST_F(StringGridTest, MovesOutOfRangeRaise)
{
    TStringGrid grid;
    EXPECT_THROW(grid.MoveRow(0, 5), EInvalidGridOperation);
    EXPECT_THROW(grid.MoveColumn(-1, 2), EInvalidGridOperation);
    EXPECT_THROW(grid.DeleteRow(5), EInvalidGridOperation);
}

TEST_F(StringGridTest, DeletingRowsAndColumnsKeepsTheCellsBeyondTheCount)
{
    TStringGrid grid;
    int deaths = 0;
    Tracked a(&deaths);
    for (int r = 0; r < 5; ++r)
        grid.SetCells(0, r, QString("r%1").arg(r));
    grid.SetObjects(0, 2, &a);
    grid.DeleteRow(2);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cols(0).CommaText(), "r0,r1,r3,r4");
    grid.SetRowCount(5);
    EXPECT_EQ(grid.Cells(0, 4), "r2");  // the deleted row comes back at the end
    EXPECT_EQ(grid.Objects(0, 4), &a);

    for (int c = 0; c < 5; ++c)
        grid.SetCells(c, 0, QString("c%1").arg(c));
    grid.DeleteColumn(0);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.Rows(0).CommaText(), "c1,c2,c3,c4");
    EXPECT_EQ(deaths, 0);
}

TEST_F(StringGridTest, RowsAndColsAreAssignableLists)
{
    TStringGrid grid;
    int deaths = 0;
    Tracked a(&deaths);
    TStringList list;
    list.Add("a");
    list.AddObject("b", &a);
    grid.SetCells(3, 1, "old");
    grid.SetRows(1, list);
    EXPECT_EQ(grid.Rows(1).CommaText(), "a,b,,,");
    EXPECT_EQ(grid.Objects(1, 1), &a);
    EXPECT_EQ(grid.Cells(3, 1), "");  // beyond the list: emptied

    for (int i = 0; i < 7; ++i)
        list.Add(QString::number(i));
    grid.Cols(2).Assign(list);  // longer than the column: the rest is left out
    EXPECT_EQ(grid.Cols(2).CommaText(), "a,b,0,1,2");
    EXPECT_EQ(grid.Cells(2, 5), "");
    EXPECT_EQ(grid.Cols(2).IndexOf("B"), 1);

    grid.Rows(4).Assign(grid.Cols(2));
    EXPECT_EQ(grid.Rows(4).CommaText(), "a,b,0,1,2");
    grid.Rows(4).SetCommaText("x,\"y z\"");
    EXPECT_EQ(grid.Cells(1, 4), "y z");
    grid.Rows(4).Clear();
    EXPECT_EQ(grid.Rows(4).CommaText(), ",,,,");
    EXPECT_THROW(grid.Rows(4).SetStrings(5, "x"), EInvalidGridOperation);
    EXPECT_EQ(deaths, 0);
}

}  // namespace
