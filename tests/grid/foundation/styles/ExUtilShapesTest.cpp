#include "grid/foundation/styles/ExUtilShapes.h"

#include "platform/ui/paint/Canvas.h"

#include <QtGui/QImage>

#include <gtest/gtest.h>

namespace {

constexpr TColor kBackground = RGB(1, 2, 3);
constexpr TColor kBrush = clRed;
constexpr TColor kPen = clBlue;

class ShapesTest : public ::testing::Test {
 protected:
  ShapesTest() : image(40, 30, QImage::Format_RGB32), canvas(&image) { clear(); }
  void clear() { image.fill(ToQColor(kBackground)); }
  TColor at(int x, int y) const { return canvas.Pixels(x, y); }
  // Smallest rectangle holding every pixel that is not background.
  TRect painted() const {
    TRect b{40, 30, 0, 0};
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 40; ++x)
        if (at(x, y) != kBackground)
          b = {std::min(b.Left, x), std::min(b.Top, y), std::max(b.Right, x + 1), std::max(b.Bottom, y + 1)};
    return b;
  }

  QImage image;
  TCanvas canvas;
};

struct ShapeCase {
  TCellShape shape;
  TPoint inside;  // filled with the brush (or drawn with the pen for the lines)
  TColor insideColor;
  TPoint outside;  // left alone, though a neighbouring shape would cover it
};

// Box at (4, 4), 24 by 16: centre (16, 12); quarter steps 6 across, 4 down.
const ShapeCase kShapes[] = {
    {csRectangle, {25, 17}, kBrush, {4, 4}},
    {csCircle, {12, 12}, kBrush, {22, 12}},
    {csTriangleLeft, {24, 12}, kBrush, {8, 6}},
    {csTriangleRight, {8, 12}, kBrush, {24, 6}},
    {csTriangleUp, {16, 17}, kBrush, {6, 6}},
    {csTriangleDown, {16, 7}, kBrush, {6, 18}},
    {csDiamond, {16, 12}, kBrush, {26, 18}},
    {csLineVert, {16, 12}, kPen, {17, 12}},
    {csLineHorz, {10, 12}, kPen, {10, 13}},
    {csRoundRect, {24, 12}, kBrush, {4, 4}},
    {csEllips, {24, 12}, kBrush, {5, 5}},
    {csSquare, {12, 12}, kBrush, {22, 12}},
    {csRoundSquare, {12, 12}, kBrush, {22, 12}},
    {csStar, {18, 12}, kBrush, {9, 7}},
    {csArrowUp, {16, 17}, kBrush, {6, 17}},
    {csArrowDown, {16, 7}, kBrush, {6, 7}},
    {csArrowLeft, {24, 12}, kBrush, {24, 6}},
    {csArrowRight, {8, 12}, kBrush, {8, 18}},
    {csHalfStar, {14, 12}, kBrush, {18, 12}},
};

class EachShape : public ShapesTest, public ::testing::WithParamInterface<ShapeCase> {};

TEST_P(EachShape, FillsItsCharacteristicPixelAndLeavesTheOther) {
  const ShapeCase& c = GetParam();
  DrawCellShape(&canvas, 4, 4, 24, 16, c.shape, kBrush, kPen);
  EXPECT_EQ(at(c.inside.X, c.inside.Y), c.insideColor);
  EXPECT_EQ(at(c.outside.X, c.outside.Y), kBackground);
  const TRect b = painted();
  EXPECT_GE(b.Left, 4);
  EXPECT_GE(b.Top, 4);
  EXPECT_LE(b.Right, 4 + 24 + 1);
  EXPECT_LE(b.Bottom, 4 + 16 + 1);
}

INSTANTIATE_TEST_SUITE_P(AllShapes, EachShape, ::testing::ValuesIn(kShapes),
                         [](const auto& info) { return std::to_string(int(info.param.shape)); });

TEST_F(ShapesTest, EveryShapeIsInTheTable) {
  EXPECT_EQ(std::size(kShapes), std::size_t(csHalfStar) + 1);
  for (std::size_t i = 0; i < std::size(kShapes); ++i) EXPECT_EQ(int(kShapes[i].shape), int(i));
}

TEST_F(ShapesTest, CircleInAWideCellIsASquareCircleAtTheTopLeft) {
  DrawCellShape(&canvas, 3, 2, 20, 12, csCircle, kBrush, kPen);
  EXPECT_EQ(painted(), Rect(3, 2, 15, 14));
  EXPECT_EQ(at(9, 8), kBrush);
}

TEST_F(ShapesTest, RectangleKeepsAOnePixelMargin) {
  DrawCellShape(&canvas, 4, 4, 24, 16, csRectangle, kBrush, kPen);
  EXPECT_EQ(painted(), Rect(5, 5, 27, 19));
  EXPECT_EQ(at(5, 5), kPen);
  EXPECT_EQ(at(26, 18), kPen);
}

TEST_F(ShapesTest, HalfStarIsTheLeftHalfOfTheStar) {
  DrawCellShape(&canvas, 4, 4, 24, 16, csStar, kBrush, kPen);
  const TRect star = painted();
  clear();
  DrawCellShape(&canvas, 4, 4, 24, 16, csHalfStar, kBrush, kPen);
  const TRect half = painted();
  EXPECT_EQ(half.Left, star.Left);
  EXPECT_EQ(half.Top, star.Top);
  EXPECT_EQ(half.Right, 4 + 12 + 1);  // up to the vertical through the centre
}

TEST_F(ShapesTest, DownTriangleIsSevenPixelsWideBelowThePoint) {
  DrawDownTriangle(&canvas, 20, 10, clGreen);
  EXPECT_EQ(painted(), Rect(17, 10, 24, 14));
  EXPECT_EQ(at(20, 12), clGreen);
  EXPECT_EQ(at(17, 12), kBackground);
}

}  // namespace
