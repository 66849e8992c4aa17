// What the grid puts into a hint request, its balloon tooltips, the owner
// form's resize and the selection counts.

#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/paint/ExGridAppearance.h"
#include "grid/engine/layout/ExGridColumnSize.h"
#include "grid/engine/hints/ExGridHintWindow.h"
#include "grid/engine/hints/ExGridHints.h"
#include "grid/engine/ExGridViewSettings.h"
#include "grid/foundation/objects/ExObjMouseActions.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/window/BalloonToolTip.h"
#include "platform/ui/window/Form.h"
#include "platform/ui/window/ModalSeams.h"

#include <QtGui/QHelpEvent>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

namespace {

struct HintWindow {
    QWidget window;
    TExStringGrid* grid;
    HintWindow()
    {
        window.resize(420, 300);
        grid = new TExStringGrid(&window);
        grid->SetBounds(0, 0, 400, 280);
        grid->SetColCount(5);
        grid->SetRowCount(6);
        grid->AddComment(3, 2, QStringLiteral("note"));
        grid->SetShowHint(true);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    // The request for the client point (dx, dy) inside the cell.
    THintInfo Ask(int c, int r, int dx = 5, int dy = 5)
    {
        const TRect cell = grid->CellRect(c, r);
        THintInfo info;
        info.CursorPos = TPoint{cell.Left + dx, cell.Top + dy};
        info.HintWindowClass = DefaultHintWindowClass();
        grid->HandleHintShow(info);
        return info;
    }
    TPoint Screen(int x, int y) const { return FromQPoint(grid->viewport()->mapToGlobal(QPoint(x, y))); }
};

TEST(ExGridHints, CellTextsAreShownWithoutMarkupAtTheCellTop)
{
    HintWindow w;
    w.grid->SetHintShowCells(true);
    w.grid->SetCells(2, 3, QStringLiteral("<B>x</B>"));
    THintInfo info = w.Ask(2, 3, 7, 9);
    const TRect cell = w.grid->CellRect(2, 3);
    EXPECT_EQ(info.HintStr, "x");
    EXPECT_EQ(info.HintPos, w.Screen(cell.Left + 7, cell.Top));
    EXPECT_EQ(info.HintColor, clInfoBk);
    EXPECT_EQ(w.grid->LastHintCell(), (TPoint{2, 3}));

    w.grid->SetHTMLHint(true);
    EXPECT_EQ(w.Ask(2, 3).HintStr, "<B>x</B>");

    w.grid->SetCells(2, 0, QStringLiteral("Header"));
    info = w.Ask(2, 0, 7, 3);
    const TRect header = w.grid->CellRect(2, 0);
    EXPECT_EQ(info.HintStr, "") << "a fixed cell shows no cell text";
    EXPECT_EQ(info.HintPos, w.Screen(header.Left + 7, header.Bottom + 6)) << "6 pixels below at the mouse's x";
}

TEST(ExGridHints, OnGridHintHasTheLastWordExceptOnAVisibleFooterRow)
{
    HintWindow w;
    w.grid->SetHintShowCells(true);
    w.grid->SetCells(1, 1, QStringLiteral("cell"));
    QList<QPoint> asked;
    w.grid->OnGridHint = [&](TObject*, int r, int c, QString& h) {
        asked << QPoint(c, r);
        h = QStringLiteral("explained");
    };
    EXPECT_EQ(w.Ask(1, 1).HintStr, "explained");
    EXPECT_EQ(asked, QList<QPoint>{QPoint(1, 1)});
    w.grid->FloatingFooter()->SetVisible(true);
    asked.clear();
    THintInfo info;
    const TRect last = w.grid->CellRect(1, w.grid->RowCount() - 2);
    info.CursorPos = TPoint{last.Left + 3, last.Top + 3};
    w.grid->HandleHintShow(info);
    EXPECT_EQ(asked.size(), 1) << "the row above the footer still asks";
    asked.clear();
    w.grid->FloatingFooter()->SetVisible(false);
    w.grid->FloatingFooter()->SetFooterStyle(fsColumnPreview);
    w.grid->FloatingFooter()->SetVisible(true);
    w.Ask(1, w.grid->RowCount() - 1);
    EXPECT_TRUE(asked.isEmpty()) << "no OnGridHint for the last row under a visible footer";
}

TEST(ExGridHints, ACommentShowsAtTheCellsTopRight)
{
    HintWindow w;
    const THintInfo info = w.Ask(3, 2);
    const TRect cell = w.grid->CellRect(3, 2);
    EXPECT_EQ(info.HintStr, "note");
    EXPECT_EQ(info.HintPos, w.Screen(cell.Right, cell.Top));
}

TEST(ExGridHints, AnAnchorShowsItsHintBesideTheMouse)
{
    HintWindow w;
    w.grid->SetColWidths(1, 200);
    w.grid->SetCells(1, 1, QStringLiteral("<A HREF=\"go\" TITLE=\"tip\">link text</A>"));
    w.grid->SetAnchorHint(true);
    QString seen;
    w.grid->OnAnchorHint = [&](TObject*, int, int, QString& a) {
        seen = a;
        a += QStringLiteral("!");
    };
    const TRect cell = w.grid->CellRect(1, 1);
    const THintInfo info = w.Ask(1, 1, 12, 8);
    EXPECT_EQ(seen, "tip");
    EXPECT_EQ(info.HintStr, "tip!");
    EXPECT_EQ(w.grid->LastAnchorHint(), "tip!");
    EXPECT_EQ(info.HintPos, w.Screen(cell.Left + 12 + 8, cell.Top + 8 - 16));
    const THintInfo away = w.Ask(1, 1, 190, 8);
    EXPECT_EQ(away.HintStr, "") << "no anchor under the mouse";
}

TEST(ExGridHints, ALargeTextShowsWholeAtTheCellsTopLeft)
{
    HintWindow w;
    w.grid->SetHintShowLargeText(true);
    w.grid->SetCells(1, 1, QStringLiteral("short"));
    w.grid->SetCells(2, 1, QStringLiteral("a text far too wide for its sixty-four pixels"));
    EXPECT_EQ(w.Ask(1, 1).HintStr, "") << "a text that fits gives no hint";
    const THintInfo info = w.Ask(2, 1);
    const TRect cell = w.grid->CellRect(2, 1);
    EXPECT_EQ(info.HintStr, "a text far too wide for its sixty-four pixels");
    EXPECT_EQ(info.HintPos, w.Screen(cell.Left, cell.Top));
}

TEST(ExGridHints, MarkupHintsGoToTheMarkupHintWindowOnlyWithTheInternalClass)
{
    HintWindow w;
    w.grid->OnGridHint = [](TObject*, int, int, QString& h) { h = QStringLiteral("<B>bold</B>"); };
    THintInfo info = w.Ask(1, 1);
    EXPECT_EQ(info.HintWindowClass, hwcHTMLHint);
    EXPECT_EQ(info.HintData, w.grid);
    w.grid->SetUseInternalHintClass(false);
    info = w.Ask(1, 1);
    EXPECT_EQ(info.HintWindowClass, hwcPlatformHint);
    w.grid->OnGridHint = [](TObject*, int, int, QString& h) { h = QStringLiteral("plain"); };
    w.grid->SetUseInternalHintClass(true);
    EXPECT_EQ(w.Ask(1, 1).HintWindowClass, hwcPlatformHint);
}

// The toolkit's hint request over a cell with a markup hint shows the grid's
// own hint window, without the markup; moving to another cell hides it.
TEST(ExGridHints, AMarkupHintShowsInTheGridsHintWindowUntilTheMouseLeavesTheCell)
{
    HintWindow w;
    w.grid->OnGridHint = [](TObject*, int, int, QString& h) { h = QStringLiteral("<B>bold</B>"); };
    const TRect cell = w.grid->CellRect(1, 1);
    const QPoint at(cell.Left + 5, cell.Top + 5);
    QHelpEvent request(QEvent::ToolTip, at, w.grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(w.grid->viewport(), &request);
    THTMLHintWindow* hint = w.grid->GridHintWindow();
    ASSERT_TRUE(hint->isVisible());
    EXPECT_EQ(hint->Text(), QStringLiteral("<B>bold</B>"));
    EXPECT_EQ(hint->pos().x(), w.Screen(at.x(), 0).X);
    const TRect other = w.grid->CellRect(3, 3);
    w.grid->CancelHintsAndBalloons(other.Left + 1, other.Top + 1);
    EXPECT_FALSE(hint->isVisible());
}

TEST(ExGridHints, LeavingTheHintedCellCancelsTheHint)
{
    HintWindow w;
    w.grid->SetHintShowCells(true);
    w.Ask(2, 2);
    const TRect same = w.grid->CellRect(2, 2);
    w.grid->CancelHintsAndBalloons(same.Left + 1, same.Top + 1);
    EXPECT_EQ(w.grid->LastHintCell(), (TPoint{2, 2}));
    const TRect other = w.grid->CellRect(3, 2);
    w.grid->CancelHintsAndBalloons(other.Left + 1, other.Top + 1);
    EXPECT_EQ(w.grid->LastHintCell(), (TPoint{-1, -1}));
}

TEST(ExGridBalloons, OnOffOnLeavesOneWindowWithItsOpacity)
{
    HintWindow w;
    w.grid->Balloon()->SetTransparency(55);
    w.grid->Balloon()->SetInitialDelay(40);
    w.grid->Balloon()->SetEnable(true);
    w.grid->Balloon()->SetEnable(false);
    EXPECT_EQ(w.grid->BalloonWindow(), nullptr);
    w.grid->Balloon()->SetEnable(true);
    w.grid->BalloonInit();
    QList<platform::TBalloonToolTip*> windows;
    for (QObject* child : w.grid->children())
        if (auto* balloon = dynamic_cast<platform::TBalloonToolTip*>(child))
            windows << balloon;
    ASSERT_EQ(windows.size(), 1);
    platform::TBalloonToolTip* tip = w.grid->BalloonWindow();
    EXPECT_EQ(windows[0], tip);
    EXPECT_NEAR(tip->windowOpacity(), 200 / 255.0, 0.002);
    EXPECT_EQ(tip->InitialDelay(), 40);
    EXPECT_EQ(tip->Title(), "ToolTipText");
    EXPECT_EQ(tip->Icon(), 3);
}

TEST(ExGridBalloons, EachShowingAsksTheCellAndMovingAwayPopsIt)
{
    HintWindow w;
    w.grid->SetCells(2, 2, QStringLiteral("\tballoon\ttext"));
    w.grid->OnCellBalloon = [](TObject*, int, int, QString& title, QString&, int& icon) {
        title = QStringLiteral("Cell");
        icon = 2;
    };
    w.grid->Balloon()->SetEnable(true);
    platform::TBalloonToolTip* tip = w.grid->BalloonWindow();
    ASSERT_NE(tip, nullptr);
    const TRect cell = w.grid->CellRect(2, 2);
    tip->ShowAt(QPoint(cell.Left + 3, cell.Top + 3));
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->Title(), "Cell");
    EXPECT_EQ(tip->Icon(), 2);
    EXPECT_EQ(tip->MaxTipWidth(), 300);
    EXPECT_EQ(w.grid->LastBalloonCell(), (TPoint{2, 2}));
    const TRect other = w.grid->CellRect(3, 3);
    w.grid->CancelHintsAndBalloons(other.Left + 2, other.Top + 2);
    EXPECT_FALSE(tip->isVisible());
    EXPECT_EQ(w.grid->LastBalloonCell(), (TPoint{-1, -1}));
}

// A form whose own resize handler fails once it is armed.
class FailingResizeForm : public TForm {
public:
    bool fail = false;

protected:
    void FormResize(TObject*) override
    {
        if (fail)
            throw Exception(QStringLiteral("resize failed"));
    }
};

TEST(ExGridFormResize, TheGridFollowsTheFormAndAFailingFormHandlerIsReported)
{
    platform::ModalSeams seams;
    FailingResizeForm form;
    form.resize(500, 400);
    auto* grid = new TExStringGrid(&form);
    grid->SetBounds(10, 10, 300, 200);
    grid->SetSizeWithForm(true);
    grid->ColumnSize()->SetStretch(true);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.resize(550, 420);
    QApplication::processEvents();
    EXPECT_EQ(grid->Width(), 350);
    EXPECT_EQ(grid->Height(), 220);

    form.resize(550 - 360, 420);
    QApplication::processEvents();
    EXPECT_EQ(grid->Width(), 350) << "a shrink to 0 or below changes nothing";

    form.fail = true;
    seams.AnswerMessage(mrOk);
    grid->SetColWidths(grid->ColCount() - 1, 5);
    form.resize(600, 430);
    QApplication::processEvents();
    EXPECT_EQ(seams.Messages(), QStringList{"resize failed"});
    EXPECT_GT(grid->ColWidths(grid->ColCount() - 1), 5) << "the stretch step still runs";
}

TEST(ExGridSelectionCounts, CountsFollowTheRectangleOrTheDisjunctLists)
{
    TExStringGrid grid;
    grid.SetColCount(6);
    grid.SetRowCount(8);
    grid.SetSelection(TGridRect{1, 2, 3, 3});
    EXPECT_EQ(grid.SelectedCellsCount(), 6);
    EXPECT_EQ(grid.SelectedCell(0).X, 1);
    EXPECT_EQ(grid.SelectedCell(0).Y, 2);
    EXPECT_EQ(grid.SelectedRowCount(), 2);
    EXPECT_EQ(grid.SelectedColCount(), 3);
    EXPECT_EQ(grid.SelectedRow(1), 3);
    EXPECT_EQ(grid.SelectedRow(2), -1);
    EXPECT_TRUE(grid.SelectedCells(3, 3));
    EXPECT_FALSE(grid.SelectedCells(4, 3));
    EXPECT_THROW(grid.SelectedCell(6), std::exception);

    grid.MouseActions()->SetDisjunctColSelect(true);
    grid.SetColSelect(2, true);
    EXPECT_EQ(grid.SelectedColCount(), 1);
    grid.ClearColSelect();
    EXPECT_EQ(grid.SelectedColCount(), 0);

    grid.MouseActions()->SetDisjunctCellSelect(true);
    grid.ClearSelectedCells();
    EXPECT_EQ(grid.SelectedCellsCount(), 0);
    grid.SetSelectedCells(4, 5, true);
    grid.SetSelectedCells(4, 5, true);
    EXPECT_EQ(grid.SelectedCellsCount(), 1);
    EXPECT_TRUE(grid.SelectedCells(4, 5));
    grid.SetSelectedCells(4, 5, false);
    EXPECT_EQ(grid.SelectedCellsCount(), 0);
}

} // namespace
