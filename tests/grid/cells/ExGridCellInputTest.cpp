// Cell content reached through the grid's own input paths: Space and clicks
// on radio groups, radio buttons, expand buttons and ratings, with their
// events in order.

#include "tests/grid/cells/GridInWindow.h"
#include "grid/engine/paint/ExGridCellGraphic.h"
#include "platform/core/StringList.h"
#include "platform/picture/Bitmap.h"
#include "platform/ui/window/ModalSeams.h"

namespace {

class CellInput : public GridInWindow {
protected:
    QStringList events;

    void SetUp() override
    {
        MakeGrid(400, 400);
        grid->SetDefaultRowHeight(20);
        grid->OnRadioClick = [this](TObject*, int c, int r, int i) { events << QStringLiteral("radio %1,%2,%3").arg(c).arg(r).arg(i); };
        grid->OnRadioButtonClick = [this](TObject*, int c, int r) { events << QStringLiteral("button %1,%2").arg(c).arg(r); };
        grid->OnExpandClick = [this](TObject*, int c, int r, bool e) { events << QStringLiteral("expand %1,%2,%3").arg(c).arg(r).arg(e); };
        grid->OnClickCell = [this](TObject*, int r, int c) { events << QStringLiteral("click %1,%2").arg(c).arg(r); };
    }
    void Press(int ACol, int ARow, int dx, int dy)
    {
        const TRect R = grid->CellRect(ACol, ARow);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, QPoint(R.Left + dx, R.Top + dy));
    }
    void Space(int ACol, int ARow)
    {
        grid->MoveToCell(ACol, ARow);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Space);
    }
};

TEST_F(CellInput, SpaceStepsARadioGroupAndSelectsARadioButton)
{
    TStringList options;
    options.Add(QStringLiteral("a"));
    options.Add(QStringLiteral("b"));
    grid->AddRadio(1, 1, 1, 1, &options);
    grid->AddRadioButtonColumn(2);
    grid->SetRadioButtonState(2, 1, true);
    ShowWindow();
    Space(1, 1);
    Space(2, 3);
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("a"));
    EXPECT_EQ(grid->GetRadioButtonColumnIndex(2), 3);
    EXPECT_EQ(events, (QStringList{"radio 1,1,0", "button 2,3"}));
}

TEST_F(CellInput, AClickOnARadioButtonSelectsItAndClearsTheColumn)
{
    grid->AddRadioButtonColumn(2);
    grid->SetRadioButtonState(2, 1, true);
    ShowWindow();
    Press(2, 2, 5, 5);
    EXPECT_FALSE(grid->IsRadioButtonChecked(2, 1));
    EXPECT_TRUE(grid->IsRadioButtonChecked(2, 2));
    EXPECT_EQ(events, QStringList{"button 2,2"});
}

TEST_F(CellInput, AClickOnTheExpandButtonTogglesTheRowHeight)
{
    grid->AddExpand(1, 2, 60);
    ShowWindow();
    const TRect box = grid->GetExpandButtonRect(1, 2);
    const TRect cell = grid->CellRect(1, 2);
    Press(1, 2, box.Left - cell.Left + 3, box.Top - cell.Top + 3);
    EXPECT_EQ(grid->RowHeights(2), 60);
    EXPECT_EQ(events, (QStringList{"click 1,2", "expand 1,2,1"}));
}

TEST_F(CellInput, ARatingClickWritesTheHalfStarsUnlessRefused)
{
    grid->SetColWidths(1, 120);
    grid->AddRating(1, 1, 5, clYellow, clGray);
    grid->AddRating(1, 3, 5, clYellow, clGray);
    grid->OnRatingChange = [](TObject*, int, int ARow, int&, bool& allow) { allow = ARow != 3; };
    ShowWindow();
    Press(1, 1, 40, 5);
    Press(1, 3, 40, 5);
    EXPECT_DOUBLE_EQ(grid->Floats(1, 1), 2.0);
    EXPECT_TRUE(grid->Cells(1, 3).isEmpty());
}

