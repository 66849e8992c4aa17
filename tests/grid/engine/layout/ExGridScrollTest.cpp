// Scrolling a shown grid: proportional thumbs, the scroll messages with their
// hints, scrolling a cell into view, the slim bars, drag scrolling, the
// in-cell scroll bar and the keys the grid asks for.

#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/hints/ExGridHintWindow.h"
#include "grid/engine/layout/ExGridScrollControl.h"
#include "grid/engine/ExGridViewSettings.h"
#include "grid/foundation/objects/ExObjNavigation.h"

#include <QtCore/QTimer>
#include <QtGui/QCursor>
#include <QtTest/QTest>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A form with one grid of 1 fixed and 100 data rows of 22 pixels (lines of 1)
// and five 64-pixel columns.
class ExGridScroll : public testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        window->resize(600, 400);
        grid = new TExStringGrid(window.get());
        grid->SetRowCount(101);
        grid->setGeometry(0, 0, 400, 264);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    THTMLHintWindow* hint() { return dynamic_cast<THTMLHintWindow*>(grid->ScrollHintWindow()); }

    std::unique_ptr<QWidget> window;
    TExStringGrid* grid = nullptr;
};

TEST_F(ExGridScroll, ProportionalThumbGrowsWhileTheSliderKeepsItsRun)
{
    grid->SetHeight(250);
    grid->SetScrollProportional(true);
    TScrollInfo si = grid->GetScrollInfo(SB_VERT);
    EXPECT_EQ(si.Min, 0);
    EXPECT_EQ(si.Max, 140);
    EXPECT_EQ(si.Page, 14);
    EXPECT_EQ(grid->verticalScrollBar()->minimum(), 0);
    EXPECT_EQ(grid->verticalScrollBar()->maximum(), 127);

    grid->SetTopRow(51);
    EXPECT_EQ(grid->GetScrollInfo(SB_VERT).Pos, 71);
    EXPECT_EQ(grid->verticalScrollBar()->value(), 71);
    // a width change keeps the proportional thumb, not the row-based one
    grid->SetColWidths(2, 70);
    EXPECT_EQ(grid->GetScrollInfo(SB_VERT).Pos, 71);
    EXPECT_EQ(grid->GetScrollInfo(SB_VERT).Page, 14);
}

TEST_F(ExGridScroll, ProportionalThumbLeavesBarsAloneWhenEverythingFits)
{
    grid->SetRowCount(5);
    const TScrollInfo before = grid->GetScrollInfo(SB_VERT);
    grid->SetScrollProportional(true);
    const TScrollInfo after = grid->GetScrollInfo(SB_VERT);
    EXPECT_EQ(after.Max, before.Max);
    EXPECT_EQ(after.Page, before.Page);
}

// Without scrollable width the horizontal thumb cannot be sized: the update
// stops instead of dividing by nothing.
TEST_F(ExGridScroll, HorizontalThumbStopsAtNoScrollableWidth)
{
    grid->SetGridLineWidth(0);
    grid->SetColWidths(0, 500);
    for (int c = 1; c < grid->ColCount(); ++c)
        grid->SetColWidths(c, 0);
    const TScrollInfo before = grid->GetScrollInfo(SB_HORZ);
    grid->SetScrollProportional(true);
    const TScrollInfo after = grid->GetScrollInfo(SB_HORZ);
    EXPECT_EQ(after.Max, before.Max);
    EXPECT_EQ(after.Page, before.Page);
    EXPECT_EQ(after.Pos, before.Pos);
}

