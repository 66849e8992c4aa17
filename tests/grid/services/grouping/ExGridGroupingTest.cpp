#include "grid/cells/columns/ExColumnGrid.h"
#include "grid/cells/columns/ExGridColumns.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/ExGridDataSettings.h"
#include "grid/engine/ExGridViewSettings.h"

#include <gtest/gtest.h>

#include <QtCore/QStringList>
#include <QtGui/QImage>
#include <QtWidgets/QWidget>

namespace {

// Four columns under one fixed row: column 0 the row's name, column 1 a
// letter, column 2 the grouping value, column 3 a number.
struct Row {
    const char* name;
    const char* letter;
    const char* value;
    const char* number;
};

void load(TExStringGrid& grid, std::initializer_list<Row> rows, int fixedCols = 1)
{
    grid.SetColCount(4);
    grid.SetFixedCols(fixedCols);
    grid.SetRowCount(1 + int(rows.size()));
    grid.SetFixedRows(1);
    grid.SetCells(0, 0, "name");
    grid.SetCells(1, 0, "letter");
    grid.SetCells(2, 0, "value");
    grid.SetCells(3, 0, "number");
    int r = 1;
    for (const Row& row : rows) {
        grid.SetCells(0, r, row.name);
        grid.SetCells(1, r, row.letter);
        grid.SetCells(2, r, row.value);
        grid.SetCells(3, r, row.number);
        ++r;
    }
}

// Each row as "kind:text of column c", kind H header, S summary, D data.
QStringList layout(TExStringGrid& grid, int c)
{
    QStringList rows;
    for (int r = grid.FixedRows(); r < grid.RowCount() - grid.FixedFooters(); ++r) {
        const QString kind = grid.IsNode(r) ? "H" : grid.IsSummary(r) ? "S" : "D";
        rows << kind + ":" + grid.Cells(c, r);
    }
    return rows;
}

QStringList columnTexts(TExStringGrid& grid, int c)
{
    QStringList texts;
    for (int r = 0; r < grid.RowCount(); ++r)
        texts << grid.Cells(c, r);
    return texts;
}

const std::initializer_list<Row> Sorted{
    {"r1", "p", "a", "1"}, {"r2", "q", "a", "2"}, {"r3", "p", "b", "3"}, {"r4", "q", "b", "4"}};

} // namespace

TEST(ExGridGrouping, GroupPutsAHeaderBeforeEachRunAndRemovesTheColumn)
{
    TExStringGrid grid;
    load(grid, Sorted);
    grid.SetColWidths(2, 91);
    grid.Group(2);
    EXPECT_EQ(grid.GroupColumn(), 2);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(layout(grid, 1), QStringList({"H:a", "D:p", "D:q", "H:b", "D:p", "D:q"}));
    EXPECT_EQ(layout(grid, 0), QStringList({"H:", "D:r1", "D:r2", "H:", "D:r3", "D:r4"}));
    EXPECT_EQ(grid.Cells(2, 2), "1") << "the number column moved left";
    EXPECT_EQ(grid.GetNodeSpan(1), 3);
    EXPECT_EQ(grid.GetNodeSpan(4), 3);
    EXPECT_FALSE(grid.IsGrouping());

    grid.UnGroup();
    EXPECT_EQ(grid.GroupColumn(), -1);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(columnTexts(grid, 2), QStringList({"value", "a", "a", "b", "b"}));
    EXPECT_EQ(columnTexts(grid, 0), QStringList({"name", "r1", "r2", "r3", "r4"}));
    EXPECT_EQ(grid.ColWidths(2), 91);
    EXPECT_FALSE(grid.IsNode(1));
}

TEST(ExGridGrouping, EveryRunOpensAGroupWithoutSorting)
{
    TExStringGrid grid;
    load(grid, {{"r1", "p", "b", "1"}, {"r2", "q", "a", "2"}, {"r3", "p", "a", "3"}, {"r4", "q", "b", "4"}});
    grid.SortSettings()->SetAutoSortForGrouping(false);
    grid.Group(2);
    EXPECT_EQ(layout(grid, 1), QStringList({"H:b", "D:p", "H:a", "D:q", "D:p", "H:b", "D:q"}));
}

TEST(ExGridGrouping, AutoSortForGroupingSortsTheRunsTogetherFirst)
{
    TExStringGrid grid;
    load(grid, {{"r1", "p", "b", "1"}, {"r2", "q", "a", "2"}, {"r3", "p", "b", "3"}, {"r4", "q", "a", "4"}});
    grid.SortSettings()->SetAutoSortForGrouping(true);
    grid.Group(2);
    EXPECT_EQ(grid.ColCount(), 3);
    EXPECT_EQ(layout(grid, 1), QStringList({"H:a", "D:q", "D:q", "H:b", "D:p", "D:p"}));
    EXPECT_EQ(grid.GetNodeSpan(1), 3);
    EXPECT_EQ(grid.GetNodeSpan(4), 3);
}

