#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/cells/columns/ExGridColumns.h"
#include "grid/cells/content/ExGridCheck.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/ExGridDataSettings.h"
#include "grid/engine/ExGridViewSettings.h"
#include "grid/foundation/util/ExUtilDate.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FormatSettings.h"

#include <gtest/gtest.h>

#include <QtCore/QStringList>

#include <cmath>
#include <vector>

namespace {

const TFormatSettings DayFirstDot{u'.', u',', u'.', u':', QStringLiteral("dd/mm/yyyy"), QStringLiteral("hh:nn:ss")};

// Column 1 of a grid without fixed rows holds the texts, one per row.
void column(TExStringGrid& grid, const QStringList& texts, int fixedRows = 0)
{
    grid.SetColCount(3);
    grid.SetFixedCols(0);
    grid.SetRowCount(fixedRows + int(texts.size()));
    grid.SetFixedRows(fixedRows);
    for (int r = 0; r < texts.size(); ++r)
        grid.SetCells(1, fixedRows + r, texts[r]);
}

QStringList columnTexts(TExStringGrid& grid, int col)
{
    QStringList texts;
    for (int r = 0; r < grid.RowCount(); ++r)
        texts << grid.Cells(col, r);
    return texts;
}

} // namespace

// ---- aggregates ------------------------------------------------------------------------------

TEST(ExGridCalc, ColumnAggregatesSkipWhatIsNoNumberButDivideByEveryRow)
{
    TExStringGrid grid;
    column(grid, {"1", "2", "", "x"});
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, -1, -1), 3);
    EXPECT_DOUBLE_EQ(grid.ColumnAvg(1, -1, -1), 0.75);
    EXPECT_DOUBLE_EQ(grid.ColumnMax(1, -1, -1), 2);
    EXPECT_DOUBLE_EQ(grid.ColumnMin(1, 1, 3), 0) << "the empty cell reads as 0";
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, 1, 1), 2);
    EXPECT_DOUBLE_EQ(grid.ColumnAvg(1, 2, 1), 0) << "an empty range";
}

TEST(ExGridCalc, DistinctAndDeviation)
{
    TExStringGrid grid;
    column(grid, {"a", "A", "b", ""});
    EXPECT_DOUBLE_EQ(grid.ColumnDistinct(1, -1, -1), 3) << "case is ignored and the empty text counts";

    column(grid, {"2", "4", "4", "4", "5", "5", "7", "9"});
    EXPECT_DOUBLE_EQ(grid.ColumnStdDev(1, -1, -1), 2);
    EXPECT_DOUBLE_EQ(grid.ColumnStdDev(1, 3, 2), 0) << "an empty range";
    EXPECT_DOUBLE_EQ(grid.ColumnStdDev(1, 0, 0), 0);
}

TEST(ExGridCalc, MinMaxAndDeviationRaiseOnCellsThatAreNoNumbers)
{
    TExStringGrid grid;
    column(grid, {"x", "5", "7"});
    const char* message = "Cell does not contain a float value";
    for (auto calc : {&TExStringGrid::ColumnMin, &TExStringGrid::ColumnMax, &TExStringGrid::ColumnStdDev}) {
        try {
            (grid.*calc)(1, -1, -1);
            ADD_FAILURE() << "no error";
        } catch (const EExGridError& e) {
            EXPECT_EQ(e.Message(), message);
        }
    }
    EXPECT_DOUBLE_EQ(grid.ColumnMin(1, 1, 2), 5);

    column(grid, {"3", "x", "1", "9"});
    EXPECT_DOUBLE_EQ(grid.ColumnMin(1, -1, -1), 1) << "only the first cell is unguarded";
    EXPECT_DOUBLE_EQ(grid.ColumnMax(1, -1, -1), 9);
    EXPECT_THROW(grid.ColumnStdDev(1, -1, -1), EExGridError);
}

// A range reaching past the shown rows reads real rows, hidden ones included.
TEST(ExGridCalc, HiddenRowsCountOnlyInARangePastTheShownRows)
{
    TExStringGrid grid;
    column(grid, {"1", "2", "3", "4"});
    grid.HideRow(2);
    ASSERT_EQ(grid.RowCount(), 3);
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, -1, -1), 7);
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, 0, 4), 10);
    EXPECT_DOUBLE_EQ(grid.ColumnMax(1, 0, 4), 4);
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, 0, 3), 7) << "RowCount itself does not switch without the footer";
}

