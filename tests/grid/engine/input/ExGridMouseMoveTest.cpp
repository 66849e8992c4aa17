// Mouse movement: hover marks, sizing, header drag selection, anchors, the
// drag of cells through the drag runner, the enhanced column move, and the
// hint and picture windows.

#include "tests/grid/engine/paint/ExGridRenderFixture.h"
#include "grid/engine/ExGridDataSettings.h"
#include "grid/engine/hints/ExGridHintWindow.h"
#include "grid/foundation/objects/ExObjArrowWindow.h"
#include "grid/foundation/objects/ExObjMouseActions.h"
#include "grid/foundation/util/ExUtilText.h"

#include <QtGui/QPaintEvent>
#include <QtGui/QScreen>

namespace {

// A grid driven by the mouse messages its viewport would send.
class MouseGrid : public OpenGrid {
public:
    using OpenGrid::OpenGrid;
    using OpenGrid::GridState;
    using OpenGrid::HoverRowIdx;
    using OpenGrid::MouseSelectMode;
    void press(int x, int y, TShiftState s = {}) { WMLButtonDown(s | ssLeft, x, y); }
    void moveTo(int x, int y, bool held = true) { MouseMove(held ? TShiftState(ssLeft) : TShiftState(), x, y); }
    void release(int x, int y) { WMLButtonUp(TShiftState(), x, y); }
    void leave() { MouseLeave(); }
};

// Records the regions the viewport is asked to paint.
class PaintRecorder : public QObject {
public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(e)->region();
        return false;
    }
};

class ExGridMouseMove : public testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        window->resize(420, 300);
        grid = new MouseGrid(window.get());
        grid->setGeometry(0, 0, 420, 300);
        grid->SetColCount(5);
        grid->SetRowCount(30);
        grid->SetDefaultColWidth(80);
        grid->SetDefaultRowHeight(20);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    QPoint centre(int c, int r) const
    {
        const TRect rect = grid->CellRect(c, r);
        return QPoint((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
    }
    QRegion paintedBy(const std::function<void()>& action)
    {
        QApplication::processEvents();
        PaintRecorder recorder;
        grid->viewport()->installEventFilter(&recorder);
        action();
        QApplication::processEvents();
        grid->viewport()->removeEventFilter(&recorder);
        return recorder.painted;
    }
    QRect rowRect(int r) const
    {
        const TRect rect = grid->CellRect(1, r);
        return QRect(rect.Left, rect.Top, rect.Width(), rect.Height());
    }
    THTMLHintWindow* hintWindow() { return dynamic_cast<THTMLHintWindow*>(grid->ScrollHintWindow()); }

    std::unique_ptr<QWidget> window;
    MouseGrid* grid = nullptr;
};

}  // namespace

TEST_F(ExGridMouseMove, ColumnSizingReportsTheNewWidthAndShowsItInTheHint)
{
    grid->SetOptions(grid->Options() | goColSizing);
    grid->SetHintShowSizing(true);
    QList<int> sizing;
    grid->OnColumnSizing = [&](TObject*, int ACol, int Size) {
        EXPECT_EQ(ACol, 1);
        sizing << Size;
    };
    const int border = grid->CellRect(1, 0).Right;
    grid->moveTo(border, 5, false);
    grid->press(border, 5);
    ASSERT_EQ(grid->GridState(), gsColSizing);
    grid->moveTo(border + 13, 5);
    ASSERT_FALSE(sizing.isEmpty());
    EXPECT_EQ(sizing.last(), 93);
    ASSERT_NE(hintWindow(), nullptr);
    EXPECT_TRUE(hintWindow()->isVisible());
    EXPECT_EQ(hintWindow()->Text(), QStringLiteral("cw=<b>93</b>"));
    grid->release(border + 13, 5);
    EXPECT_EQ(grid->ColWidths(1), 93);
    EXPECT_FALSE(hintWindow()->isVisible());
}

TEST_F(ExGridMouseMove, FixedColumnIsSizedFromItsBorderToTheRelease)
{
    grid->MouseActions()->SetSizeFixedCol(true);
    grid->SetColWidths(0, 40);
    QList<int> ended;
    grid->OnEndColumnSize = [&](TObject*, int ACol) { ended << ACol; };
    grid->moveTo(40, 50, false);
    grid->press(40, 50);
    grid->moveTo(52, 50);
    grid->moveTo(60, 50);
    EXPECT_EQ(grid->ColWidths(0), 40) << "sized only by the release";
    grid->release(60, 50);
    EXPECT_EQ(grid->ColWidths(0), 60);
    EXPECT_EQ(ended, QList<int>({0}));
    // away from the border a press selects as usual
    grid->moveTo(20, 50, false);
    grid->press(120, 50);
    grid->release(120, 50);
    EXPECT_EQ(grid->ColWidths(0), 60);
}

