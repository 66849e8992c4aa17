// The pointer the grid shows, the focus arriving and leaving, its enter and
// exit, and the focus glow around the edited cell.

#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"
#include "grid/engine/paint/ExGridControlLook.h"
#include "grid/engine/input/ExGridFocus.h"
#include "grid/foundation/objects/ExObjFocusWindow.h"
#include "grid/foundation/objects/ExObjGridSettings.h"
#include "grid/foundation/objects/ExObjMouseActions.h"
#include "grid/foundation/objects/ExObjNavigation.h"
#include "platform/core/Exceptions.h"
#include "platform/grid/InplaceEdit.h"
#include "platform/ui/window/ModalSeams.h"

#include <QtGui/QCursor>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

#include <gtest/gtest.h>

namespace {

// Opens the grid's mouse state to the tests and counts what the focus
// handling asks of the editing flow.
class FocusGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    using TExStringGrid::HandleExit;
    using TExStringGrid::SetGridState;
    using TExStringGrid::SetMouseSelectMode;

    int checkColumn = -1;
    QList<QPoint> remembered;
    int exitsDuringFinish = -1;

    bool HasCheckBox(int ACol, int ARow) override
    {
        return ACol == checkColumn || TExStringGrid::HasCheckBox(ACol, ARow);
    }
    void RememberCellBeforeEdit(int ACol, int ARow) override
    {
        remembered << QPoint(ACol, ARow);
        TExStringGrid::RememberCellBeforeEdit(ACol, ARow);
    }
    int exits = 0;
    void FinishCellEdit(int ACol, int ARow) override
    {
        const int before = exits;
        HandleExit();
        exitsDuringFinish = exits - before;
        TExStringGrid::FinishCellEdit(ACol, ARow);
    }
};

