#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"

#include <QtGui/QAccessible>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>


TEST(ExGridAccessible, TheGridIsATableOfItsCells)
{
    TExStringGrid grid;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_NE(cells, nullptr);
    EXPECT_EQ(cells->rowCount(), 10);
    EXPECT_EQ(cells->columnCount(), 5);
    EXPECT_EQ(table->childCount(), 50);

    EXPECT_EQ(cells->cellAt(0, 2)->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(cells->cellAt(3, 0)->role(), QAccessible::RowHeader);
    EXPECT_EQ(cells->cellAt(3, 2)->role(), QAccessible::Cell);
    EXPECT_EQ(table->indexOfChild(cells->cellAt(3, 2)), 3 * 5 + 2);
    EXPECT_EQ(cells->cellAt(10, 0), nullptr);
}

TEST(ExGridAccessible, CellsReadWithoutMarkupAndPasswordCellsMasked)
{
    TExStringGrid grid;
    grid.SetCells(1, 1, "<B>x</B>");
    grid.SetCells(2, 1, "secret");
    grid.SetCells(3, 1, "a < b");
    grid.OnIsPasswordCell = [](TObject*, int, int c, bool& pw) { pw = c == 2; };
    QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(&grid)->tableInterface();
    EXPECT_EQ(cells->cellAt(1, 1)->text(QAccessible::Name), "x");
    EXPECT_EQ(cells->cellAt(1, 2)->text(QAccessible::Name), "******");
    EXPECT_EQ(cells->cellAt(1, 3)->text(QAccessible::Name), "a < b");
}

// The offscreen platform has no assistive tools, so the focus event that a
// move sends cannot be heard here; what a tool reads after it is checked.
TEST(ExGridAccessible, TheCurrentCellIsTheFocusedChild)
{
    TExStringGrid grid;
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    QApplication::setActiveWindow(&grid);
    grid.setFocus();
    QApplication::processEvents();

    grid.SetCol(2);
    grid.SetRow(3);

    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&grid);
    QAccessibleInterface* focused = table->focusChild();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->tableCellInterface()->rowIndex(), 3);
    EXPECT_EQ(focused->tableCellInterface()->columnIndex(), 2);
    EXPECT_TRUE(focused->state().focused);
    EXPECT_TRUE(focused->state().selected);
    EXPECT_FALSE(table->tableInterface()->cellAt(1, 1)->state().selected);
}