TEST_F(ExGridScroll, ThumbTrackShowsTheRowHintBesideTheCursorUntilTheEnd)
{
    ASSERT_EQ(grid->VisibleRowCount(), 10);
    grid->SetScrollHints(shVertical);
    QCursor::setPos(QPoint(300, 200));
    const QPoint cursor = QCursor::pos();

    grid->WMVScroll(SB_THUMBTRACK, 64);
    ASSERT_NE(hint(), nullptr);
    EXPECT_TRUE(hint()->isVisible());
    EXPECT_EQ(hint()->Text(), QStringLiteral("Row : 46"));
    EXPECT_EQ(hint()->pos(), cursor + QPoint(10, 0));

    int asked = -1;
    grid->OnScrollHint = [&](TObject*, int ARow, QString& text) {
        asked = ARow;
        text = QStringLiteral("row %1 of 100").arg(ARow);
    };
    grid->WMVScroll(SB_THUMBTRACK, 64);
    EXPECT_EQ(asked, 46);
    EXPECT_EQ(hint()->Text(), QStringLiteral("row 46 of 100"));

    grid->WMVScroll(SB_ENDSCROLL, 64);
    EXPECT_FALSE(hint()->isVisible());
}

TEST_F(ExGridScroll, HorizontalHintsOnlyForTheirBar)
{
    grid->SetScrollHints(shHorizontal);
    grid->WMVScroll(SB_THUMBTRACK, 64);
    EXPECT_EQ(hint(), nullptr);
    grid->SetColCount(30);
    grid->WMHScroll(SB_THUMBTRACK, 127);
    ASSERT_NE(hint(), nullptr);
    const int last = 30 - grid->VisibleColCount();
    EXPECT_EQ(hint()->Text(), QStringLiteral("Col : %1").arg(last));
}

TEST_F(ExGridScroll, ThumbTrackingMovesTheGridWithScrollSynchOrOnReleaseOnly)
{
    ASSERT_FALSE(grid->Options().testFlag(goThumbTracking));
    grid->WMVScroll(SB_THUMBTRACK, 64);
    EXPECT_EQ(grid->TopRow(), 1);
    grid->WMVScroll(SB_THUMBPOSITION, 64);
    EXPECT_EQ(grid->TopRow(), 46);

    grid->SetTopRow(1);
    grid->SetScrollSynch(true);
    grid->WMVScroll(SB_THUMBTRACK, 64);
    EXPECT_EQ(grid->TopRow(), 46);
}

TEST_F(ExGridScroll, ScrollInViewCentresAFarCellAndLeavesAVisibleOne)
{
    grid->ScrollInView(1, 50);
    EXPECT_EQ(grid->Row(), 50);
    EXPECT_EQ(grid->TopRow(), 45);

    grid->ScrollInView(2, 48);
    EXPECT_EQ(grid->Row(), 50);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->TopRow(), 45);

    // near the end the largest top row that fills the view
    grid->ScrollInView(1, 100);
    EXPECT_EQ(grid->Row(), 100);
    EXPECT_EQ(grid->TopRow(), 91);

    for (const auto& [col, row] : {std::pair{5, 10}, std::pair{1, 101}, std::pair{-1, 3}, std::pair{1, -1}, std::pair{1, 0}}) {
        grid->ScrollInView(col, row);
        EXPECT_EQ(grid->Row(), 100) << col << "," << row;
        EXPECT_EQ(grid->TopRow(), 91) << col << "," << row;
    }
}

TEST_F(ExGridScroll, TopRowIgnoresFixedRowsAndRowsPastTheEnd)
{
    grid->SetTopRow(45);
    for (int value : {0, 101, -3}) {
        grid->SetTopRow(value);
        EXPECT_EQ(grid->TopRow(), 45) << value;
    }
    grid->SetTopRow(1);
    EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(ExGridScroll, ScreenToCellFindsTheCellUnderAScreenPoint)
{
    const TRect r = grid->CellRect(2, 3);
    int col = -2, row = -2;
    grid->ScreenToCell(grid->viewport()->mapToGlobal(QPoint(r.Left + 3, r.Top + 3)), col, row);
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 3);
    grid->ScreenToCell(grid->viewport()->mapToGlobal(QPoint(390, 3)), col, row);
    EXPECT_EQ(col, -1);
    EXPECT_EQ(row, -1);
}

