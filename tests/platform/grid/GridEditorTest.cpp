#include "tests/platform/grid/GridFixture.h"

namespace {

class GridEditorTest : public GridFixture {
protected:
    std::unique_ptr<TStringGrid> grid = MakeGrid(10, 20, 230, 105);

    void SetUp() override
    {
        grid->SetOptions(grid->Options() | goEditing);
        grid->SetCells(1, 1, "one");
        grid->SetCells(2, 1, "two");
    }
    TInplaceEdit* Editor() const { return grid->InplaceEditor(); }
    bool EditorShown() const { return Editor() && Editor()->isVisible(); }
};

TEST_F(GridEditorTest, APrintableKeyOpensTheEditorWithThatCharacterAndEnterCommits)
{
    Key(grid.get(), Qt::Key_X);
    ASSERT_TRUE(EditorShown());
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(Editor()->text(), "x");
    EXPECT_EQ(FromQRect(Editor()->geometry()), grid->CellRect(1, 1));
    EXPECT_EQ(grid->Cells(1, 1), "one");  // stored when the editor closes
    Key(Editor(), Qt::Key_Y);
    Key(Editor(), Qt::Key_Return);
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(grid->Cells(1, 1), "xy");
}

TEST_F(GridEditorTest, F2AndEnterOpenWithTheCellTextAndEscRestoresIt)
{
    Key(grid.get(), Qt::Key_F2);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->text(), "one");
    EXPECT_EQ(Editor()->selectedText(), "one");
    Key(Editor(), Qt::Key_Z);
    EXPECT_EQ(Editor()->text(), "z");
    Key(Editor(), Qt::Key_Escape);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cells(1, 1), "one");
    Key(grid.get(), Qt::Key_Return);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->text(), "one");
}

TEST_F(GridEditorTest, NavigationKeysLeaveTheEditorForTheGrid)
{
    Key(grid.get(), Qt::Key_F2);
    Key(Editor(), Qt::Key_Right);  // the text is selected: the caret moves
    EXPECT_TRUE(EditorShown());
    Key(Editor(), Qt::Key_Exclam);
    Key(Editor(), Qt::Key_Right);  // at the end: the grid moves on
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(grid->Cells(1, 1), "one!");
    Key(grid.get(), Qt::Key_F2);
    Key(Editor(), Qt::Key_Home);
    Key(Editor(), Qt::Key_Left);  // at the start
    EXPECT_EQ(grid->Col(), 1);
    Key(grid.get(), Qt::Key_F2);
    Key(Editor(), Qt::Key_Down);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cells(1, 1), "one!");
}

TEST_F(GridEditorTest, AClickOnTheCurrentCellOpensNoEditor)
{
    Click(*grid, CellCentre(*grid, 1, 1));
    Click(*grid, CellCentre(*grid, 1, 1));
    EXPECT_FALSE(EditorShown());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, CellCentre(*grid, 1, 1));
    EXPECT_FALSE(EditorShown());
}

TEST_F(GridEditorTest, MovingTheCurrentCellOrScrollingClosesTheEditor)
{
    Key(grid.get(), Qt::Key_A);
    Click(*grid, CellCentre(*grid, 2, 2));
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cells(1, 1), "a");
    Key(grid.get(), Qt::Key_B);
    grid->SetTopRow(5);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cells(2, 2), "b");
    grid->SetRow(6);
    Key(grid.get(), Qt::Key_C);
    grid->SetSelection(TGridRect{3, 6, 3, 6});
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cells(2, 6), "c");
}

TEST_F(GridEditorTest, AlwaysShowEditorKeepsItOnTheCurrentCell)
{
    grid->SetOptions(grid->Options() | goAlwaysShowEditor);
    ASSERT_TRUE(EditorShown());
    TInplaceEdit* first = Editor();
    EXPECT_EQ(Editor()->text(), "one");
    Key(Editor(), Qt::Key_Q);
    Key(Editor(), Qt::Key_Down);
    ASSERT_TRUE(EditorShown());
    EXPECT_EQ(Editor(), first);  // created once
    EXPECT_EQ(grid->Cells(1, 1), "q");
    EXPECT_EQ(FromQRect(Editor()->geometry()), grid->CellRect(1, 2));
    Key(Editor(), Qt::Key_W);
    Key(Editor(), Qt::Key_Return);  // stores and stays open
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(grid->Cells(1, 2), "w");
    Key(Editor(), Qt::Key_E);
    Key(Editor(), Qt::Key_Escape);
    EXPECT_TRUE(EditorShown());
    EXPECT_EQ(Editor()->text(), "w");
}

TEST_F(GridEditorTest, NoEditorWithoutEditingOrWithRowSelect)
{
    grid->SetOptions(grid->Options() & ~TGridOptions(goEditing));
    Key(grid.get(), Qt::Key_X);
    Key(grid.get(), Qt::Key_F2);
    grid->ShowEditor();
    EXPECT_FALSE(EditorShown());
    EXPECT_FALSE(grid->EditorMode());
    grid->SetOptions(grid->Options() | goEditing | goRowSelect);
    Key(grid.get(), Qt::Key_X);
    grid->SetEditorMode(true);
    EXPECT_FALSE(EditorShown());
    EXPECT_EQ(grid->Cells(1, 1), "one");
}

TEST_F(GridEditorTest, WritingTheEditedCellReloadsTheEditor)
{
    Key(grid.get(), Qt::Key_F2);
    grid->SetCells(1, 1, "changed");
    EXPECT_EQ(Editor()->text(), "changed");
    grid->SetCells(2, 1, "elsewhere");
    EXPECT_EQ(Editor()->text(), "changed");
}

TEST_F(GridEditorTest, OnKeyPressSeesAndMayChangeTheTypedCharacters)
{
    grid->OnKeyPress = [](TObject*, QChar& key) {
        if (key == QLatin1Char('x'))
            key = QChar();
        else
            key = key.toUpper();
    };
    Key(grid.get(), Qt::Key_X);
    EXPECT_FALSE(EditorShown());
    Key(grid.get(), Qt::Key_K);
    ASSERT_TRUE(EditorShown());
    Key(Editor(), Qt::Key_M);
    Key(Editor(), Qt::Key_X);
    EXPECT_EQ(Editor()->text(), "KM");
}

class LimitedGrid : public TStringGrid {
protected:
    int GetEditLimit() override { return 3; }
};

TEST_F(GridEditorTest, EditMaskAndLimit)
{
    auto limited = MakeGrid<LimitedGrid>(5, 5, 230, 105);
    limited->SetOptions(limited->Options() | goEditing);
    limited->OnGetEditMask = [](TObject*, int, int row, QString& mask) {
        if (row == 2)
            mask = "!00:00;1;_";
    };
    Key(limited.get(), Qt::Key_F2);
    TInplaceEdit* editor = limited->InplaceEditor();
    ASSERT_TRUE(editor && editor->isVisible());
    EXPECT_EQ(editor->MaxLength(), 3);
    EXPECT_EQ(editor->maxLength(), 3);
    for (Qt::Key k : {Qt::Key_A, Qt::Key_B, Qt::Key_C, Qt::Key_D})
        Key(editor, k);
    EXPECT_EQ(editor->text(), "abc");
    Key(editor, Qt::Key_Down);
    EXPECT_EQ(limited->Cells(1, 1), "abc");
    Key(limited.get(), Qt::Key_F2);
    EXPECT_EQ(editor->EditMask(), "!00:00;1;_");
    EXPECT_EQ(editor->inputMask(), "99:99;_");
}

}  // namespace