TEST_F(ExGridMouseMove, RowHeaderDragSelectsWholeRowsAndScrollsBelowTheGrid)
{
    grid->MouseActions()->SetRowSelect(true);
    const QPoint start = centre(0, 2);
    grid->moveTo(start.x(), start.y(), false);
    EXPECT_EQ(grid->MouseSelectMode(), msRow);
    grid->press(start.x(), start.y());
    const QPoint to = centre(0, 5);
    grid->moveTo(to.x(), to.y());
    const TGridRect s = grid->Selection();
    EXPECT_EQ(s.Left, 1);
    EXPECT_EQ(s.Right, 4);
    EXPECT_EQ(s.Top, 2);
    EXPECT_EQ(s.Bottom, 5);

    const int top = grid->TopRow();
    const int below = grid->ClientHeight() + 10;
    grid->moveTo(start.x(), below);
    EXPECT_EQ(grid->TopRow(), top + 1);
    grid->moveTo(start.x(), below + 1);
    EXPECT_EQ(grid->TopRow(), top + 2);
    EXPECT_EQ(grid->Selection().Top, 2);
    grid->release(start.x(), below + 1);
}

TEST_F(ExGridMouseMove, HoverRowRepaintsTheRowsItLeavesAndEnters)
{
    grid->SetHoverRow(true);
    const QPoint row3 = centre(1, 3);
    const QPoint row4 = centre(1, 4);
    grid->moveTo(row3.x(), row3.y(), false);
    const QRegion change = paintedBy([&] { grid->moveTo(row4.x(), row4.y(), false); });
    EXPECT_TRUE(change.intersects(rowRect(3)));
    EXPECT_TRUE(change.intersects(rowRect(4)));
    EXPECT_TRUE(paintedBy([&] { grid->moveTo(row4.x() + 30, row4.y() + 2, false); }).isEmpty());
    const QRegion left = paintedBy([&] { grid->leave(); });
    EXPECT_TRUE(left.intersects(rowRect(4)));
    EXPECT_FALSE(left.intersects(rowRect(3)));
    EXPECT_EQ(grid->HoverRowIdx(), -1);
}

TEST_F(ExGridMouseMove, AnchorIsEnteredAndLeftOnce)
{
    grid->SetColWidths(1, 200);
    grid->SetCells(1, 1, QStringLiteral("<a href=\"go\">a link</a> and plain words"));
    int entered = 0, left = 0;
    grid->OnAnchorEnter = [&](TObject*, int ARow, int ACol, const QString& Anchor) {
        EXPECT_EQ(ARow, 1);
        EXPECT_EQ(ACol, 1);
        EXPECT_EQ(Anchor, QStringLiteral("go"));
        ++entered;
    };
    grid->OnAnchorExit = [&](TObject*, int, int, const QString&) { ++left; };
    const TRect cell = grid->CellRect(1, 1);
    const int y = centre(1, 1).y();
    for (int x = cell.Left; x < cell.Right; ++x)
        grid->moveTo(x, y, false);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);
}

namespace {

// Answers every drag with one effect and records what it was given.
struct RecordingRunner {
    TDragEffect effect = deNone;
    int texts = 0;
    QString selected;
    TGridDragRunner runner()
    {
        TGridDragRunner r;
        r.RunTextDragDrop = [this](TExStringGrid*, const QString& Selected, const QString&) {
            ++texts;
            selected = Selected;
            return effect;
        };
        return r;
    }
};

}  // namespace

class ExGridCellDrag : public ExGridMouseMove {
protected:
    void SetUp() override
    {
        ExGridMouseMove::SetUp();
        for (int r = 1; r < 6; ++r)
            for (int c = 1; c < 5; ++c)
                grid->SetCells(c, r, QStringLiteral("%1%2").arg(QChar(u'a' + c - 1)).arg(r));
        grid->DragDropSettings()->SetOleDropSource(true);
        grid->SetDragRunner(recorder.runner());
        grid->SetSelection({1, 2, 2, 3});
    }
    // A press on the selection and a move of Distance pixels to the right.
    void drag(int distance)
    {
        const QPoint at = centre(1, 2);
        grid->press(at.x(), at.y());
        grid->moveTo(at.x() + distance, at.y());
    }
    RecordingRunner recorder;
};