TEST(ExGridGrouping, GroupingByColumnOneStillShowsTheHeadersInColumnOne)
{
    TExStringGrid grid;
    load(grid, Sorted);
    grid.SetCells(1, 1, "p");
    grid.SetCells(1, 2, "p");
    grid.Group(1);
    EXPECT_EQ(layout(grid, 1), QStringList({"H:p", "D:a", "D:a", "D:b", "H:q", "D:b"}));
    grid.UnGroup();
    EXPECT_EQ(columnTexts(grid, 1), QStringList({"letter", "p", "p", "p", "q"}));
    EXPECT_EQ(columnTexts(grid, 2), QStringList({"value", "a", "a", "b", "b"}));
}

TEST(ExGridGrouping, SummaryRowsCloseEachGroupAndGoWithUngrouping)
{
    TExStringGrid grid;
    load(grid, Sorted);
    grid.Grouping()->SetSummary(true);
    grid.Grouping()->SetSummaryColor(clYellow);
    grid.Group(2);
    EXPECT_EQ(grid.RowCount(), 9);
    EXPECT_EQ(layout(grid, 1), QStringList({"H:a", "D:p", "D:q", "S:", "H:b", "D:p", "D:q", "S:"}));
    EXPECT_EQ(grid.Colors(2, 4), clYellow);

    grid.UnGroup();
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(columnTexts(grid, 2), QStringList({"value", "a", "a", "b", "b"}));
    for (int r = 1; r < grid.RowCount(); ++r)
        EXPECT_FALSE(grid.IsSummary(r)) << r;
}

TEST(ExGridGrouping, TheHeaderShowsTheGroupCount)
{
    TExStringGrid grid;
    load(grid, Sorted);
    grid.Grouping()->SetShowGroupCount(true);
    grid.Group(2);
    EXPECT_EQ(grid.Cells(1, 1), "a (2)");
    EXPECT_EQ(grid.GridCells(1, 1), "a") << "the count is shown, not stored";
    grid.UnGroup();
    EXPECT_EQ(columnTexts(grid, 2), QStringList({"value", "a", "a", "b", "b"}));
}

TEST(ExGridGrouping, UngroupingRestoresTheFooterText)
{
    TExStringGrid grid;
    load(grid, Sorted);
    grid.SetRowCount(grid.RowCount() + 1);
    grid.SetCells(2, grid.RowCount() - 1, "foot");
    grid.FloatingFooter()->SetVisible(true);
    ASSERT_EQ(grid.FixedFooters(), 1);
    grid.Group(2);
    EXPECT_EQ(layout(grid, 1), QStringList({"H:a", "D:p", "D:q", "H:b", "D:p", "D:q"}));
    grid.UnGroup();
    EXPECT_EQ(columnTexts(grid, 2), QStringList({"value", "a", "a", "b", "b", "foot"}));
}

TEST(ExGridGrouping, MergedHeadersSpanTheRowAndSplitAgain)
{
    TExStringGrid grid;
    load(grid, Sorted);
    grid.Grouping()->SetMergeHeader(true);
    grid.Grouping()->SetHeaderColor(clAqua);
    grid.Group(2);
    EXPECT_TRUE(grid.IsMergedNonBaseCell(2, 1));
    EXPECT_EQ(grid.Colors(1, 1), clAqua);
    grid.UnGroup();
    EXPECT_FALSE(grid.IsMergedNonBaseCell(2, 1));
    EXPECT_EQ(columnTexts(grid, 2), QStringList({"value", "a", "a", "b", "b"}));
}

// -1 alone means "not grouped": a grid without fixed columns groups by its
// first column and ungroups again, while writing 0 changes nothing.
TEST(ExGridGrouping, ColumnZeroGroupsAndUngroupsWithoutFixedColumns)
{
    TExStringGrid grid;
    load(grid, {{"a", "p", "x", "1"}, {"a", "q", "y", "2"}, {"b", "p", "z", "3"}}, 0);
    grid.SetGroupColumn(0);
    EXPECT_EQ(grid.GroupColumn(), -1) << "writing 0 does nothing";

    grid.Group(0);
    EXPECT_EQ(grid.GroupColumn(), 0);
    EXPECT_EQ(layout(grid, 0), QStringList({"H:a", "D:p", "D:q", "H:b", "D:p"}));
    grid.UnGroup();
    EXPECT_EQ(grid.GroupColumn(), -1);
    EXPECT_EQ(columnTexts(grid, 0), QStringList({"name", "a", "a", "b"}));
    EXPECT_EQ(columnTexts(grid, 1), QStringList({"letter", "p", "q", "p"}));
    for (int r = 0; r < grid.RowCount(); ++r)
        EXPECT_FALSE(grid.IsNode(r)) << r;
}

