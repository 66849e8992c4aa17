#include "grid/foundation/styles/ExUtilProgressLevel.h"

#include "platform/ui/paint/Canvas.h"
#include "tests/support/CanvasPixels.h"

#include <QtGui/QImage>

#include <gtest/gtest.h>

namespace {

constexpr TColor kBackground = RGB(1, 2, 3);
constexpr TColor kCell = RGB(250, 250, 250);
constexpr TColor kL0 = RGB(10, 0, 0), kL1 = RGB(20, 0, 0), kL2 = RGB(30, 0, 0), kL3 = RGB(40, 0, 0);

TLevelProgressLook flatLook() {
  TLevelProgressLook look;
  look.Level0Color = kL0;
  look.Level1Color = kL1;
  look.Level2Color = kL2;
  look.Level3Color = kL3;
  look.Level1Perc = 70;
  look.Level2Perc = 90;
  look.BorderColor = clBlack;
  look.ShowBorder = true;
  look.CompletionSmooth = true;
  look.Steps = 128;
  look.BackgroundColor = kCell;
  return look;
}

class LevelProgressTest : public ::testing::Test {
 public:
  TColor at(int x, int y) const { return canvas.Pixels(x, y); }

 protected:
  LevelProgressTest() : image(130, 130, QImage::Format_RGB32), canvas(&image) { clear(); }
  void clear() { image.fill(ToQColor(kBackground)); }
  int countIn(TColor color, const TRect& area) const { return testsupport::CountPixels(canvas, color, area); }

  QImage image;
  TCanvas canvas;
  TLevelProgressLook look = flatLook();
  // 102 wide: the bar runs 100 pixels from column 6 to 105.
  const TRect bar = Bounds(5, 5, 102, 14);
};

// Colour of each listed column along the bar's middle row.
void expectRow(const LevelProgressTest& t, int y, std::initializer_list<std::pair<int, TColor>> columns) {
  for (const auto& [x, color] : columns) EXPECT_EQ(t.at(x, y), color) << "column " << x;
}

TEST_F(LevelProgressTest, SmoothBarTakesTheColourOfTheLevelReached) {
  const struct {
    int percentage;
    TColor color;
  } cases[] = {{50, kL0}, {69, kL0}, {70, kL1}, {89, kL1}, {90, kL2}, {99, kL2}, {100, kL3}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.percentage);
    clear();
    DrawCellLevelProgress(&canvas, bar, c.percentage, look);
    expectRow(*this, 11, {{5, clBlack}, {6, c.color}, {5 + c.percentage, c.color}, {106, clBlack}});
    if (c.percentage < 100) {
      EXPECT_EQ(at(6 + c.percentage, 11), kCell);
    }
    EXPECT_EQ(at(50, 5), clBlack);
    EXPECT_EQ(at(50, 6), c.color);  // one pixel inside the frame
  }
}

TEST_F(LevelProgressTest, BlocksOfSevenWithTwoPixelGaps) {
  look.CompletionSmooth = false;
  DrawCellLevelProgress(&canvas, bar, 25, look);  // 25 pixels of 100
  expectRow(*this, 11,
            {{6, kCell}, {7, kL0}, {13, kL0}, {14, kCell}, {15, kCell}, {16, kL0}, {22, kL0}, {23, kCell},
             {25, kL0}, {30, kL0}, {31, kCell}});
  EXPECT_EQ(at(10, 6), kCell);  // blocks keep 2 pixels from the frame
  EXPECT_EQ(at(10, 7), kL0);
  EXPECT_EQ(at(10, 16), kL0);
  EXPECT_EQ(at(10, 17), kCell);
}

TEST_F(LevelProgressTest, ShortBlocks) {
  look.CompletionSmooth = false;
  const struct {
    int percentage, lastColumn;  // -1: no block
  } cases[] = {{1, -1}, {2, 7}, {9, 14}, {10, 13}, {12, 17}, {13, 18}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.percentage);
    clear();
    DrawCellLevelProgress(&canvas, bar, c.percentage, look);
    int last = -1;
    for (int x = 6; x < 106; ++x)
      if (at(x, 11) == kL0) last = x;
    EXPECT_EQ(last, c.lastColumn);
  }
}