TEST_F(ExGridCellDrag, StartsPastThreePixelsWithTheSelectedText)
{
    int stops = 0;
    grid->OnOleDragStop = [&](TObject*, int) { ++stops; };
    drag(3);
    EXPECT_EQ(recorder.texts, 0);
    const QPoint at = centre(1, 2);
    grid->moveTo(at.x() + 4, at.y());
    EXPECT_EQ(recorder.texts, 1);
    EXPECT_EQ(recorder.selected, grid->SelectedText());
    EXPECT_TRUE(recorder.selected.contains(QStringLiteral("a2")));
    grid->moveTo(at.x() + 9, at.y());
    EXPECT_EQ(recorder.texts, 1) << "one drag per press";
    EXPECT_EQ(stops, 0) << "a cancelled drag reports no stop";
    EXPECT_EQ(grid->Cells(1, 2), QStringLiteral("a2"));
}

// With disjunct rows a move empties the selected rows whole, as the selection
// clearing does, and leaves the other rows alone.
TEST_F(ExGridCellDrag, MoveWithDisjunctRowsEmptiesTheSelectedRows)
{
    grid->MouseActions()->SetDisjunctRowSelect(true);
    grid->SetRowSelect(2, true);
    grid->SetRowSelect(4, true);
    recorder.effect = deMove;
    grid->SetDragRunner(recorder.runner());
    drag(8);
    ASSERT_EQ(recorder.texts, 1);
    int cleared = 0;
    for (int r = 1; r < 6; ++r) {
        const bool selected = grid->RowSelect(r);
        cleared += selected;
        for (int c = 1; c < 5; ++c)
            EXPECT_EQ(grid->Cells(c, r).isEmpty(), selected) << c << "," << r;
    }
    EXPECT_GT(cleared, 0);
}

TEST_F(ExGridCellDrag, RefusedDragBecomesARangeSelection)
{
    grid->OnOleDrag = [](TObject*, int, int, const QString&, bool& Allow) { Allow = false; };
    drag(8);
    EXPECT_EQ(recorder.texts, 0);
    EXPECT_EQ(grid->GridState(), gsSelecting);
}

TEST_F(ExGridCellDrag, MoveEffectEmptiesTheCellsOrRemovesTheRows)
{
    QList<int> stops;
    grid->OnOleDragStop = [&](TObject*, int Effect) { stops << Effect; };
    recorder.effect = deMove;
    grid->SetDragRunner(recorder.runner());
    drag(8);
    EXPECT_EQ(stops, QList<int>({deMove}));
    EXPECT_EQ(grid->Cells(1, 2), QString());
    EXPECT_EQ(grid->Cells(2, 3), QString());
    EXPECT_EQ(grid->Cells(3, 2), QStringLiteral("c2"));
    EXPECT_EQ(grid->RowCount(), 30);
    grid->release(0, 0);

    grid->DragDropSettings()->SetOleRemoveRows(true);
    grid->SetOptions(grid->Options() | goRowSelect);
    grid->SetSelection({1, 4, 4, 4});
    const QPoint at = centre(1, 4);
    grid->press(at.x(), at.y());
    grid->moveTo(at.x() + 8, at.y());
    EXPECT_EQ(grid->RowCount(), 29);
    EXPECT_EQ(grid->Cells(1, 4), QStringLiteral("a5"));
}

class ExGridColumnMove : public ExGridMouseMove {
protected:
    void SetUp() override
    {
        ExGridMouseMove::SetUp();
        grid->SetOptions(grid->Options() | goColMoving);
        for (int c = 0; c < 5; ++c)
            grid->SetCells(c, 0, QStringLiteral("h%1").arg(c));
    }
    QPoint global(int x, int y) { return grid->viewport()->mapToGlobal(QPoint(x, y)); }
};

TEST_F(ExGridColumnMove, ArrowsMarkTheTargetAndTheReleaseMovesTheColumn)
{
    const QPoint from = centre(3, 0);
    const QPoint to = centre(1, 0);
    grid->press(from.x(), from.y());
    ASSERT_EQ(grid->GridState(), gsColMoving);
    grid->moveTo(to.x(), to.y());
    const TRect target = grid->CellRect(1, 0);
    ASSERT_NE(grid->MoveArrow(arrUp), nullptr);
    EXPECT_EQ(grid->MoveArrow(arrUp)->pos(), global(target.Left - 5, target.Bottom));
    EXPECT_EQ(grid->MoveArrow(arrDown)->pos(), global(target.Left - 5, target.Top - 8));
    EXPECT_TRUE(grid->MoveArrow(arrUp)->isVisible());
    EXPECT_EQ(grid->MoveCursor(), crDrag);
    EXPECT_EQ(grid->HeaderDragButton()->Caption(), QStringLiteral("h3"));
    grid->release(to.x(), to.y());
    EXPECT_EQ(grid->MoveCursor(), crDefault);
    EXPECT_FALSE(grid->MoveArrow(arrUp)->isVisible());
    EXPECT_EQ(grid->Cells(1, 0), QStringLiteral("h3"));
    EXPECT_EQ(grid->Cells(2, 0), QStringLiteral("h1"));
}

