#include "tests/grid/engine/paint/ExGridRenderFixture.h"
#include "grid/engine/paint/ExGridAppearance.h"
#include "grid/foundation/styles/ExUtilPaint.h"


#include <cstdlib>

namespace {

using ExGridPaint = GridFixture;

bool WithinOneBand(TColor actual, TColor expected)
{
    return std::abs(GetRValue(actual) - GetRValue(expected)) <= 3 &&
           std::abs(GetGValue(actual) - GetGValue(expected)) <= 3 &&
           std::abs(GetBValue(actual) - GetBValue(expected)) <= 3;
}

}  // namespace

TEST_F(ExGridPaint, HorizontalGradientOutsideTheCellsSpansTheClientWidth)
{
    const TColor from = RGB(255, 0, 0);
    const TColor to = RGB(0, 0, 255);
    grid->BackGround()->SetDisplay(bdGradientHorz);
    grid->BackGround()->SetColor(from);
    grid->BackGround()->SetColorTo(to);
    const QImage image = paint();
    const int stripLeft = grid->CellRect(grid->ColCount() - 1, 0).Right + 1;
    const int width = grid->ClientWidth();
    ASSERT_LT(stripLeft + 20, width);
    for (int x = stripLeft; x < width; ++x)
        for (int y : {0, 40, grid->ClientHeight() - 1})
            ASSERT_TRUE(WithinOneBand(PixelColor(image, x, y), InterpolateColor(from, to, 0, width, x)))
                << "x " << x << " y " << y;
    // the strip below the rows takes its part of the same gradient
    const int below = grid->CellRect(0, grid->RowCount() - 1).Bottom + 5;
    EXPECT_TRUE(WithinOneBand(PixelColor(image, 10, below), InterpolateColor(from, to, 0, width, 10)));
}

TEST_F(ExGridPaint, DefaultBackgroundLeavesTheGridColourOutsideTheCells)
{
    const QImage image = paint();
    const int x = grid->CellRect(grid->ColCount() - 1, 0).Right + 10;
    EXPECT_EQ(PixelColor(image, x, 30), ColorToRGB(grid->Color()));
    EXPECT_EQ(PixelColor(image, 30, grid->ClientHeight() - 2), ColorToRGB(grid->Color()));
}

TEST_F(ExGridPaint, SizingLineShowsUntilDrawnAgainAtTheSamePlace)
{
    const int x = grid->CellRect(grid->ColCount() - 1, 0).Right + 20;
    const QRect column(x, 0, 1, grid->ClientHeight());
    EXPECT_EQ(testsupport::inkBox(paint(), column), QRect());
    grid->DrawColumnSizingLine(x);
    QImage shown = paint();
    EXPECT_GT(CountColor(shown, column, clBlack), grid->ClientHeight() / 3) << "dotted, inverted";
    grid->DrawColumnSizingLine(x);
    EXPECT_EQ(testsupport::inkBox(paint(), column), QRect());
}

TEST_F(ExGridPaint, OnColumnSizeMayForbidSizingFromTheFixedRow)
{
    grid->SetOptions(grid->Options() | goColSizing);
    QWidget* viewport = grid->viewport();
    for (bool allow : {false, true}) {
        grid->OnColumnSize = [allow](TObject*, int, bool& Allow) { Allow = allow; };
        grid->SetColWidths(1, 90);
        const int border = grid->CellRect(1, 0).Right;
        EXPECT_EQ(grid->ComputeSizingState(border, 10).State, allow ? gsColSizing : gsNormal);
        QTest::mouseMove(viewport, QPoint(border, 10));
        QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(border, 10));
        QTest::mouseMove(viewport, QPoint(border + 20, 10));
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(border + 20, 10));
        EXPECT_EQ(grid->ColWidths(1), allow ? 110 : 90) << "allow " << allow;
    }
}

TEST_F(ExGridPaint, FocusLostDuringAColumnDragMovesNothing)
{
    QLineEdit* other = otherFocusTarget();
    grid->SetOptions(grid->Options() | goColMoving);
    grid->SetCells(1, 0, QStringLiteral("first"));
    grid->setFocus();
    QWidget* viewport = grid->viewport();
    const TRect from = grid->CellRect(1, 0);
    const TRect to = grid->CellRect(3, 0);
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(from.Left + 20, 10));
    QTest::mouseMove(viewport, QPoint(to.Left + 20, 10));
    other->setFocus();
    QApplication::processEvents();
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(to.Left + 20, 10));
    EXPECT_EQ(grid->Cells(1, 0), QStringLiteral("first"));
}