TEST(ExGridSlimThumb, ThumbFollowsTheTrackAndStaysInsideTheBar)
{
    struct Case {
        int length, start, end, first, fixed, count, visible, pos, size;
    } cases[] = {
        {250, 22, 0, 51, 1, 101, 10, 136, 23},
        {250, 22, 0, 1, 1, 101, 10, 22, 23},
        {250, 22, 0, 1, 1, 1001, 10, 22, 20},   // never shorter than 20
        {250, 22, 22, 91, 1, 101, 10, 207, 20}, // the footer rows end the track
        {100, 0, 0, 99, 0, 100, 1, 80, 20},     // pushed back inside the bar
    };
    for (const Case& c : cases) {
        const TSlimThumb t = SlimThumb(c.length, c.start, c.end, c.first, c.fixed, c.count, c.visible);
        EXPECT_EQ(t.Pos, c.pos) << c.first << "/" << c.count;
        EXPECT_EQ(t.Length, c.size) << c.first << "/" << c.count;
    }
}

TEST_F(ExGridScroll, MetroSlimBarsReplaceTheWindowBarsAndGoAgain)
{
    grid->SetHeight(260);
    grid->SetScrollBars(ssVertical);
    grid->SetScrollType(ssMetro);
    TScrollControl* vert = grid->VertScrollControl();
    ASSERT_NE(vert, nullptr);
    ASSERT_NE(grid->HorzScrollControl(), nullptr);
    EXPECT_EQ(grid->ScrollBars(), ssNone);
    EXPECT_EQ(vert->height(), 250);
    EXPECT_EQ(vert->width(), 6);

    grid->SetTopRow(51);
    const TSlimThumb t = vert->Thumb();
    EXPECT_EQ(t.Pos, 136);
    EXPECT_EQ(t.Length, 23);

    grid->SetScrollType(ssNormal);
    EXPECT_EQ(grid->VertScrollControl(), nullptr);
    EXPECT_EQ(grid->HorzScrollControl(), nullptr);
    EXPECT_EQ(grid->ScrollBars(), ssBoth);
}

TEST_F(ExGridScroll, SlimBarPagesAndDragsTheGrid)
{
    grid->SetHeight(260);
    grid->SetScrollType(ssMetro);
    TScrollControl* vert = grid->VertScrollControl();
    ASSERT_NE(vert, nullptr);
    const TSlimThumb t = vert->Thumb();
    QTest::mouseClick(vert, Qt::LeftButton, {}, QPoint(3, t.Pos + t.Length + 10));
    EXPECT_EQ(grid->TopRow(), 11);
    QTest::mouseClick(vert, Qt::LeftButton, {}, QPoint(3, 2));
    EXPECT_EQ(grid->TopRow(), 1);

    const TSlimThumb start = vert->Thumb();
    QTest::mousePress(vert, Qt::LeftButton, {}, QPoint(3, start.Pos + 2));
    // 114 pixels of the 228 beyond row 0 are half of the 101 rows
    QTest::mouseMove(vert, QPoint(3, start.Pos + 2 + 114));
    QTest::mouseRelease(vert, Qt::LeftButton, {}, QPoint(3, start.Pos + 2 + 114));
    EXPECT_EQ(grid->TopRow(), 1 + 50);
}

TEST_F(ExGridScroll, DragHeldNearTheTopScrollsUpAfterTheDelays)
{
    grid->DragScrollOptions()->SetActive(true);
    grid->SetTopRow(4);
    grid->HandleDragOver(100, 10, false);
    QTimer* timer = grid->DragScrollTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_TRUE(timer->isActive());

    for (int expected : {3, 2, 1, 1}) {
        grid->DragScrollTimerTick();
        EXPECT_EQ(grid->TopRow(), expected);
        EXPECT_EQ(grid->DragScrollTimer()->interval(), 250);
    }
    // moving inside the margin starts the initial delay again
    grid->HandleDragOver(120, 12, false);
    EXPECT_EQ(grid->DragScrollTimer()->interval(), 1000);

    grid->HandleDragOver(100, 120, false);
    EXPECT_EQ(grid->DragScrollTimer(), nullptr);
    grid->HandleDragOver(100, 10, false);
    grid->HandleDragOver(0, 0, true);
    EXPECT_EQ(grid->DragScrollTimer(), nullptr);
}