// A window with an edit before the grid, so that the focus can leave the grid
// and come back to it.
struct FocusWindow {
    QWidget window;
    QLineEdit* before;
    FocusGrid* grid;
    FocusWindow()
    {
        window.resize(420, 300);
        before = new QLineEdit(&window);
        before->setGeometry(0, 0, 100, 20);
        grid = new FocusGrid(&window);
        grid->SetBounds(0, 30, 400, 250);
        grid->SetColCount(5);
        grid->SetRowCount(6);
        grid->OnExit = [this](TObject*) { ++grid->exits; };
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QApplication::processEvents();
    }
    void FocusBefore()
    {
        before->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    void TabIntoGrid()
    {
        grid->setFocus(Qt::TabFocusReason);
        QApplication::processEvents();
    }
    bool EditorShown() const { return grid->NormalEdit() && grid->NormalEdit()->isVisible(); }
};

TEST(ExGridCursor, TheCursorFollowsTheSelectModeSizingAndMarks)
{
    FocusWindow w;
    FocusGrid& g = *w.grid;
    g.SetOptions(g.Options() | goColSizing);
    const TRect cell = g.CellRect(2, 2);
    const int x = cell.Left + 5;
    const int y = cell.Top + 5;
    const TGetCellCursorEvent handPoint = [](TObject*, int, int, int, int, TCursor& c) { c = crHandPoint; };
    struct Case {
        const char* what;
        TMouseSelectMode mode;
        TGridState state;
        TFixedSizingMarks marks;
        bool cellCursor;
        int cursor;
    };
    const Case cases[] = {
        {"column header with ColSelect", msColumn, gsNormal, {}, true, SelectColumnCursor},
        {"row header with RowSelect", msRow, gsNormal, {}, true, SelectRowCursor},
        {"corner with AllSelect", msAll, gsNormal, {}, true, SelectAllCursor},
        {"the selection grip", msResize, gsNormal, {}, true, SelectAllCursor},
        {"a column being sized", msColumn, gsColSizing, {}, false, crHSplit},
        {"a row being sized", msNormal, gsRowSizing, {}, false, crVSplit},
        {"a plain cell asks OnGetCellCursor", msNormal, gsNormal, {}, true, crHandPoint},
        {"a fixed column border over OnGetCellCursor", msNormal, gsNormal, {true, false, false, false}, true, crHSplit},
        {"a fixed column being sized", msNormal, gsNormal, {false, true, false, false}, true, crHSplit},
        {"both fixed marks", msNormal, gsNormal, {true, false, false, true}, true, crVSplit},
    };
    for (const Case& c : cases) {
        g.OnGetCellCursor = c.cellCursor ? handPoint : TGetCellCursorEvent();
        g.SetMouseSelectMode(c.mode);
        g.SetGridState(c.state);
        g.SetFixedSizingMarks(c.marks);
        g.HandleWmSetCursor(x, y);
        EXPECT_EQ(g.GridCursor(), c.cursor) << c.what;
    }
    g.SetGridState(gsNormal);
    g.SetFixedSizingMarks({});
    g.SetMouseSelectMode(msNormal);
    g.OnGetCellCursor = nullptr;
    const TRect header = g.CellRect(1, 0);
    g.HandleWmSetCursor(header.Right, header.Top + 4);
    EXPECT_EQ(g.GridCursor(), crHSplit) << "a column border the user may drag";
    EXPECT_EQ(g.viewport()->cursor().shape(), Qt::SplitHCursor);
    g.HandleWmSetCursor(x, y);
    EXPECT_EQ(g.GridCursor(), crDefault);
}

TEST(ExGridCursor, SelectCursorsAreDrawnWithTheirHotSpots)
{
    // Each with a point just inside the shape at its hot spot.
    const std::tuple<int, QPoint, QPoint> cases[] = {{SelectRowCursor, QPoint(26, 16), QPoint(23, 16)},
                                                     {SelectColumnCursor, QPoint(13, 26), QPoint(13, 23)},
                                                     {SelectAllCursor, QPoint(16, 16), QPoint(16, 16)}};
    for (const auto& [number, hot, inside] : cases) {
        const QCursor& cursor = SelectCursorPicture(number);
        EXPECT_EQ(cursor.hotSpot(), hot) << number;
        const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(image.size(), QSize(32, 32));
        EXPECT_EQ(image.pixel(inside), qRgba(0, 0, 0, 255)) << number;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        int white = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                white += image.pixel(x, y) == qRgba(255, 255, 255, 255);
        EXPECT_GT(white, 20) << "the white outline " << number;
    }
}

TEST(ExGridFocus, WithAlwaysEditTabbingInOpensAnExistingEditorOnEditableCellsOnly)
{
    FocusWindow w;
    FocusGrid& g = *w.grid;
    g.SetOptions(g.Options() | goEditing);
    g.Navigation()->SetAlwaysEdit(true);
    w.TabIntoGrid();
    g.FocusCell(2, 2);
    g.ShowInplaceEdit();
    ASSERT_TRUE(g.NormalEdit());
    w.FocusBefore();
    ASSERT_FALSE(w.EditorShown());

    w.TabIntoGrid();
    EXPECT_TRUE(w.EditorShown()) << "an editable visible cell";

    w.FocusBefore();
    g.checkColumn = 3;
    g.FocusCell(3, 2);
    w.FocusBefore();
    g.HideInplaceEdit();
    w.TabIntoGrid();
    EXPECT_FALSE(w.EditorShown()) << "a check box cell";
}

TEST(ExGridFocus, BeforeTheFirstEditOnlyAComboButtonCellOpensTheEditor)
{
    for (const bool combo : {false, true}) {
        FocusWindow w;
        FocusGrid& g = *w.grid;
        g.SetOptions(g.Options() | goEditing);
        g.Navigation()->SetAlwaysEdit(true);
        g.OnHasComboBox = [combo](TObject*, int, int, bool& has) { has = combo; };
        ASSERT_EQ(g.NormalEdit(), nullptr);
        w.TabIntoGrid();
        EXPECT_EQ(w.EditorShown(), combo) << (combo ? "combo button" : "plain cell");
    }
}

TEST(ExGridFocus, LeavingRaisesOneExitAfterTheDisjunctRowsTookTheSelection)
{
    FocusWindow w;
    FocusGrid& g = *w.grid;
    g.MouseActions()->SetDisjunctRowSelect(true);
    w.TabIntoGrid();
    g.SetSelection(TGridRect{1, 2, 3, 4});
    g.FireSelectionChanged(1, 2, 3, 4);
    bool rowsTaken = false;
    g.OnExit = [&](TObject*) {
        ++g.exits;
        rowsTaken = g.RowSelect(2) && g.RowSelect(3) && g.RowSelect(4) && !g.RowSelect(1);
    };
    w.FocusBefore();
    EXPECT_EQ(g.exits, 1);
    EXPECT_TRUE(rowsTaken);
}

TEST(ExGridFocus, AnExitWhileTheGridKeepsTheFocusRaisesOnExitOnce)
{
    FocusWindow w;
    FocusGrid& g = *w.grid;
    w.TabIntoGrid();
    g.SetSelection(TGridRect{1, 1, 4, 5});
    g.HandleExit();
    EXPECT_EQ(g.exits, 1);
    EXPECT_TRUE(g.hasFocus());
}

TEST(ExGridFocus, ClosingASpecialEditorRaisesNoExit)
{
    FocusWindow w;
    FocusGrid& g = *w.grid;
    g.SetOptions(g.Options() | goEditing);
    g.SetDefaultEditor(edComboList);
    g.AddComboString(QStringLiteral("one"));
    w.TabIntoGrid();
    g.FocusCell(1, 1);
    g.ShowCellEdit();
    ASSERT_NE(g.EditCtrl(), nullptr);
    g.HideCellEdit();
    EXPECT_EQ(g.exitsDuringFinish, 0);
}

TEST(ExGridFocus, AFailingOnEnterStillRecordsTheCellAndShowsTheFault)
{
    platform::ModalSeams seams;
    seams.AnswerMessage(mrOk);
    FocusWindow w;
    FocusGrid& g = *w.grid;
    g.FocusCell(2, 3);
    g.remembered.clear();
    g.OnEnter = [](TObject*) { throw Exception(QStringLiteral("enter failed")); };
    w.TabIntoGrid();
    EXPECT_TRUE(g.remembered.contains(QPoint(2, 3)));
    EXPECT_EQ(seams.Messages(), QStringList{"enter failed"});
}

TEST(ExGridGlow, TheGlowRingsTheEditedCellWhileFocusHelperIsOn)
{
    FocusWindow w;
    FocusGrid& g = *w.grid;
    g.SetOptions(g.Options() | goEditing);
    w.TabIntoGrid();
    g.FocusCell(2, 2);
    g.ShowInplaceEdit();
    ASSERT_TRUE(w.EditorShown());
    EXPECT_FALSE(g.FocusWindow()->isVisible()) << "no glow without FocusHelper.Enabled";
    g.HideInplaceEdit();

    g.FocusHelper()->SetEnabled(true);
    g.ShowInplaceEdit();
    TGridFocusWindow* glow = g.FocusWindow();
    ASSERT_TRUE(glow->isVisible());
    EXPECT_EQ(FocusGlowGrid(), &g);
    const TRect cell = g.CellRect(2, 2);
    ASSERT_EQ(cell.Right - cell.Left, 64);
    ASSERT_EQ(cell.Bottom - cell.Top, 22);
    const QPoint origin = g.viewport()->mapToGlobal(QPoint(cell.Left, cell.Top));
    EXPECT_EQ(glow->geometry(), QRect(origin - QPoint(4, 4), QSize(73, 31)));
    EXPECT_EQ(glow->LayeredOpacity(), 230);
    const QRegion ring = glow->mask();
    EXPECT_TRUE(ring.contains(QPoint(0, 0)) && ring.contains(QPoint(3, 3)));
    EXPECT_FALSE(ring.contains(QPoint(4, 4)) || ring.contains(QPoint(67, 25)));
    EXPECT_TRUE(ring.contains(QPoint(68, 26)) && ring.contains(QPoint(72, 30)));
    // The strongest pixel of the ring carries the glow colour.
    const QImage picture = glow->LayeredPicture().convertToFormat(QImage::Format_ARGB32);
    QRgb strongest = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (qAlpha(picture.pixel(x, y)) > qAlpha(strongest))
                strongest = picture.pixel(x, y);
    ASSERT_GT(qAlpha(strongest), 64);
    EXPECT_NEAR(qRed(strongest), 151, 3);
    EXPECT_NEAR(qGreen(strongest), 211, 3);
    EXPECT_NEAR(qBlue(strongest), 253, 3);

    w.window.move(w.window.pos() + QPoint(30, 20));
    QApplication::processEvents();
    const QPoint moved = g.viewport()->mapToGlobal(QPoint(cell.Left, cell.Top));
    EXPECT_EQ(glow->geometry().topLeft(), moved - QPoint(4, 4)) << "the glow follows the form";

    g.HideFocusWindow();
    EXPECT_FALSE(glow->isVisible());
    EXPECT_EQ(FocusGlowGrid(), nullptr);
}

} // namespace
