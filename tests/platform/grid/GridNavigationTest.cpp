#include "tests/platform/grid/GridFixture.h"

#include "platform/core/Exceptions.h"
#include "platform/ui/window/Form.h"
#include "platform/ui/window/ModalSeams.h"

#include <vector>

namespace {

class GridNavigationTest : public GridFixture {
protected:
    // 10 x 20 cells, one fixed row and column; 3 columns and 4 rows fit.
    std::unique_ptr<TStringGrid> grid = MakeGrid(10, 20, 230, 105);

    void Start(int col, int row, int left, int top)
    {
        grid->SetSelection(TGridRect{col, row, col, row});
        grid->SetLeftCol(left);
        grid->SetTopRow(top);
    }
};

struct NavCase {
    const char* name;
    TGridOptions options;
    int col, row, left, top;
    Qt::Key key;
    Qt::KeyboardModifiers mods;
    int wantCol, wantRow, wantLeft, wantTop;
};

TEST_F(GridNavigationTest, NavigationKeys)
{
    const TGridOptions rs = DefaultGridOptions | goRowSelect;
    const NavCase cases[] = {
        {"down", DefaultGridOptions, 1, 1, 1, 1, Qt::Key_Down, Qt::NoModifier, 1, 2, 1, 1},
        {"up at the first row", DefaultGridOptions, 1, 1, 1, 1, Qt::Key_Up, Qt::NoModifier, 1, 1, 1, 1},
        {"right", DefaultGridOptions, 1, 1, 1, 1, Qt::Key_Right, Qt::NoModifier, 2, 1, 1, 1},
        {"left at the first column", DefaultGridOptions, 1, 1, 1, 1, Qt::Key_Left, Qt::NoModifier, 1, 1, 1, 1},
        {"down past the view", DefaultGridOptions, 1, 4, 1, 1, Qt::Key_Down, Qt::NoModifier, 1, 5, 1, 2},
        {"down at the last row", DefaultGridOptions, 1, 19, 1, 16, Qt::Key_Down, Qt::NoModifier, 1, 19, 1, 16},
        {"ctrl down scrolls", DefaultGridOptions, 1, 1, 1, 1, Qt::Key_Down, Qt::ControlModifier, 1, 1, 1, 2},
        {"ctrl up scrolls", DefaultGridOptions, 1, 6, 1, 5, Qt::Key_Up, Qt::ControlModifier, 1, 6, 1, 4},
        {"page down", DefaultGridOptions, 1, 1, 1, 1, Qt::Key_PageDown, Qt::NoModifier, 1, 4, 1, 4},
        {"page up", DefaultGridOptions, 1, 10, 1, 8, Qt::Key_PageUp, Qt::NoModifier, 1, 7, 1, 5},
        {"page up at the top", DefaultGridOptions, 1, 2, 1, 1, Qt::Key_PageUp, Qt::NoModifier, 1, 1, 1, 1},
        {"ctrl page down", DefaultGridOptions, 1, 1, 1, 1, Qt::Key_PageDown, Qt::ControlModifier, 1, 4, 1, 1},
        {"ctrl page up", DefaultGridOptions, 1, 7, 1, 5, Qt::Key_PageUp, Qt::ControlModifier, 1, 5, 1, 5},
        {"home", DefaultGridOptions, 5, 3, 3, 1, Qt::Key_Home, Qt::NoModifier, 1, 3, 1, 1},
        {"end", DefaultGridOptions, 1, 3, 1, 1, Qt::Key_End, Qt::NoModifier, 9, 3, 7, 1},
        {"ctrl home", DefaultGridOptions, 5, 10, 3, 8, Qt::Key_Home, Qt::ControlModifier, 1, 1, 1, 1},
        {"ctrl end", DefaultGridOptions, 1, 1, 1, 1, Qt::Key_End, Qt::ControlModifier, 9, 19, 7, 16},
        {"ctrl right pages columns", DefaultGridOptions, 1, 1, 1, 1, Qt::Key_Right, Qt::ControlModifier, 3, 1, 3, 1},
        {"ctrl left pages columns", DefaultGridOptions, 6, 1, 5, 1, Qt::Key_Left, Qt::ControlModifier, 4, 1, 3, 1},
        {"row select: left is up", rs, 1, 5, 1, 1, Qt::Key_Left, Qt::NoModifier, 1, 4, 1, 1},
        {"row select: right is down", rs, 1, 5, 1, 2, Qt::Key_Right, Qt::NoModifier, 1, 6, 1, 3},
        {"row select: home", rs, 3, 9, 1, 6, Qt::Key_Home, Qt::NoModifier, 3, 1, 1, 1},
        {"row select: end", rs, 3, 2, 1, 1, Qt::Key_End, Qt::NoModifier, 3, 19, 1, 16},
        {"row select: ctrl right", rs, 3, 2, 1, 1, Qt::Key_Right, Qt::ControlModifier, 3, 2, 1, 1},
        {"unknown key", DefaultGridOptions, 2, 2, 1, 1, Qt::Key_F5, Qt::NoModifier, 2, 2, 1, 1},
    };
    for (const NavCase& c : cases) {
        grid->SetOptions(c.options);
        Start(c.col, c.row, c.left, c.top);
        Key(grid.get(), c.key, c.mods);
        EXPECT_EQ(grid->Col(), c.wantCol) << c.name;
        EXPECT_EQ(grid->Row(), c.wantRow) << c.name;
        EXPECT_EQ(grid->LeftCol(), c.wantLeft) << c.name;
        EXPECT_EQ(grid->TopRow(), c.wantTop) << c.name;
    }
}

TEST_F(GridNavigationTest, ShiftExtendsTheSelectionOnlyWithRangeSelect)
{
    Start(2, 2, 1, 1);
    Key(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
    Key(grid.get(), Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 2, 3, 3}));
    Key(grid.get(), Qt::Key_Up);
    EXPECT_EQ(grid->Selection(), (TGridRect{3, 2, 3, 2}));
    grid->SetOptions(grid->Options() & ~TGridOptions(goRangeSelect));
    Key(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid->Selection(), (TGridRect{3, 3, 3, 3}));
    grid->SetOptions(grid->Options() | goRowSelect | goRangeSelect);
    Key(grid.get(), Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 3, 9, 4}));
}