TEST_F(ExGridColumnMove, RefusedTargetShowsNoDropAndMovesNothing)
{
    grid->OnColumnMoving = [](TObject*, int, bool& Allow) { Allow = false; };
    const QPoint from = centre(3, 0);
    const QPoint to = centre(1, 0);
    grid->press(from.x(), from.y());
    grid->moveTo(to.x(), to.y());
    EXPECT_EQ(grid->MoveCursor(), crNoDrop);
    grid->release(to.x(), to.y());
    EXPECT_EQ(grid->MoveCursor(), crDefault);
    for (int c = 0; c < 5; ++c)
        EXPECT_EQ(grid->Cells(c, 0), QStringLiteral("h%1").arg(c));
}

TEST_F(ExGridMouseMove, HintKeepsInsideTheMonitorAndShowsWideTextDecoded)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    TRect monitor = FromQRect(screen);
    EXPECT_EQ(FitHintOnMonitor(Rect(monitor.Right - 50, 10, monitor.Right + 50, 30), monitor).Right,
              monitor.Right - 2);
    EXPECT_EQ(FitHintOnMonitor(Rect(10, monitor.Bottom - 5, 60, monitor.Bottom + 15), monitor).Bottom,
              monitor.Bottom - 2);

    THTMLHintWindow hint(nullptr);
    const QString plain = QStringLiteral("a hint text");
    const TRect size = hint.CalcHintRect(1000, plain, nullptr);
    const int left = screen.x() + screen.width() - size.Width() - 16 + 50;
    hint.ActivateHint(Rect(left, screen.y() + 10, left, screen.y() + 10), plain);
    EXPECT_EQ(hint.geometry().right() + 1, screen.x() + screen.width() - 2);

    const QString wide = EncodeWideCellText(QStringLiteral("wide \u0416 text"));
    ASSERT_EQ(ClassifyCellText(wide, true), ctWideEncoded);
    hint.ActivateHint(Rect(screen.x() + 10, screen.y() + 10, 0, 0), wide);
    EXPECT_EQ(hint.Caption(), QStringLiteral("wide \u0416 text"));
    EXPECT_LT(hint.height(), 2 * hint.fontMetrics().height());
}

TEST_F(ExGridMouseMove, SelectionPictureDrawsTheFixedLineAtItsLeftEdge)
{
    grid->SetFixedCols(1);
    grid->SetOptions(grid->Options() | goFixedHorzLine);
    grid->SetGridFixedLineColor(clRed);
    std::unique_ptr<TNoActiveForm> form(grid->SelectionToForm({0, 1, 2, 3}));
    const TRect a = grid->ComputeCellRect(0, 1);
    const TRect b = grid->ComputeCellRect(2, 3);
    EXPECT_EQ(form->Picture().size(), QSize(b.Right - a.Left + 1, b.Bottom - a.Top + 1));
    EXPECT_EQ(form->AlphaBlendValue(), 192);
    for (int y = 0; y < form->Picture().height(); ++y)
        ASSERT_EQ(form->Picture().pixel(0, y) & 0xFFFFFF, qRgb(255, 0, 0) & 0xFFFFFF) << y;
    std::unique_ptr<TNoActiveForm> inner(grid->SelectionToForm({1, 1, 2, 3}));
    EXPECT_NE(inner->Picture().pixel(0, 5) & 0xFFFFFF, qRgb(255, 0, 0) & 0xFFFFFF);
}

TEST_F(ExGridMouseMove, ClickOnANoActiveFormLeavesTheFocus)
{
    auto* edit = new QLineEdit(window.get());
    edit->setGeometry(0, 280, 100, 20);
    edit->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());
    TNoActiveForm form(window.get());
    QImage picture(40, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    form.SetPicture(picture);
    form.move(window->mapToGlobal(QPoint(10, 10)));
    form.show();
    QTest::mouseClick(&form, Qt::LeftButton, {}, QPoint(5, 5));
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), window.get());
    EXPECT_TRUE(edit->hasFocus());
}