TEST(ExGridCalc, MergedCellsCountOnceByTheirBaseCell)
{
    TExStringGrid grid;
    column(grid, {"5", "5", "1"});
    grid.MergeCells(1, 0, 1, 2);
    EXPECT_DOUBLE_EQ(grid.ColumnSum(1, -1, -1), 6);

    grid.SetCells(0, 2, "2");
    grid.SetCells(2, 2, "x");
    grid.MergeCells(1, 2, 2, 1);
    EXPECT_DOUBLE_EQ(grid.RowSum(2, 0, 2), 3);
    EXPECT_DOUBLE_EQ(grid.RowAvg(2, 0, 2), 1);
    EXPECT_DOUBLE_EQ(grid.RowMin(2, 0, 2), 1);
    EXPECT_DOUBLE_EQ(grid.RowMax(2, 0, 2), 2);
    EXPECT_DOUBLE_EQ(grid.RowAvg(2, 2, 1), 0) << "an empty range";
    EXPECT_DOUBLE_EQ(grid.RowMax(2, 0, -1), 2) << "an empty range answers the first cell";
}

namespace {

class NotifiedGrid : public TExStringGrid {
public:
    std::vector<std::pair<int, int>> calls;
    void ExportNotification(int AState, int ARow) override { calls.emplace_back(AState, ARow); }
};

} // namespace

TEST(ExGridCalc, TheWalkReportsEachCountedRow)
{
    NotifiedGrid grid;
    column(grid, {"1", "x", "3"});
    grid.ColumnSum(1, 0, 2);
    const std::vector<std::pair<int, int>> expected{
        {esExportStart, 0}, {esExportNextRow, 0}, {esExportNextRow, 2}, {esExportDone, -1}};
    EXPECT_EQ(grid.calls, expected);
}

TEST(ExGridCalc, CustomCalculationsComeFromTheEvent)
{
    TExStringGrid grid;
    column(grid, {"1"});
    EXPECT_DOUBLE_EQ(grid.ColumnCustomCalc(1, 0, 0), 0);
    grid.OnColumnCalc = [](TObject*, int c, int f, int t, double& res) { res += 100 * c + 10 * f + t; };
    EXPECT_DOUBLE_EQ(grid.ColumnCustomCalc(2, 3, 4), 234);
}

// The footer's sums are the column calculations, and they follow a fill.
TEST(ExGridCalc, FooterCellsFollowAFill)
{
    TExStringGrid grid;
    column(grid, {"1", "2", "3", "", ""}, 1);
    grid.FloatingFooter()->SetVisible(true);
    ASSERT_EQ(grid.FixedFooters(), 1);
    const int footer = grid.RowCount() - 1;
    grid.FloatingFooter()->SetColumnCalc(1, acSUM);
    grid.FloatingFooter()->SetColumnCalc(2, acMAX);
    EXPECT_EQ(grid.Cells(1, footer), "6.00");
    grid.TextFill(false, "2");
    EXPECT_EQ(grid.Cells(1, footer), "8.00") << "four normal rows of 2";
    EXPECT_EQ(grid.Cells(2, footer), "2.00");
    grid.FloatingFooter()->SetColumnCalc(1, acSTDDEV);
    EXPECT_EQ(grid.Cells(1, footer), "0.00");
}

// ---- running numbers --------------------------------------------------------------------------

TEST(ExGridCalc, AutoNumberColumnByDirectionOffsetAndStart)
{
    const struct {
        TSortDirection direction;
        int offset;
        int start;
        QStringList column;
    } cases[] = {
        {sdAscending, 0, 0, {"h", "1", "2", "3", "4", "5"}},
        {sdDescending, 0, 0, {"h", "5", "4", "3", "2", "1"}},
        {sdAscending, 10, 0, {"h", "11", "12", "13", "14", "15"}},
        {sdAscending, 0, 2, {"h", "", "", "3", "4", "5"}},
        {sdDescending, 0, 2, {"h", "5", "4", "3", "", ""}},
    };
    for (const auto& c : cases) {
        TExStringGrid grid;
        grid.SetColCount(2);
        grid.SetRowCount(6);
        grid.SetCells(0, 0, "h");
        grid.SetAutoNumberDirection(c.direction);
        grid.SetAutoNumberOffset(c.offset);
        grid.SetAutoNumberStart(c.start);
        grid.AutoNumberCol(0);
        EXPECT_EQ(columnTexts(grid, 0), c.column) << c.direction << " " << c.offset << " " << c.start;
    }
}