TEST_F(ExGridScroll, DragScrollRefusedOrInactiveDoesNotScroll)
{
    grid->SetTopRow(4);
    grid->HandleDragOver(100, 10, false);
    EXPECT_EQ(grid->DragScrollTimer(), nullptr);

    grid->DragScrollOptions()->SetActive(true);
    grid->HandleDragOver(100, 10, false);
    TDragScrollDirections seen;
    grid->OnDragScroll = [&](TObject*, int, int, TDragScrollDirections& dirs, bool& CanScroll) {
        seen = dirs;
        CanScroll = false;
    };
    grid->DragScrollTimerTick();
    EXPECT_TRUE(seen.Contains(dsdUp));
    EXPECT_EQ(grid->TopRow(), 4);
}

TEST_F(ExGridScroll, InCellScrollBarMovesByItsOwnStepsAndReports)
{
    QScrollBar* bar = grid->CellScrollBar();
    bar->setRange(0, 150);
    grid->SetCellScrollBarCell(2, 3);
    QStringList reports;
    grid->OnScrollCell = [&](TObject*, int c, int r, int pos, int lo, int hi) {
        reports << QStringLiteral("%1,%2:%3 %4..%5").arg(c).arg(r).arg(pos).arg(lo).arg(hi);
    };
    struct Step {
        int code, pos, result, value;
    } steps[] = {
        {SB_LINEDOWN, 0, 1, 10}, {SB_PAGEDOWN, 0, 1, 110}, {SB_PAGEDOWN, 0, 1, 150}, {SB_LINEDOWN, 0, 0, 150},
        {SB_THUMBTRACK, 40, 1, 40}, {SB_LINEUP, 0, 1, 30}, {SB_PAGEUP, 0, 1, 0}, {SB_LINEUP, 0, 0, 0},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(grid->HandleWmVScroll(s.code, s.pos, true), s.result) << s.code;
        EXPECT_EQ(bar->value(), s.value) << s.code;
    }
    EXPECT_EQ(reports.size(), 6);
    EXPECT_EQ(reports.first(), QStringLiteral("2,3:10 0..150"));
    // the grid itself did not scroll
    EXPECT_EQ(grid->TopRow(), 1);
}

TEST_F(ExGridScroll, DialogCodeWantsCharactersUnlessAnEditingRowGridDoesNotSearch)
{
    struct Case {
        TGridOptions options;
        bool autoGoto;
        bool chars;
        bool tab;
    } cases[] = {
        {TGridOptions(), false, true, false},
        {TGridOptions(goEditing), false, true, false},
        {TGridOptions(goEditing) | goRowSelect, false, false, false},
        {TGridOptions(goEditing) | goRowSelect, true, true, false},
        {TGridOptions(goRowSelect), false, true, false},
        {TGridOptions(goTabs), false, true, true},
        {TGridOptions(goTabs) | goRowSelect, false, true, false},
    };
    for (const Case& c : cases) {
        grid->SetOptions(c.options);
        grid->Navigation()->SetAutoGotoWhenSorted(c.autoGoto);
        const int code = grid->HandleWmGetDlgCode();
        EXPECT_TRUE(code & DLGC_WANTARROWS);
        EXPECT_EQ((code & DLGC_WANTCHARS) != 0, c.chars) << int(c.options.toInt()) << c.autoGoto;
        EXPECT_EQ((code & DLGC_WANTTAB) != 0, c.tab) << int(c.options.toInt());
    }
}

} // namespace