TEST_F(LevelProgressTest, StackedSegmentsFollowEachOther) {
  look.Stacked = true;
  DrawCellLevelProgress(&canvas, bar, 100, look);
  expectRow(*this, 11, {{6, kL0}, {75, kL0}, {76, kL1}, {95, kL1}, {96, kL3}, {105, kL3}, {106, clBlack}});
  clear();
  DrawCellLevelProgress(&canvas, bar, 80, look);
  expectRow(*this, 11, {{75, kL0}, {76, kL1}, {85, kL1}, {86, kCell}});
  clear();
  DrawCellLevelProgress(&canvas, bar, 40, look);
  expectRow(*this, 11, {{45, kL0}, {46, kCell}});
}

TEST_F(LevelProgressTest, VerticalBarGrowsUpward) {
  look.Vertical = true;
  const TRect column = Bounds(5, 5, 14, 102);  // rows 6 to 105 inside
  DrawCellLevelProgress(&canvas, column, 30, look);
  EXPECT_EQ(at(11, 105), kL0);
  EXPECT_EQ(at(11, 76), kL0);
  EXPECT_EQ(at(11, 75), kCell);
  look.Stacked = true;
  clear();
  DrawCellLevelProgress(&canvas, column, 100, look);
  EXPECT_EQ(at(11, 36), kL0);   // 70 rows from 105 up
  EXPECT_EQ(at(11, 35), kL1);   // 20 rows
  EXPECT_EQ(at(11, 16), kL1);
  EXPECT_EQ(at(11, 15), kCell); // one row left between the second and the third segment
  EXPECT_EQ(at(11, 14), kL3);
  EXPECT_EQ(at(11, 5), clBlack);  // the frame is drawn again over the third segment's end
}

TEST_F(LevelProgressTest, GradientIsStrongestAlongTheMiddle) {
  look.ShowGradient = true;
  look.Level0Color = RGB(200, 0, 0);
  look.Level0ColorTo = RGB(0, 0, 200);
  DrawCellLevelProgress(&canvas, Bounds(5, 5, 102, 22), 50, look);  // bar rows 6 to 25, middle 16
  EXPECT_EQ(at(20, 6), RGB(0, 0, 200));
  EXPECT_EQ(at(20, 15), RGB(200, 0, 0));
  EXPECT_EQ(at(20, 16), RGB(200, 0, 0));
  EXPECT_EQ(at(20, 25), RGB(0, 0, 200));
  EXPECT_EQ(at(20, 26), clBlack);
}

TEST_F(LevelProgressTest, NothingButCellAndFrameAtZeroAndNoBorder) {
  look.ShowBorder = false;
  DrawCellLevelProgress(&canvas, bar, 0, look);
  expectRow(*this, 11, {{5, kCell}, {6, kCell}, {50, kCell}, {106, kCell}, {107, kBackground}});
  clear();
  DrawCellLevelProgress(&canvas, bar, 250, look);  // kept to 100 %
  expectRow(*this, 11, {{105, kL3}, {106, kCell}, {107, kBackground}});
}

TEST_F(LevelProgressTest, PercentageTextLiesCentredAndTurnsWithAVerticalBar) {
  look.ShowPercentage = true;
  look.CompleteFontColor = clFuchsia;
  TFont font;
  font.SetSize(12);
  look.Font = &font;
  look.Level0Color = kCell;  // text over one colour: every other pixel is text
  const auto textBounds = [&](const TRect& area) {
    TRect b{area.Right, area.Bottom, area.Left, area.Top};
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x)
        if (at(x, y) != kCell && at(x, y) != clBlack && at(x, y) != kBackground)
          b = {std::min(b.Left, x), std::min(b.Top, y), std::max(b.Right, x + 1), std::max(b.Bottom, y + 1)};
    return b;
  };
  DrawCellLevelProgress(&canvas, Bounds(5, 5, 102, 30), 50, look);
  const TRect h = textBounds(Rect(0, 0, 130, 130));
  EXPECT_GT(countIn(clFuchsia, h), 5);
  EXPECT_GT(h.Width(), h.Height());
  EXPECT_NEAR((h.Left + h.Right) / 2, 56, 3);
  EXPECT_EQ(canvas.Font()->Size(), 12);
  clear();
  look.Vertical = true;
  DrawCellLevelProgress(&canvas, Bounds(5, 5, 30, 102), 50, look);
  const TRect v = textBounds(Rect(0, 0, 130, 130));
  EXPECT_GT(countIn(clFuchsia, v), 5);
  EXPECT_GT(v.Height(), v.Width());
  EXPECT_NEAR((v.Top + v.Bottom) / 2, 56, 3);
}

}  // namespace