TEST_F(GridNavigationTest, WritingTheSelectionMovesAnchorAndCurrentCellWithoutAskingOrScrolling)
{
    int asked = 0;
    grid->OnSelectCell = [&](TObject*, int, int, bool& can) {
        ++asked;
        can = false;
    };
    grid->SetSelection(TGridRect{2, 10, 4, 12});
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(grid->Col(), 4);
    EXPECT_EQ(grid->Row(), 12);
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 10, 4, 12}));
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_EQ(grid->LeftCol(), 1);
    grid->OnSelectCell = nullptr;
    Key(grid.get(), Qt::Key_Down, Qt::ShiftModifier);  // extends from the anchor
    EXPECT_EQ(grid->Selection(), (TGridRect{2, 10, 4, 13}));
    EXPECT_EQ(grid->TopRow(), 10);
    // A selection outside the grid (as a hidden selection is kept) is accepted.
    grid->SetSelection(TGridRect{10, 20, 10, 20});
    EXPECT_EQ(grid->Row(), 20);
}

TEST_F(GridNavigationTest, SelectCellMayRefuseAMove)
{
    std::vector<std::pair<int, int>> asked;
    grid->OnSelectCell = [&](TObject*, int c, int r, bool& can) {
        asked.emplace_back(c, r);
        can = r != 3;
    };
    Start(1, 2, 1, 1);
    asked.clear();
    Key(grid.get(), Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 2);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], std::make_pair(1, 3));
    grid->SetRow(4);
    EXPECT_EQ(grid->Row(), 4);
    grid->SetCol(3);
    EXPECT_EQ(asked.back(), std::make_pair(3, 4));
}