TEST_F(CellInput, AClickOnANodeGlyphContractsAndExpandsWithItsEvents)
{
    for (int r = 0; r < 5; ++r)
        grid->SetCells(1, r, QString::number(r));
    grid->AddNode(1, 3);
    grid->OnBeforeContractNode = [this](TObject*, int r, int real, bool&) { events << QStringLiteral("before contract %1,%2").arg(r).arg(real); };
    grid->OnContractNode = [this](TObject*, int r, int real) { events << QStringLiteral("contract %1,%2").arg(r).arg(real); };
    int expandAsks = 0;
    grid->OnBeforeExpandNode = [this, &expandAsks](TObject*, int r, int real, bool& allow) {
        events << QStringLiteral("before expand %1,%2").arg(r).arg(real);
        allow = ++expandAsks > 1;
    };
    grid->OnExpandNode = [this](TObject*, int r, int real) { events << QStringLiteral("expand %1,%2").arg(r).arg(real); };
    ShowWindow();
    Press(0, 1, 5, 5);
    EXPECT_EQ(grid->RowCount(), 3);
    Press(0, 1, 6, 6);
    EXPECT_EQ(grid->RowCount(), 3) << "a refused expansion keeps the block closed";
    Press(0, 1, 5, 5);
    EXPECT_EQ(grid->RowCount(), 5);
    EXPECT_EQ(events, (QStringList{"click 0,1", "before contract 1,1", "contract 1,1", "click 0,1",
                                   "before expand 1,1", "click 0,1", "before expand 1,1", "expand 1,1"}));
}

// Every kind in one grid beside a node tree, saved for a look by eye (the
// cell drawing paints them).
TEST_F(CellInput, EveryKindAndANodeTreeScreenshot)
{
    window->resize(640, 420);
    grid->setGeometry(0, 0, 640, 420);
    grid->SetColCount(5);
    grid->SetRowCount(14);
    grid->SetColWidths(1, 150);
    grid->SetColWidths(2, 150);
    TStringList options;
    options.Add(QStringLiteral("one"));
    options.Add(QStringLiteral("two"));
    for (int r = 1; r < 14; ++r)
        grid->SetCells(1, r, QStringLiteral("row %1").arg(r));
    grid->AddNode(1, 6);
    grid->AddNode(3, 3);
    grid->AddNode(8, 3);
    grid->ContractNode(8);
    grid->AddCheckBox(2, 1, true, false);
    grid->AddCheckBox(2, 2, cbGrayed);
    grid->AddCheckBox(2, 3, false, true);
    grid->AddRadio(2, 4, 1, 1, &options);
    grid->AddRadioButton(2, 5, true);
    grid->AddButton(2, 6, 40, 18, QStringLiteral("Go"), haRight, vaTop);
    grid->AddProgress(2, 7, clBlue, clWhite);
    grid->SetCells(2, 7, QStringLiteral("40"));
    grid->AddComment(2, 8, QStringLiteral("a comment"));
    grid->AddShape(3, 1, csCircle, clRed, clBlack, haLeft, vaTop);
    grid->AddRating(3, 2, 5, clYellow, clGray);
    grid->SetCells(3, 2, QStringLiteral("3.5"));
    grid->AddProgressPie(3, 3, clGreen, 60);
    grid->AddRangeIndicator(3, 4, 100, clRed, clGreen, true);
    grid->SetCells(3, 4, QStringLiteral("-30"));
    grid->AddExpand(3, 5, 60);
    grid->AddRotated(3, 6, 90, QStringLiteral("up"));
    grid->AddScrollBar(3, 7, false);
    grid->AddExProgress(3, 8, 0, 100);
    grid->SetCells(3, 8, QStringLiteral("70"));
    grid->CreateBitmap(4, 1, false, haLeft, vaTop)->SetSize(12, 12);
    ShowWindow();
    const std::tuple<int, int, TCellType> kinds[] = {
        {2, 1, ctCheckBox},   {2, 2, ctTriStateCheckBox}, {2, 3, ctDataCheckBox}, {2, 4, ctRadio},
        {2, 5, ctRadioButton}, {2, 6, ctButton},          {2, 7, ctProgress},     {2, 8, ctComment},
        {3, 1, ctShape},      {3, 2, ctRating},           {3, 3, ctProgressPie},  {3, 4, ctRangeIndicator},
        {3, 5, ctExpand},     {3, 6, ctRotated},          {3, 7, ctScrollbar},    {3, 8, ctXPProgress},
        {4, 1, ctBitmap},     {0, 1, ctNode},             {0, 8, ctNode}};
    for (auto [c, r, kind] : kinds)
        EXPECT_EQ(grid->GetCellType(c, r), kind) << c << "," << r;
    EXPECT_EQ(grid->RowCount(), 12) << "the contracted node hides two rows";
    platform::SaveScreenshot(*window, QStringLiteral("grid_cell_kinds"));
}

}  // namespace
