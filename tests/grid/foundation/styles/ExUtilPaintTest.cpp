#include "grid/foundation/styles/ExUtilPaint.h"

#include "platform/ui/paint/Canvas.h"

#include <QtGui/QImage>

#include <gtest/gtest.h>

namespace {

class PaintTest : public ::testing::Test {
 protected:
  PaintTest() : image(200, 40, QImage::Format_RGB32), canvas(&image) { image.fill(Qt::white); }
  TColor at(int x, int y) { return canvas.Pixels(x, y); }

  QImage image;
  TCanvas canvas;
};

TEST_F(PaintTest, GradientUsesNoMoreStepsThanPixelsAndEndsInTheToColour) {
  // 10 pixels wide: 9 steps, 10 bands of one pixel each.
  FillGradient(&canvas, RGB(0, 0, 0), RGB(90, 0, 0), 128, Rect(0, 0, 10, 5), true);
  for (int x = 0; x < 10; ++x) EXPECT_EQ(at(x, 2), RGB(10 * x, 0, 0)) << x;
  EXPECT_EQ(at(10, 2), clWhite);
}

TEST_F(PaintTest, VerticalGradientAndSwappedEdges) {
  FillGradient(&canvas, RGB(0, 0, 0), RGB(0, 0, 40), 4, Rect(0, 9, 5, 0), false);
  // Extent 8 in 4 steps: bands of 2 rows.
  EXPECT_EQ(at(2, 0), RGB(0, 0, 0));
  EXPECT_EQ(at(2, 2), RGB(0, 0, 10));
  EXPECT_EQ(at(2, 8), RGB(0, 0, 40));
}

TEST_F(PaintTest, GradientWithoutOneColourFillsFlatInTheOther) {
  FillGradient(&canvas, clNone, clRed, 16, Rect(0, 0, 8, 4), true);
  EXPECT_EQ(at(0, 0), clRed);
  EXPECT_EQ(at(7, 3), clRed);
  FillGradient(&canvas, clBlue, clBlue, 16, Rect(0, 0, 8, 0), true);  // no height: nothing
  EXPECT_EQ(at(0, 0), clRed);
}

TEST(ColourHelpers, ScaleHalveAndInterpolate) {
  EXPECT_EQ(ScaleColorPercent(RGB(250, 100, 10), 7), RGB(255, 107, 11));  // clamped, not wrapped
  EXPECT_EQ(ScaleColorPercent(RGB(200, 100, 0), -20), RGB(160, 80, 0));
  EXPECT_EQ(ScaleColorPercent(RGB(100, 0, 0), -150), RGB(0, 0, 0));
  EXPECT_EQ(HalveColor(RGB(255, 101, 2)), RGB(127, 50, 1));
  EXPECT_EQ(HalveColor(clBtnFace), RGB(0x6A, 0x68, 0x64));
  EXPECT_EQ(InterpolateColor(RGB(0, 0, 0), RGB(100, 200, 50), 0, 10, 5), RGB(50, 100, 25));
  EXPECT_EQ(InterpolateColor(RGB(1, 2, 3), RGB(100, 200, 50), 4, 4, 2), RGB(1, 2, 3));
  EXPECT_EQ(InterpolateColor(RGB(1, 2, 3), clNone, 0, 10, 2), RGB(1, 2, 3));
}

TEST_F(PaintTest, StepGradientBandsOverlapAndEndAtTheRightEdge) {
  PaintStepGradient(&canvas, RGB(0, 0, 0), RGB(160, 0, 0), 80, Rect(0, 0, 161, 10), true);
  // Bands start every 2 pixels, 3 wide: column 2i carries band i.
  EXPECT_EQ(at(0, 5), RGB(0, 0, 0));
  EXPECT_EQ(at(2, 5), RGB(2, 0, 0));
  EXPECT_EQ(at(158, 5), RGB(158, 0, 0));
  EXPECT_EQ(at(160, 5), RGB(158, 0, 0));
  EXPECT_EQ(at(161, 5), clWhite);
}

TEST_F(PaintTest, StepGradientWithZeroOrOneBandFillsInTheFromColour) {
  for (int steps : {0, 1}) {
    image.fill(Qt::white);
    PaintStepGradient(&canvas, clRed, clBlue, steps, Rect(0, 0, 20, 10), false);
    EXPECT_EQ(at(0, 0), clRed);
    EXPECT_EQ(at(19, 9), clRed) << steps;
  }
}

TEST_F(PaintTest, CellBackgroundWithoutFillDrawsOnlyTheFrame) {
  PaintCellBackground(&canvas, Rect(2, 2, 12, 12), clRed, clNone, clNone, clNone, false, clBlue, false, false);
  EXPECT_EQ(at(2, 2), clBlue);
  EXPECT_EQ(at(11, 11), clBlue);
  EXPECT_EQ(at(6, 6), clWhite);
}

TEST_F(PaintTest, CellBackgroundFlatMirroredAndSideBorders) {
  PaintCellBackground(&canvas, Rect(0, 0, 10, 10), clRed, clNone, clNone, clNone, false, clNone, false, true);
  EXPECT_EQ(at(5, 10), clRed);  // one row further down
  PaintCellBackground(&canvas, Rect(20, 0, 30, 10), clRed, clRed, clBlue, clBlue, true, clLime, true, true);
  EXPECT_EQ(at(25, 2), clRed);
  EXPECT_EQ(at(25, 7), clBlue);
  EXPECT_EQ(at(20, 4), clLime);
  EXPECT_EQ(at(29, 4), clLime);
  EXPECT_EQ(at(25, 0), clRed);  // no top border
}

TEST_F(PaintTest, SelectionBoxPiecesForVistaWindows7AndOffice2007Sets) {
  struct Set {
    TColor color, colorTo, mirror, mirrorTo, innerTop, innerBottom, border, corner;
  };
  const Set sets[] = {
      {RGB(0xFD, 0xFD, 0xFE), RGB(0xF1, 0xF7, 0xFD), clNone, clNone, clWhite, RGB(0xE0, 0xEB, 0xF8),
       RGB(0x84, 0xAC, 0xDD), RGB(0xBB, 0xD0, 0xEB)},
      {RGB(0xFB, 0xFC, 0xFE), RGB(0xEB, 0xF4, 0xFE), clNone, clNone, clWhite, RGB(0xDE, 0xEA, 0xF9),
       RGB(0x7D, 0xA2, 0xCE), RGB(0xB3, 0xC8, 0xE3)},
      {RGB(0xFF, 0xF5, 0xCC), RGB(0xFF, 0xE5, 0x8F), RGB(0xFF, 0xD3, 0x5C), RGB(0xFF, 0xE5, 0x8F), RGB(0xFF, 0xFF, 0xF7),
       RGB(0xFF, 0xF0, 0xB8), RGB(0xDB, 0xCE, 0x99), RGB(0xE5, 0xDA, 0xB0)},
  };
  for (const Set& s : sets) {
    image.fill(Qt::white);
    const TRect r = Rect(0, 0, 20, 22);  // R = 19, Bm = 20
    DrawSelectionBox(&canvas, s.color, s.colorTo, s.mirror, s.mirrorTo, s.innerTop, s.innerBottom, s.border,
                     s.corner, clYellow, r, sbpSingle);
    EXPECT_EQ(at(2, 0), s.border);
    EXPECT_EQ(at(16, 0), s.border);
    EXPECT_EQ(at(17, 0), s.corner);  // right inset: the border stops before the corner
    EXPECT_EQ(at(0, 5), s.border);   // left edge
    EXPECT_EQ(at(18, 5), s.border);  // right edge at R - 1
    EXPECT_EQ(at(0, 0), clYellow);   // cut corner
    EXPECT_EQ(at(1, 0), s.corner);
    EXPECT_EQ(at(18, 20), clYellow);
    EXPECT_EQ(at(10, 1), s.innerTop);
    EXPECT_EQ(at(10, 19), s.innerBottom);
    EXPECT_EQ(at(10, 2), ColorToRGB(s.color));
    if (s.mirror != clNone) {
      EXPECT_EQ(at(10, 10), s.mirror);
    }
  }
}

TEST_F(PaintTest, SelectionBoxMiddlePieceHasNoVerticalEdges) {
  DrawSelectionBox(&canvas, clSilver, clNone, clNone, clNone, clLime, clAqua, clBlue, clRed, clYellow,
                   Rect(0, 0, 20, 12), sbpMiddle);
  EXPECT_EQ(at(0, 0), clBlue);
  EXPECT_EQ(at(18, 0), clBlue);  // line to R, end point left out
  EXPECT_EQ(at(0, 10), clBlue);
  EXPECT_EQ(at(0, 5), clSilver);
  EXPECT_EQ(at(18, 5), clSilver);
}

}  // namespace
