#include "tests/grid/engine/paint/ExGridRenderFixture.h"
#include "grid/engine/input/ExGridPanPictures.h"
#include "grid/foundation/objects/ExObjMouseActions.h"
#include "platform/grid/InplaceEdit.h"

#include <QtGui/QWheelEvent>

#include <vector>

namespace {

using ExGridWindow = GridFixture;

// One notch of the wheel over the grid; a negative delta turns it towards the user.
void Wheel(TExStringGrid* grid, int delta, Qt::KeyboardModifiers modifiers = {})
{
    const QPoint pos(50, 50);
    QWheelEvent event(pos, grid->viewport()->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid->viewport(), &event);
}

}  // namespace

TEST_F(ExGridWindow, EditDoneFiresOnlyAfterThePostingCallReturns)
{
    std::vector<int> fired;
    grid->OnEditCellDone = [&fired](TObject*, int c, int r) { fired = {c, r}; };
    grid->PostGridEditDone(2, 3);
    EXPECT_TRUE(fired.empty());
    QApplication::processEvents();
    EXPECT_EQ(fired, (std::vector<int>{2, 3}));
}

TEST_F(ExGridWindow, EditDoneWithEditOnDoubleClickOnlyEndsEditing)
{
    grid->SetOptions(grid->Options() | goEditing);
    grid->setFocus();
    grid->ShowEditor();
    ASSERT_TRUE(grid->InplaceEditor() && grid->InplaceEditor()->isVisible());
    grid->MouseActions()->SetEditOnDblClickOnly(true);
    grid->PostGridEditDone(grid->Col(), grid->Row());
    QApplication::processEvents();
    EXPECT_FALSE(grid->InplaceEditor()->isVisible());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_FALSE(grid->Options().testFlag(goEditing));
}

TEST_F(ExGridWindow, TypedTextIsInTheCellWhileEditing)
{
    grid->SetOptions(grid->Options() | goEditing);
    grid->SetCol(1);
    grid->SetRow(1);
    grid->setFocus();
    grid->ShowEditor();
    TInplaceEdit* editor = grid->InplaceEditor();
    ASSERT_TRUE(editor && editor->isVisible());
    QTest::keyClicks(editor, QStringLiteral("ab"));
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("ab"));
}

TEST_F(ExGridWindow, CtrlWheelTowardsTheUserZoomsByTheWheelLinesUpToTen)
{
    for (int expected : {3, 6, 9, 9}) {
        Wheel(grid, -120, Qt::ControlModifier);
        EXPECT_EQ(grid->ZoomFactor(), expected);
    }
    Wheel(grid, 120, Qt::ControlModifier);
    EXPECT_EQ(grid->ZoomFactor(), 6);
}

TEST_F(ExGridWindow, WheelMovesTheCurrentRowOrScrollsOrDoesNothing)
{
    grid->SetRowCount(10);
    grid->SetRow(5);
    Wheel(grid, -120);
    EXPECT_EQ(grid->Row(), 8);
    Wheel(grid, -120);
    EXPECT_EQ(grid->Row(), 9) << "kept at the last row";
    Wheel(grid, 120);
    EXPECT_EQ(grid->Row(), 6);

    grid->SetRowCount(100);
    grid->MouseActions()->SetWheelAction(waScroll);
    const int top = grid->TopRow();
    const int row = grid->Row();
    Wheel(grid, -120);
    EXPECT_EQ(grid->TopRow(), top + 3);
    EXPECT_EQ(grid->Row(), row);

    grid->SetEnableWheel(false);
    Wheel(grid, -120);
    grid->MouseActions()->SetWheelAction(waMoveSelection);
    Wheel(grid, -120);
    EXPECT_EQ(grid->TopRow(), top + 3);
    EXPECT_EQ(grid->Row(), row);
}

TEST_F(ExGridWindow, HorizontalPanningFollowsTheMouseOneColumnPerTick)
{
    grid->SetColCount(20);
    grid->SetCol(2);
    grid->SetIntelliPan(ipHorizontal);
    QWidget* viewport = grid->viewport();
    const QPoint origin(100, 50);
    QTest::mousePress(viewport, Qt::MiddleButton, {}, origin);
    ASSERT_TRUE(grid->Panning());
    EXPECT_EQ(QWidget::mouseGrabber(), viewport);

    QTest::mouseMove(viewport, origin + QPoint(0, -6));
    grid->PanTick();
    EXPECT_EQ(grid->Col(), 2) << "up and down mean nothing";
    EXPECT_EQ(grid->PanCursor(), PanCursorNeutral);

    QTest::mouseMove(viewport, origin + QPoint(6, 0));
    grid->PanTick();
    EXPECT_EQ(grid->Col(), 3);
    grid->PanTick();
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->PanCursor(), PanCursorRight);

    grid->MouseActions()->SetWheelAction(waScroll);
    const int left = grid->LeftCol();
    grid->PanTick();
    EXPECT_EQ(grid->LeftCol(), left + 1);
    EXPECT_EQ(grid->Col(), 4);

    QTest::keyClick(grid, Qt::Key_Shift);
    EXPECT_FALSE(grid->Panning());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(grid->PanCursor(), 0);
}

TEST_F(ExGridWindow, PanningEndsWhenTheGridLosesFocusIsHiddenOrDestroyed)
{
    QLineEdit* other = otherFocusTarget();
    const std::vector<std::pair<const char*, std::function<void()>>> endings = {
        {"focus", [&] { other->setFocus(); }},
        {"hide", [&] { grid->hide(); }},
        {"destroy", [&] { delete grid; grid = nullptr; }},
    };
    for (const auto& [name, end] : endings) {
        grid->show();
        grid->setFocus();
        QApplication::processEvents();
        QTest::mousePress(grid->viewport(), Qt::MiddleButton, {}, QPoint(100, 50));
        ASSERT_TRUE(grid->Panning()) << name;
        end();
        QApplication::processEvents();
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr) << name;
        if (grid) {
            EXPECT_FALSE(grid->Panning()) << name;
        }
    }
}
