// The shared row operations on a small column grid: number, check box, two
// text columns.

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "app/tables/common/GridRowOperations.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "platform/ui/window/ModalSeams.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class RowOperations : public ::testing::Test {
protected:
    void SetUp() override
    {
        Load_Default_Texts();
        Row_Clipboard.Clear();
        grid = std::make_unique<TExColumnGrid>();
        grid->SetColCount(4);
        grid->SetRowCount(4);
        grid->Loaded();
        grid->Columns()->Items(1)->SetEditor(edDataCheckBox);
        for (int r = 1; r < 4; ++r)
            grid->SetAllCells(0, r, QString::number(r));
    }
    void TearDown() override { Enable_Jump_Field = Enable_Auto_Size = false; }

    void Fill(int r, const QString& a, const QString& b, const QString& check = QStringLiteral("Y"))
    {
        grid->SetAllCells(1, r, check);
        grid->SetAllCells(2, r, a);
        grid->SetAllCells(3, r, b);
    }
    QStringList Row(int r)
    {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells << grid->AllCells(c, r);
        return cells;
    }

    platform::ModalSeams seams;
    std::unique_ptr<TExColumnGrid> grid;
};

TEST_F(RowOperations, DeleteMovesRowsUpEmptiesTheLastAndKeepsTheNumbers)
{
    Fill(1, "a", "1");
    Fill(2, "b", "2", "N");
    Fill(3, "c", "3");
    Grid_Delete_Row(1, grid.get());
    EXPECT_EQ(Row(1), QStringList({"1", "N", "b", "2"}));
    EXPECT_EQ(Row(2), QStringList({"2", "Y", "c", "3"}));
    EXPECT_EQ(Row(3), QStringList({"3", "", "", ""}));
}

TEST_F(RowOperations, InsertMovesRowsDownAndAsksBeforeDroppingAUsedLastRow)
{
    Fill(1, "a", "1");
    Fill(2, "b", "2");
    EXPECT_TRUE(Grid_Insert_Row(1, grid.get(), true));
    EXPECT_EQ(Row(1), QStringList({"1", "Y", "", ""}));
    EXPECT_EQ(Row(2), QStringList({"2", "Y", "a", "1"}));
    EXPECT_EQ(Row(3), QStringList({"3", "Y", "b", "2"}));
    EXPECT_TRUE(seams.Messages().isEmpty());

    seams.AnswerMessage(mrNo);
    EXPECT_FALSE(Grid_Insert_Row(1, grid.get(), false));
    EXPECT_EQ(seams.Messages(), QStringList({Lang_Texts[1106]}));
    EXPECT_EQ(Row(3), QStringList({"3", "Y", "b", "2"}));

    seams.AnswerMessage(mrYes);
    EXPECT_TRUE(Grid_Insert_Row(1, grid.get(), false));
    EXPECT_EQ(Row(1), QStringList({"1", "", "", ""}));
    EXPECT_EQ(Row(3), QStringList({"3", "Y", "a", "1"}));
}

TEST_F(RowOperations, PasteNeedsACopyInThisGridAndTheSameColumnCount)
{
    Fill(1, "a", "1");
    Grid_Copy_Row(grid.get(), 1);
    EXPECT_EQ(Row_Clipboard.Count(), 3);
    // A copy exists, but not from this grid since it was shown.
    seams.AnswerMessage(mrOk);
    Grid_Paste_Row(grid.get(), 2, false);
    EXPECT_EQ(seams.Messages(), QStringList({Lang_Texts[1102]}));
    EXPECT_EQ(Row(2), QStringList({"2", "", "", ""}));

    Row_Clipboard.Add(QStringLiteral("extra"));
    seams.AnswerMessage(mrOk);
    Grid_Paste_Row(grid.get(), 2, true);
    EXPECT_EQ(seams.Messages().last(), Lang_Texts[1101]);
    EXPECT_EQ(Row(2), QStringList({"2", "", "", ""}));
}

TEST_F(RowOperations, PasteAsksOnlyWhenATextColumnIsUsed)
{
    struct Case {
        const char* check;
        const char* text;
        TModalResult answer; // mrNone: no question expected
        bool overwritten;
    };
    const Case cases[] = {{"Y", "", mrNone, true},
                          {"N", "  ", mrNone, true},
                          {"Y", "x", mrYes, true},
                          {"Y", "x", mrNo, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        Fill(1, "a", "1", "N");
        Grid_Copy_Row(grid.get(), 1);
        Fill(2, c.text, "", c.check);
        const int before = int(seams.Messages().size());
        if (c.answer != mrNone)
            seams.AnswerMessage(c.answer);
        Grid_Paste_Row(grid.get(), 2, true);
        EXPECT_EQ(int(seams.Messages().size()) - before, c.answer != mrNone ? 1 : 0);
        if (c.answer != mrNone) {
            EXPECT_EQ(seams.Messages().last(), Lang_Texts[1100]);
        }
        EXPECT_EQ(grid->AllCells(2, 2) == "a", c.overwritten);
    }
}

TEST_F(RowOperations, EnterJumpsToTheNextCellOnlyWithTheOption)
{
    Enable_Jump_Field = true;
    grid->FocusCell(2, 1);
    QChar key(13);
    Grid_Enter_Next_Cell(grid.get(), key);
    EXPECT_EQ(key, QChar(0));
    EXPECT_EQ(grid->Col(), 3);

    grid->FocusCell(3, 3);
    key = QChar(13);
    Grid_Enter_Next_Cell(grid.get(), key);
    EXPECT_EQ(key, QChar(0));
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(grid->Row(), 1);

    Enable_Jump_Field = false;
    key = QChar(13);
    Grid_Enter_Next_Cell(grid.get(), key);
    EXPECT_EQ(key, QChar(13));
    EXPECT_EQ(grid->Col(), 1);
}

TEST_F(RowOperations, OnlyAHeaderDoubleClickSizesTheColumn)
{
    Enable_Auto_Size = true;
    grid->SetAllCells(2, 2, QStringLiteral("a rather long text that needs a wide column"));
    grid->SetColWidths(2, 20);
    Grid_DblClick_AutoSize(grid.get(), 2, 2);
    EXPECT_EQ(grid->ColWidths(2), 20);
    Grid_DblClick_AutoSize(grid.get(), 0, 2);
    EXPECT_GT(grid->ColWidths(2), 100);
}

} // namespace
