#pragma once

#include "platform/grid/InplaceEdit.h"
#include "platform/grid/StringGrid.h"

#include <QtTest/QTest>
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

#include <memory>

// A string grid that shows its mouse state to the tests.
class ProbeGrid : public TStringGrid {
public:
    using TStringGrid::GridState;
};

// A string grid in a shown offscreen window with cells 50 x 20 pixels and 1
// pixel lines (so 51 x 21 per cell) and a client area of a known size.
class GridFixture : public ::testing::Test {
protected:
    static constexpr int kCellW = 51;
    static constexpr int kCellH = 21;

    template <typename Grid = TStringGrid>
    std::unique_ptr<Grid> MakeGrid(int cols, int rows, int clientW, int clientH, TScrollStyle bars = ssNone)
    {
        auto grid = std::make_unique<Grid>();
        grid->SetScrollBars(bars);
        grid->SetColCount(cols);
        grid->SetRowCount(rows);
        grid->SetDefaultColWidth(50);
        grid->SetDefaultRowHeight(20);
        grid->resize(clientW + 4, clientH + 4);  // 2 pixel border on each side
        grid->show();
        grid->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
        QApplication::setActiveWindow(grid.get());
        grid->setFocus();
        QApplication::processEvents();
        return grid;
    }

    // The centre of cell (c, r) in client coordinates.
    static QPoint CellCentre(const TCustomGrid& grid, int c, int r)
    {
        const TRect rect = grid.CellRect(c, r);
        return QPoint((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2);
    }

    static void Click(TCustomGrid& grid, QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, mods, p);
    }

    static void Drag(TCustomGrid& grid, QPoint from, QPoint to)
    {
        QTest::mousePress(grid.viewport(), Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(grid.viewport(), to);
        QTest::mouseRelease(grid.viewport(), Qt::LeftButton, Qt::NoModifier, to);
    }

    static void Key(QWidget* target, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(target, key, mods);
    }

    static QWidget* Focused() { return QApplication::focusWidget(); }
};

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << '{' << l.join(" | ").toStdString() << '}'; }
QT_END_NAMESPACE

inline std::ostream& operator<<(std::ostream& os, const TGridRect& r)
{
    return os << "(" << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom << ")";
}

inline std::ostream& operator<<(std::ostream& os, const TRect& r)
{
    return os << "[" << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom << "]";
}