TEST(ExGridGrouping, TheGroupColumnWriter)
{
    TExStringGrid grid;
    load(grid, Sorted);
    grid.SetGroupColumn(2);
    EXPECT_EQ(grid.GroupColumn(), 2);
    grid.SetGroupColumn(-2);
    EXPECT_EQ(grid.GroupColumn(), 2) << "other negative values do nothing";
    grid.SetGroupColumn(-1);
    EXPECT_EQ(grid.GroupColumn(), -1);
    EXPECT_EQ(columnTexts(grid, 2), QStringList({"value", "a", "a", "b", "b"}));
    grid.Group(0);
    EXPECT_EQ(grid.GroupColumn(), -1) << "below the fixed columns";
}

TEST(ExGridGrouping, ACellHoldingTheSentinelFirstOpensNoGroup)
{
    TExStringGrid grid;
    load(grid, {{"r1", "p", "\u00FF\u00FE", "1"}, {"r2", "q", "a", "2"}});
    grid.SortSettings()->SetAutoSortForGrouping(false);
    grid.Group(2);
    EXPECT_EQ(layout(grid, 0), QStringList({"D:r1", "H:", "D:r2"}));
}

// ---- aggregates per group ----------------------------------------------------------------------

TEST(ExGridGrouping, GroupSumsGoIntoHeadersOrSummaryRows)
{
    for (bool summary : {false, true}) {
        TExStringGrid grid;
        load(grid, Sorted);
        grid.Grouping()->SetSummary(summary);
        grid.Group(2);
        grid.GroupSum(2);
        const QStringList expected = summary
            ? QStringList({"", "1", "2", "3.00", "", "3", "4", "7.00"})
            : QStringList({"3.00", "1", "2", "7.00", "3", "4"});
        QStringList got;
        for (int r = 1; r < grid.RowCount(); ++r)
            got << grid.Cells(2, r);
        EXPECT_EQ(got, expected) << summary;
        grid.GroupCount(2);
        EXPECT_EQ(grid.Cells(2, summary ? 4 : 1), "2") << summary;
    }
}

TEST(ExGridGrouping, AggregatesSkipContractedGroupsAndSetTheFooter)
{
    TExStringGrid grid;
    load(grid, Sorted);
    grid.SetRowCount(grid.RowCount() + 1);
    grid.FloatingFooter()->SetVisible(true);
    grid.Group(2);
    grid.SetNodeState(4, true);
    grid.GroupMax(2);
    EXPECT_EQ(grid.Cells(2, 1), "2.00");
    EXPECT_EQ(grid.Cells(2, 4), "") << "contracted";
    EXPECT_EQ(grid.FloatingFooter()->ColumnCalc(2), acMAX);
    grid.GroupSum(2);
    EXPECT_EQ(grid.FloatingFooter()->ColumnCalc(2), acSUM);
    EXPECT_EQ(grid.Cells(2, grid.RowCount() - 1), "10.00") << "the footer reads the hidden rows too";
    grid.GroupStdDev(2);
    EXPECT_EQ(grid.FloatingFooter()->ColumnCalc(2), acSUM) << "left alone";
    EXPECT_EQ(grid.Cells(2, 1), "0.50");

    grid.OnGroupCalc = [](TObject*, int c, int f, int t, double& res) { res = c * 100 + f * 10 + t; };
    grid.GroupCustomCalc(2);
    EXPECT_EQ(grid.Cells(2, 1), "223.00");
}

TEST(ExGridGrouping, SumsOverAGroupedRangeLeaveHeadersAndSummariesOut)
{
    TExStringGrid grid;
    load(grid, Sorted);
    grid.Grouping()->SetSummary(true);
    grid.Group(2);
    grid.GroupSum(2);
    EXPECT_DOUBLE_EQ(grid.ColumnSum(2, -1, -1), 10);
    EXPECT_DOUBLE_EQ(grid.ColumnDistinct(2, 1, 3), 3) << "distinct texts count every row";
}

// ---- the second level ----------------------------------------------------------------------