TEST_F(GridNavigationTest, OnKeyDownCanSwallowAKeyAndSeesVirtualKeys)
{
    std::vector<Word> keys;
    grid->OnKeyDown = [&](TObject* sender, Word& key, TShiftState shift) {
        EXPECT_EQ(sender, static_cast<TObject*>(grid.get()));
        if (key == VK_SHIFT || key == VK_CONTROL)
            return;  // the test library presses the modifiers as keys of their own
        keys.push_back(key);
        if (shift.testFlag(ssCtrl))
            key = 0;
    };
    Key(grid.get(), Qt::Key_Down);
    Key(grid.get(), Qt::Key_Down, Qt::ControlModifier);
    Key(grid.get(), Qt::Key_A);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->TopRow(), 1);
    EXPECT_EQ(keys, (std::vector<Word>{VK_DOWN, VK_DOWN, 'A'}));
}

TEST_F(GridNavigationTest, TabMovesThroughTheCellsOnlyWithGoTabs)
{
    Start(8, 2, 7, 1);
    Key(grid.get(), Qt::Key_Tab);
    EXPECT_EQ(grid->Col(), 8);
    grid->SetOptions(grid->Options() | goTabs);
    Key(grid.get(), Qt::Key_Tab);
    Key(grid.get(), Qt::Key_Tab);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 3);
    Key(grid.get(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(grid->Col(), 9);
    EXPECT_EQ(grid->Row(), 2);
}

TEST_F(GridNavigationTest, SettingColAndRowScrollsIntoViewAndRejectsIndexesOutside)
{
    grid->SetRow(12);
    EXPECT_EQ(grid->TopRow(), 9);
    grid->SetCol(8);
    EXPECT_EQ(grid->LeftCol(), 6);
    for (auto set : {std::function<void()>([&] { grid->SetRow(20); }),
                     std::function<void()>([&] { grid->SetCol(-1); })}) {
        try {
            set();
            ADD_FAILURE() << "no exception";
        } catch (const EInvalidGridOperation& e) {
            EXPECT_EQ(e.Message(), "Grid index out of range");
        }
    }
    EXPECT_EQ(grid->Row(), 12);
    EXPECT_EQ(grid->Col(), 8);
}

TEST_F(GridNavigationTest, TheWheelMovesTheCurrentRowByOne)
{
    Start(2, 3, 1, 1);
    QWheelEvent down(QPointF(60, 60), grid->viewport()->mapToGlobal(QPointF(60, 60)), QPoint(), QPoint(0, -240),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid->viewport(), &down);
    EXPECT_EQ(grid->Row(), 5);
    QWheelEvent up(QPointF(60, 60), grid->viewport()->mapToGlobal(QPointF(60, 60)), QPoint(), QPoint(0, 120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid->viewport(), &up);
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_EQ(grid->Col(), 2);
}

}  // namespace

namespace {

// A fault of an application handler during a key or a click ends that event
// with an error box; the grid keeps working.
TEST_F(GridNavigationTest, AFaultOfAnInputHandlerShowsAnErrorBoxAndTheGridGoesOn)
{
    platform::ModalSeams seams;
    seams.AnswerMessage(mrOk);
    seams.AnswerMessage(mrOk);
    grid->OnKeyDown = [](TObject*, Word& key, TShiftState) {
        if (key == VK_DOWN)
            throw Exception(QStringLiteral("key handler broken"));
    };
    grid->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) {
        throw Exception(QStringLiteral("mouse handler broken"));
    };
    Key(grid.get(), Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 1);
    Click(*grid, CellCentre(*grid, 2, 2));
    EXPECT_EQ(seams.Messages(), (QStringList{QStringLiteral("key handler broken"), QStringLiteral("mouse handler broken")}));
    grid->OnKeyDown = nullptr;
    const int before = grid->Row();
    Key(grid.get(), Qt::Key_Down);
    EXPECT_EQ(grid->Row(), before + 1) << "the grid still navigates";
}

TEST_F(GridNavigationTest, RightToLeftReadingSwapsLeftAndRight)
{
    grid->setLayoutDirection(Qt::RightToLeft);
    grid->SetSelection(TGridRect{3, 2, 3, 2});
    Key(grid.get(), Qt::Key_Left);
    EXPECT_EQ(grid->Col(), 4);
    Key(grid.get(), Qt::Key_Right);
    Key(grid.get(), Qt::Key_Right);
    EXPECT_EQ(grid->Col(), 2);
}

}  // namespace
