// Header clicks on a shown grid sort its rows, driven by real mouse clicks on
// the sort row in the order a person makes them.

#include "grid/engine/ExGrid.h"
#include "grid/engine/ExGridDataSettings.h"
#include "grid/foundation/objects/ExObjLists.h"
#include "platform/core/Clock.h"

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace {

class ExGridSortClick : public testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        window->resize(500, 300);
        grid = new TExStringGrid(window.get());
        grid->setGeometry(0, 0, 500, 300);
        grid->SetColCount(4);
        grid->SetRowCount(5);
        grid->SetDefaultColWidth(80);
        grid->SetDefaultRowHeight(22);
        const QStringList names = {"pear", "apple", "fig", "kiwi"};
        const QStringList counts = {"2", "10", "2", "1"};
        for (int r = 1; r <= 4; ++r) {
            grid->SetCells(0, r, QString::number(r));
            grid->SetCells(1, r, names[r - 1]);
            grid->SetCells(2, r, counts[r - 1]);
            grid->SetCells(3, r, QStringLiteral("x%1").arg(r));
        }
        grid->SortSettings()->SetShow(true);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override
    {
        window.reset();
        platform::ResetClock();
    }

    void clickHeader(int c, Qt::KeyboardModifiers mods = {})
    {
        const TRect R = grid->CellRect(c, 0);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, mods, QPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2));
    }
    QStringList column(int c)
    {
        QStringList texts;
        for (int r = 1; r < grid->RowCount(); ++r)
            texts << grid->Cells(c, r);
        return texts;
    }

    std::unique_ptr<QWidget> window;
    TExStringGrid* grid = nullptr;
};

TEST_F(ExGridSortClick, ClicksSortUpThenDownThenBackToTheOriginalOrder)
{
    grid->SortSettings()->SetUndoSort(true);
    QList<int> clicked;
    grid->OnClickSort = [&](TObject*, int ACol) { clicked << ACol; };
    const QStringList original = column(1);

    clickHeader(1);
    EXPECT_EQ(column(1), (QStringList{"apple", "fig", "kiwi", "pear"}));
    clickHeader(1);
    EXPECT_EQ(column(1), (QStringList{"pear", "kiwi", "fig", "apple"}));
    clickHeader(1);
    EXPECT_EQ(column(1), original);
    EXPECT_EQ(column(0), (QStringList{"1", "2", "3", "4"})) << "whole rows came back";
    EXPECT_EQ(grid->SortSettings()->Column(), -1);
    EXPECT_EQ(clicked, (QList<int>{1, 1, -1}));
}

TEST_F(ExGridSortClick, ANewColumnStartsWithTheInitialDirectionAndTiesFallThrough)
{
    grid->SortSettings()->SetInitSortDirection(sdDescending);
    clickHeader(2);
    // 10 first; the two 2s are ordered by the columns on their right (x1, x3)
    // in the same descending pass
    EXPECT_EQ(column(2), (QStringList{"10", "2", "2", "1"}));
    EXPECT_EQ(column(3), (QStringList{"x2", "x3", "x1", "x4"}));
    EXPECT_EQ(grid->SortSettings()->Direction(), sdDescending);
}

TEST_F(ExGridSortClick, ShiftAddsAnIndexEntryAndTheIndexSortUsesIt)
{
    grid->SortSettings()->SetIndexShow(true);
    clickHeader(2);
    EXPECT_EQ(grid->SortIndexes()->SaveToString(), QStringLiteral("u2"));
    clickHeader(1, Qt::ShiftModifier);
    EXPECT_EQ(grid->SortIndexes()->SaveToString(), QStringLiteral("u2;u1"));
    EXPECT_EQ(column(2), (QStringList{"1", "2", "2", "10"}));
    EXPECT_EQ(column(1), (QStringList{"kiwi", "fig", "pear", "apple"}));
    EXPECT_EQ(grid->SortSettings()->SaveToString(), QStringLiteral("i;u2;u1"));
    clickHeader(1, Qt::ShiftModifier);
    EXPECT_EQ(column(1), (QStringList{"kiwi", "pear", "fig", "apple"})) << "the second entry toggled";
}

TEST_F(ExGridSortClick, AClickNotesTheTimeAndMergesTheListedColumnsAgain)
{
    platform::SetClockForTesting([] { return quint64(123456); });
    grid->SetCells(1, 2, QStringLiteral("pear"));
    grid->SortSettings()->SetAutoColumnMerge(true);
    grid->MergedColumns()->Add(1);
    grid->MergeColumnCells(1, true);
    ASSERT_TRUE(grid->IsYMergedCell(1, 1));
    clickHeader(1);
    EXPECT_EQ(grid->SortTime(), 123456u);
    EXPECT_EQ(column(1), (QStringList{"fig", "kiwi", "pear", "pear"}));
    EXPECT_FALSE(grid->IsYMergedCell(1, 1)) << "the old merge was split before the rows moved";
    EXPECT_TRUE(grid->IsYMergedCell(1, 3)) << "the pears merged again where they now meet";
}

TEST_F(ExGridSortClick, UndoAfterRowsCameOrWentReturnsToTheOrderOfThatChange)
{
    grid->SortSettings()->SetUndoSort(true);
    clickHeader(1);
    grid->SetRowCount(6);
    grid->SetCells(1, 5, QStringLiteral("banana"));
    clickHeader(2); // the count changed: this click starts the cross-reference anew
    clickHeader(2);
    clickHeader(2);
    EXPECT_EQ(column(1), (QStringList{"apple", "fig", "kiwi", "pear", "banana"}));
}

} // namespace
