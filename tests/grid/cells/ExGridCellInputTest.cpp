// Cell content reached through the grid's own input paths: Space and clicks
// on radio groups, radio buttons, expand buttons and ratings, with their
// events in order.

#include "GridInWindow.h"
#include "grid/engine/ExGridCellGraphic.h"
#include "platform/core/StringList.h"

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

}  // namespace
