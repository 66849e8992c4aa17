#pragma once

// A shown grid whose painting the tests read back as an image, with the hooks
// of drawing and input opened by a subclass.

#include "tests/grid/engine/ExGridTestSupport.h"
#include "grid/engine/ExGrid.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/Font.h"
#include "tests/support/CanvasPixels.h"

#include <QtGui/QImage>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// A grid whose tests may fix the alignment and word wrap a cell is drawn with.
class OpenGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    using TExStringGrid::ComputeSizingState;

    // Alignment and word wrap per cell, in place of what the grid computes.
    std::function<void(int ACol, int ARow, TAlignment& HA, TVAlignment& VA, bool& WW)> shape;

    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                             TFont* AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD) override
    {
        TExStringGrid::GetVisualProperties(ACol, ARow, AState, Print, Select, Remap, ABrush, AColorTo, AMirrorColor,
                                           AMirrorColorTo, AFont, HA, VA, WW, GD);
        if (shape)
            shape(ACol, ARow, HA, VA, WW);
    }
};

class GridFixture : public testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        window->resize(420, 260);
        grid = new OpenGrid(window.get());
        grid->setGeometry(0, 0, 420, 260);
        grid->SetColCount(4);
        grid->SetRowCount(5);
        grid->SetDefaultColWidth(90);
        grid->SetDefaultRowHeight(24);
        // the current cell, with its focus rectangle, out of the way
        grid->SetCol(3);
        grid->SetRow(4);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QImage paint()
    {
        QApplication::processEvents();
        QImage image = grid->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (qEnvironmentVariableIsSet("GRID_TEST_IMAGE"))
            image.save(qEnvironmentVariable("GRID_TEST_IMAGE"));
        return image;
    }

    // The cell's inside without its grid lines.
    QRect inside(int c, int r) const
    {
        const TRect rect = grid->CellRect(c, r);
        return QRect(rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
    }

    // The ink of a cell's text; the grid's cells are white.
    QRect ink(const QImage& image, int c, int r) const { return testsupport::inkBox(image, inside(c, r)); }

    // Measures in the grid's font, or in that font changed by a tweak.
    int textWidth(const QString& text, const std::function<void(TFont&)>& tweak = {}) const
    {
        TCanvas canvas;
        canvas.SetFont(grid->Font());
        if (tweak)
            tweak(*canvas.Font());
        return canvas.TextWidth(text);
    }

    // A second control in the active window for the focus to move to.
    QLineEdit* otherFocusTarget()
    {
        auto* other = new QLineEdit(window.get());
        other->setGeometry(0, 240, 100, 20);
        other->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return other;
    }

    std::unique_ptr<QWidget> window;
    OpenGrid* grid = nullptr;
};

// Bounding box of the text-dark pixels (every channel below 100) inside area;
// it finds black text on any light background.
inline QRect DarkBox(const QImage& image, const QRect& area)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

inline int CountColor(QImage& image, const QRect& area, TColor color)
{
    TCanvas canvas(&image);
    return testsupport::CountPixels(canvas, color, Rect(area.left(), area.top(), area.right() + 1, area.bottom() + 1));
}

// The colour of a pixel as a TColor.
inline TColor PixelColor(const QImage& image, int x, int y)
{
    const QRgb rgb = image.pixel(x, y);
    return RGB(qRed(rgb), qGreen(rgb), qBlue(rgb));
}