TEST(ExGridCalc, AutoNumberRowLeavesTheFixedColumnsAlone)
{
    TExStringGrid grid;
    grid.SetColCount(6);
    grid.SetFixedRightCols(1);
    grid.AutoNumberRow(2);
    QStringList row;
    for (int c = 0; c < grid.ColCount(); ++c)
        row << grid.Cells(c, 2);
    EXPECT_EQ(row, QStringList({"", "1", "2", "3", "4", ""}));
    grid.SetAutoNumberDirection(sdDescending);
    grid.AutoNumberRow(3);
    row.clear();
    for (int c = 0; c < grid.ColCount(); ++c)
        row << grid.Cells(c, 3);
    EXPECT_EQ(row, QStringList({"", "4", "3", "2", "1", ""}));
}

// ---- fills -----------------------------------------------------------------------------------

TEST(ExGridCalc, FillsWriteTheNormalCellsOrAllOfThem)
{
    TExStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.FormatFill(false, "%d-%d");
    EXPECT_EQ(grid.Cells(1, 1), "1-1");
    EXPECT_EQ(grid.Cells(2, 1), "2-1");
    EXPECT_EQ(grid.Cells(1, 2), "1-2");
    EXPECT_EQ(grid.Cells(0, 1), "") << "fixed cells stay";
    EXPECT_EQ(grid.Cells(1, 0), "");
    grid.LinearFill(false);
    EXPECT_EQ(grid.Cells(1, 1), "1:1");
    EXPECT_EQ(grid.Cells(2, 2), "2:2");
    grid.TextFill(true, "t");
    EXPECT_EQ(grid.Cells(0, 0), "t");
    EXPECT_EQ(grid.Cells(2, 2), "t");
    grid.RandomFill(false, 3);
    for (int r = 1; r < 3; ++r)
        for (int c = 1; c < 3; ++c) {
            const int v = grid.Ints(c, r);
            EXPECT_TRUE(v >= 0 && v < 3) << v;
        }
    EXPECT_EQ(grid.Cells(0, 0), "t");
}

TEST(ExGridCalc, AFormatThatTakesNoIntegersRaisesAndWritesNothing)
{
    TExStringGrid grid;
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetCells(1, 1, "keep");
    EXPECT_THROW(grid.FormatFill(false, "%s"), EConvertError);
    EXPECT_EQ(grid.Cells(1, 1), "keep");
}

// ---- dates and times -------------------------------------------------------------------------

TEST(ExGridCalc, DatesAndTimesInTheUsersFormats)
{
    platform::ScopedFormatSettings locale{DayFirstDot};
    TExStringGrid grid;
    TDateTime day = 0;
    ASSERT_TRUE(platform::TryEncodeDate(2020, 1, 3, day));
    grid.SetDates(1, 1, day);
    EXPECT_EQ(grid.Cells(1, 1), "03.01.2020");
    EXPECT_DOUBLE_EQ(grid.Dates(1, 1), day);

    grid.SetDates(1, 1, 0);
    EXPECT_FALSE(grid.Cells(1, 1).isEmpty()) << "null dates show by default";
    grid.SetShowNullDates(false);
    grid.SetDates(1, 1, 0);
    EXPECT_EQ(grid.Cells(1, 1), "");
    grid.SetDates(1, 1, -3);
    EXPECT_EQ(grid.Cells(1, 1), "");

    TDateTime time = 0;
    ASSERT_TRUE(platform::TryEncodeTime(13, 5, 9, 0, time));
    grid.SetTimes(2, 1, time);
    EXPECT_EQ(grid.Cells(2, 1), "13:05:09");
    EXPECT_NEAR(grid.Times(2, 1), time, 1e-9);

    grid.SetCells(1, 2, "x");
    EXPECT_THROW(grid.Dates(1, 2), EConvertError);
    EXPECT_THROW(grid.Times(1, 2), EConvertError);
}