TEST(ExGridGrouping, SubGroupAddsHeadersInsideTheGroupsAndSubUnGroupTakesThemAway)
{
    TExStringGrid grid;
    load(grid, {{"r1", "p", "a", "1"}, {"r2", "p", "a", "2"}, {"r3", "q", "a", "3"}, {"r4", "q", "b", "4"}});
    grid.Group(2);
    ASSERT_EQ(layout(grid, 0), QStringList({"H:", "D:r1", "D:r2", "D:r3", "H:", "D:r4"}));
    grid.SubGroup(1);
    EXPECT_EQ(grid.GroupColumn(), 2) << "the second level keeps its own column";
    EXPECT_EQ(layout(grid, 2), QStringList({"H:", "H:p", "D:1", "D:2", "H:q", "D:3", "H:", "H:q", "D:4"}));
    EXPECT_EQ(layout(grid, 1), QStringList({"H:a", "H:", "D:", "D:", "H:", "D:", "H:b", "H:", "D:"}));
    EXPECT_EQ(grid.GetNodeSpan(1), 6);
    EXPECT_EQ(grid.GetNodeSpan(2), 3);

    grid.SubUnGroup(1);
    EXPECT_EQ(layout(grid, 1), QStringList({"H:a", "D:p", "D:p", "D:q", "H:b", "D:q"}));
    EXPECT_EQ(grid.GetNodeSpan(1), 4);
    grid.UnGroup();
    EXPECT_EQ(columnTexts(grid, 2), QStringList({"value", "a", "a", "a", "b"}));
}

TEST(ExGridGrouping, UnGroupTakesTheSecondLevelAwayFirst)
{
    TExStringGrid grid;
    load(grid, {{"r1", "p", "a", "1"}, {"r2", "q", "a", "2"}, {"r3", "q", "b", "3"}});
    grid.SetColWidths(2, 77);
    grid.SetColWidths(1, 55);
    grid.Group(2);
    grid.SubGroup(1);
    grid.UnGroup();
    EXPECT_EQ(grid.GroupColumn(), -1);
    EXPECT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(columnTexts(grid, 0), QStringList({"name", "r1", "r2", "r3"}));
    EXPECT_EQ(columnTexts(grid, 1), QStringList({"letter", "p", "q", "q"}));
    EXPECT_EQ(columnTexts(grid, 2), QStringList({"value", "a", "a", "b"}));
    EXPECT_EQ(grid.ColWidths(2), 77);
    EXPECT_EQ(grid.ColWidths(1), 55);
    for (int r = 0; r < grid.RowCount(); ++r)
        EXPECT_FALSE(grid.IsNode(r)) << r;
}

// ---- the column grid ---------------------------------------------------------------------------

TEST(ExGridGrouping, TheColumnGridKeepsTheGroupedDefinition)
{
    TExColumnGrid grid;
    load(grid, Sorted);
    grid.Columns()->Items(2)->SetAlignment(taRightJustify);
    grid.Columns()->Items(2)->SetName("value");
    grid.Group(2);
    EXPECT_EQ(grid.Columns()->Count(), 3);
    EXPECT_NE(grid.Columns()->Items(2)->Name(), "value");
    grid.UnGroup();
    ASSERT_EQ(grid.Columns()->Count(), 4);
    EXPECT_EQ(grid.Columns()->Items(2)->Name(), "value");
    EXPECT_EQ(grid.Columns()->Items(2)->Alignment(), taRightJustify);
    EXPECT_EQ(columnTexts(grid, 2), QStringList({"value", "a", "a", "b", "b"}));
}

// Header rows are painted in the header colour across the row, data rows
// not. With CONFIGURATOR_GROUPING_SHOT set the picture is also written there,
// for a look by eye.
TEST(ExGridGrouping, AGroupedGridPaintsItsHeaderRows)
{
    QWidget window;
    window.resize(420, 260);
    auto* grid = new TExStringGrid(&window);
    grid->setGeometry(0, 0, 400, 240);
    load(*grid, Sorted);
    grid->Grouping()->SetHeaderColor(TColor(0xF0D0A0));
    grid->Grouping()->SetShowGroupCount(true);
    grid->Grouping()->SetSummary(true);
    grid->Grouping()->SetSummaryColor(TColor(0xC0F0C0));
    grid->Group(2);
    grid->GroupSum(2);
    window.show();
    const QImage image = grid->grab().toImage();
    if (const QByteArray path = qgetenv("CONFIGURATOR_GROUPING_SHOT"); !path.isEmpty())
        image.save(QString::fromLocal8Bit(path));
    const auto shade = [&](int col, int row) {
        const TRect r = grid->CellRect(col, row);
        return image.pixelColor(r.Right - 3, r.Bottom - 3).rgb() & 0xFFFFFF;
    };
    EXPECT_EQ(shade(2, 1), 0xA0D0F0u) << "header row";
    EXPECT_EQ(shade(2, 4), 0xC0F0C0u) << "summary row";
    EXPECT_NE(shade(2, 2), 0xA0D0F0u) << "data row";
}
