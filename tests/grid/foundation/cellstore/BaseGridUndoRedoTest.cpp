#include "tests/grid/foundation/cellstore/BaseGridTestGrid.h"

#include <gtest/gtest.h>

namespace {

class UndoRedo : public ::testing::Test {
protected:
    void SetUp() override
    {
        grid.SetFixedCols(1);
        grid.SetFixedRows(1);
        grid.SetUndoRedo(&recorder);
    }

    // Writes a cell and records the change as the grid does for an edit.
    void Edit(int c, int r, const QString& text)
    {
        const QString old = grid.Cells(c, r);
        grid.SetCells(c, r, text);
        recorder.RegisterChange(c, r, old, text);
    }

    RecordingGrid grid;
    TExGridUndoRedo recorder;
};

TEST_F(UndoRedo, LinkingSetsTheGridAndEitherSideForgetsTheOther)
{
    EXPECT_EQ(recorder.Grid(), &grid);
    {
        TExGridUndoRedo other;
        grid.SetUndoRedo(&other);
        EXPECT_EQ(recorder.Grid(), nullptr);
        EXPECT_EQ(other.Grid(), &grid);
    }
    EXPECT_EQ(grid.UndoRedo(), nullptr);
    TExGridUndoRedo lasting;
    {
        RecordingGrid temporary;
        temporary.SetUndoRedo(&lasting);
    }
    EXPECT_EQ(lasting.Grid(), nullptr);
    lasting.RegisterChange(1, 1, QString(), QStringLiteral("x"));
    lasting.Undo();  // no grid: nothing happens
    EXPECT_EQ(lasting.Level(), 1);
}

TEST_F(UndoRedo, UndoAndRedoOfPlainChangesMoveTheCurrentCell)
{
    Edit(2, 3, QStringLiteral("one"));
    Edit(4, 5, QStringLiteral("two"));
    EXPECT_EQ(recorder.Level(), 2);
    grid.SetCol(1);
    grid.SetRow(1);
    recorder.Undo();
    EXPECT_EQ(grid.Cells(4, 5), QString());
    EXPECT_EQ(grid.Col(), 4);
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(recorder.Level(), 1);
    recorder.Undo();
    EXPECT_EQ(grid.Cells(2, 3), QString());
    EXPECT_EQ(recorder.Level(), 0);
    recorder.Undo();
    EXPECT_EQ(recorder.Level(), 0);
    EXPECT_FALSE(recorder.CanUndo());
    recorder.Redo();
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("one"));
    EXPECT_EQ(recorder.Level(), 1);
    EXPECT_TRUE(recorder.CanRedo());
}

TEST_F(UndoRedo, MaxLevelDropsTheOldest)
{
    recorder.SetMaxLevel(3);
    for (int i = 1; i <= 4; ++i)
        Edit(1, i, QString::number(i));
    ASSERT_EQ(recorder.Items().Count(), 3);
    EXPECT_EQ(recorder.Items().Items(0).Row, 2);
    EXPECT_EQ(recorder.Level(), 3);
}

TEST_F(UndoRedo, NewChangeAfterUndoDiscardsTheUndoneOnes)
{
    Edit(1, 1, QStringLiteral("a"));
    Edit(1, 2, QStringLiteral("b"));
    recorder.Undo();
    Edit(1, 3, QStringLiteral("c"));
    EXPECT_EQ(recorder.Items().Count(), 2);
    EXPECT_EQ(recorder.Level(), 2);
    EXPECT_FALSE(recorder.CanRedo());
    recorder.Redo();
    EXPECT_EQ(grid.Cells(1, 2), QString());
}

TEST_F(UndoRedo, ResetClearsTheHistoryAndTheLevel)
{
    Edit(1, 1, QStringLiteral("a"));
    recorder.Reset();
    EXPECT_EQ(recorder.Items().Count(), 0);
    EXPECT_EQ(recorder.Level(), 0);
    EXPECT_FALSE(recorder.CanUndo());
    recorder.Undo();
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("a"));
}

TEST_F(UndoRedo, ASequenceIsUndoneAndRedoneInOneStep)
{
    Edit(5, 5, QStringLiteral("before"));
    recorder.StartSequence();
    Edit(1, 1, QStringLiteral("a"));
    Edit(2, 1, QStringLiteral("b"));
    Edit(1, 2, QStringLiteral("c"));
    Edit(2, 2, QStringLiteral("d"));
    recorder.StopSequence();
    EXPECT_EQ(recorder.Level(), 7);
    recorder.Undo();
    EXPECT_EQ(recorder.Level(), 1);
    for (int c = 1; c <= 2; ++c)
        for (int r = 1; r <= 2; ++r)
            EXPECT_EQ(grid.Cells(c, r), QString());
    EXPECT_EQ(grid.Cells(5, 5), QStringLiteral("before"));
    recorder.Redo();
    EXPECT_EQ(recorder.Level(), 7);
    EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("d"));
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("a"));
}

TEST_F(UndoRedo, RedoOfAnUnstoppedSequenceAppliesAllItsItems)
{
    recorder.StartSequence();
    Edit(1, 1, QStringLiteral("a"));
    Edit(2, 1, QStringLiteral("b"));
    recorder.Undo();
    recorder.Undo();
    recorder.Undo();
    EXPECT_EQ(recorder.Level(), 0);
    EXPECT_EQ(grid.Cells(2, 1), QString());
    recorder.Redo();
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("a"));
    EXPECT_EQ(grid.Cells(2, 1), QStringLiteral("b"));
    EXPECT_EQ(recorder.Level(), 3);
}

TEST_F(UndoRedo, ASequenceLongerThanMaxLevelUndoesToTheFirstItemAndStaysAtZero)
{
    recorder.SetMaxLevel(2);
    recorder.StartSequence();
    Edit(1, 1, QStringLiteral("a"));
    Edit(1, 2, QStringLiteral("b"));
    Edit(1, 3, QStringLiteral("c"));
    recorder.StopSequence();
    recorder.Undo();
    EXPECT_EQ(recorder.Level(), 0);
    EXPECT_EQ(grid.Cells(1, 3), QString());
    EXPECT_EQ(grid.Cells(1, 2), QString());
    recorder.Redo();
    EXPECT_GE(recorder.Level(), 1);
}

TEST_F(UndoRedo, EventsSeeTheCurrentTextAndTheTextAboutToBeWritten)
{
    Edit(3, 3, QStringLiteral("new"));
    std::vector<QString> seen;
    recorder.OnUndo = [&](TObject* sender, TBaseGrid* g, int c, int r, const QString& orig, const QString& next) {
        EXPECT_EQ(sender, &recorder);
        EXPECT_EQ(g, &grid);
        seen.push_back(QStringLiteral("undo %1,%2 %3>%4").arg(c).arg(r).arg(orig, next));
    };
    recorder.OnRedo = [&](TObject*, TBaseGrid*, int, int, const QString& orig, const QString& next) {
        seen.push_back(QStringLiteral("redo %1>%2").arg(orig, next));
    };
    recorder.Undo();
    recorder.Redo();
    EXPECT_EQ(seen, (std::vector<QString>{QStringLiteral("undo 3,3 new>"), QStringLiteral("redo >new")}));
}

}  // namespace