TEST(ExGridCalc, AColumnDefinitionReadsAndWritesDatesAndTimes)
{
    platform::ScopedFormatSettings locale{DayFirstDot};
    TExColumnGrid grid;
    grid.SetColCount(3);
    TDateTime day = 0;
    ASSERT_TRUE(platform::TryEncodeDate(2019, 12, 12, day));
    grid.Columns()->Items(2)->SetDates(1, day);
    EXPECT_EQ(grid.Cells(2, 1), "12.12.2019");
    EXPECT_DOUBLE_EQ(grid.Columns()->Items(2)->Dates(1), day);
    grid.Columns()->Items(2)->SetTimes(2, 0.5);
    EXPECT_EQ(grid.Cells(2, 2), "12:00:00");
    EXPECT_DOUBLE_EQ(grid.Columns()->Items(2)->Times(2), 0.5);
}

// ---- checker passes ------------------------------------------------------------------------

namespace {

class UpperChecker : public TExStringGridCheck {
public:
    QStringList log;
    TExStringGrid* grid = nullptr;
    QString Correct(int ACol, int ARow, const QString& Value) override
    {
        log << QStringLiteral("correct %1,%2 at %3,%4").arg(ACol).arg(ARow).arg(grid->Col()).arg(grid->Row());
        return Value.toUpper();
    }
    QString MarkError(int, int, const QString& Value) override { return "<e>" + Value + "</e>"; }
    void StartCheck() override { log << "start"; }
    void StopCheck() override { log << "stop"; }
};

} // namespace

TEST(ExGridCalc, WithoutACheckerEveryPassIsTrueAndChangesNothing)
{
    TExStringGrid grid;
    grid.SetCells(1, 1, "abc");
    EXPECT_TRUE(grid.CheckCell(1, 1));
    EXPECT_TRUE(grid.CheckGrid(true));
    EXPECT_EQ(grid.Cells(1, 1), "abc");
}

TEST(ExGridCalc, ACorrectingCheckerRewritesTheCellAndReportsTheChange)
{
    TExStringGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);
    UpperChecker checker;
    checker.grid = &grid;
    checker.UseCorrect = true;
    grid.SetCellChecker(&checker);
    grid.SetCells(1, 1, "abc");
    grid.SetCells(2, 1, "OK");
    grid.SetCells(1, 2, "def");
    EXPECT_FALSE(grid.CheckCell(1, 1));
    EXPECT_EQ(grid.Cells(1, 1), "ABC");
    EXPECT_TRUE(grid.CheckCell(1, 1)) << "already upper case";

    grid.SetCells(1, 1, "abc");
    checker.log.clear();
    EXPECT_FALSE(grid.CheckRow(false, 1));
    EXPECT_EQ(checker.log.first(), "start");
    EXPECT_EQ(checker.log.last(), "stop");
    EXPECT_EQ(checker.log.size(), 2 + 3) << "every normal cell of the row";
    EXPECT_EQ(grid.Cells(1, 2), "def") << "the other rows stay";

    EXPECT_FALSE(grid.CheckCol(false, 1)) << "def, in a later row, still gets its pass";
    EXPECT_EQ(grid.Cells(1, 2), "DEF");
    EXPECT_TRUE(grid.CheckGrid(false));
}

TEST(ExGridCalc, MarksAreRemovedFirstAndMarkingWinsOverCorrecting)
{
    TExStringGrid grid;
    UpperChecker checker;
    checker.grid = &grid;
    grid.SetCellChecker(&checker);
    grid.SetCells(1, 1, "a fault here");
    grid.MarkInCell(false, 1, 1, "fault");
    ASSERT_NE(grid.Cells(1, 1), "a fault here");
    EXPECT_TRUE(grid.CheckCell(1, 1)) << "no pass chosen: only the old marks go";
    EXPECT_EQ(grid.Cells(1, 1), "a fault here");

    checker.UseCorrect = true;
    checker.UseMarkError = true;
    EXPECT_FALSE(grid.CheckCell(1, 1));
    EXPECT_EQ(grid.Cells(1, 1), "<e>a fault here</e>") << "both start from the unmarked text";
}

TEST(ExGridCalc, GotoCellVisitsEachCellAndRestoresTheCurrentOne)
{
    TExStringGrid grid;
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetCol(3);
    grid.SetRow(3);
    UpperChecker checker;
    checker.grid = &grid;
    checker.UseCorrect = true;
    checker.GotoCell = true;
    grid.SetCellChecker(&checker);
    grid.CheckCells(1, 1, 2, 2);
    EXPECT_EQ(checker.log, QStringList({"start", "correct 1,1 at 1,1", "correct 2,1 at 2,1", "correct 1,2 at 1,2",
                                        "correct 2,2 at 2,2", "stop"}));
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.Row(), 3);
}
