#include "grid/foundation/styles/ExUtilProgress.h"

#include "tests/grid/foundation/util/ExUtilTestLocale.h"
#include "platform/ui/paint/Canvas.h"
#include "tests/support/CanvasPixels.h"

#include <QtGui/QImage>

#include <gtest/gtest.h>

namespace {

constexpr TColor kBackground = RGB(1, 2, 3);

class ProgressTest : public ::testing::Test {
 protected:
  ProgressTest() : image(130, 50, QImage::Format_RGB32), canvas(&image) { image.fill(ToQColor(kBackground)); }
  TColor at(int x, int y) const { return canvas.Pixels(x, y); }
  int countIn(TColor color, const TRect& area) const { return testsupport::CountPixels(canvas, color, area); }

  QImage image;
  TCanvas canvas;
};

struct TextCase {
  const char* format;
  double position;
  int minimum, maximum;
  const char* text;
  int percentage;
};

TEST(CellProgressText, PicksTheArgumentFromTheDirective) {
  const TFormatSettings settings = gridtest::EnglishDayFirst();
  platform::ScopedFormatSettings locale(settings);
  const TextCase cases[] = {
      {"", 150, 0, 0, "150%", 100},
      {"", -5, 0, 0, "-5%", 0},
      {"", 38.5, 0, 0, "38%", 38},  // halves to the even neighbour
      {"%d items", 7.6, 0, 20, "8 items", 38},
      {"%u", 7.6, 0, 20, "8", 38},
      {"%x", 255.2, 0, 1000, "FF", 26},
      {"%.1f done", 7.6, 0, 20, "7.6 done", 38},
      {"%.1f daily", 5, 0, 10, "5.0 daily", 50},       // the d of a word chooses nothing
      {"100%% of %d", 4, 0, 8, "100% of 4", 50},      // "%%" is no directive
      {"%.1f", 5, 10, 10, "5.0", 0},                  // no range: 0 %
      {"%.1f", 5, 10, 3, "5.0", 0},
      {"%d", 30, 0, 20, "30", 100},
      {"%s", 3, 0, 10, "30%", 30},                    // a format that does not fit
      {"%.1f and %d", 3, 0, 10, "30%", 30},
      {"plain", 3, 0, 10, "plain", 30},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.format);
    const TCellProgressText t = CellProgressText(QString::fromUtf8(c.format), c.position, c.minimum, c.maximum);
    EXPECT_EQ(t.Text, QString::fromUtf8(c.text));
    EXPECT_EQ(t.Percentage, c.percentage);
  }
}

TEST_F(ProgressTest, BarFillsItsPercentageAndFramesTwice) {
  const struct {
    const char* format;
    double position;
    int minimum, maximum, filled;
  } cases[] = {{"", 150, 0, 0, 100}, {"", -5, 0, 0, 0}, {"%d", 7.6, 0, 20, 38}, {"%d", 5, 10, 10, 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.format);
    image.fill(ToQColor(kBackground));
    canvas.Brush()->SetColor(RGB(7, 7, 7));
    // 100 pixels wide after margins of 2 and 3.
    DrawCellProgressBar(&canvas, Rect(8, 2, 112, 28), clBlue, clWhite, clYellow, clBlack, c.position, 2, 3,
                        c.minimum, c.maximum, QString::fromUtf8(c.format), clRed, false);
    EXPECT_EQ(countIn(clBlue, Rect(10, 5, 110, 6)), c.filled);      // first row: no text there
    EXPECT_EQ(countIn(clYellow, Rect(10, 5, 110, 6)), 100 - c.filled);
    EXPECT_EQ(at(9, 10), clRed);
    EXPECT_EQ(at(110, 10), clRed);
    EXPECT_EQ(at(8, 10), RGB(7, 7, 7));
    EXPECT_EQ(at(60, 3), RGB(7, 7, 7));
    EXPECT_EQ(at(60, 2), kBackground);
    EXPECT_EQ(at(7, 10), kBackground);
  }
}

TEST_F(ProgressTest, TextChangesColourWhereTheFillEnds) {
  canvas.Font()->SetSize(14);
  DrawCellProgressBar(&canvas, Rect(10, 5, 110, 35), clBlue, clWhite, clYellow, clBlack, 50, 0, 0, 0, 100,
                      QString(), clNone, false);
  const TRect filled = Rect(10, 5, 60, 35), rest = Rect(60, 5, 110, 35);
  EXPECT_GT(countIn(clWhite, filled), 5);
  EXPECT_EQ(countIn(clWhite, rest), 0);
  EXPECT_GT(countIn(clBlack, rest), 5);
  EXPECT_EQ(countIn(clBlack, filled), 0);
  EXPECT_NE(at(9, 20), clRed);  // no border colour: the inner frame is left out
}

TEST_F(ProgressTest, PieFillsItsSectorClockwiseFromTheTop) {
  // 41 by 41 at (10, 5): centre (30, 25).
  const struct {
    int percentage;
    TPoint filled, empty;
  } cases[] = {
      {25, {36, 17}, {36, 33}},   // upper right filled, lower right not
      {50, {38, 30}, {22, 30}},   // right half
      {75, {22, 33}, {22, 17}},   // all but the upper left
      {100, {22, 17}, {-1, -1}},
      {1, {-1, -1}, {36, 17}},    // a sliver: not a full circle
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.percentage);
    image.fill(ToQColor(kBackground));
    canvas.Brush()->SetColor(clWhite);
    DrawProgressPie(&canvas, Bounds(10, 5, 41, 41), clGreen, c.percentage, false);
    EXPECT_GT(countIn(clGreen, Rect(30, 5, 35, 25)), 0);
    if (c.filled.X >= 0) {
      EXPECT_EQ(at(c.filled.X, c.filled.Y), clGreen);
    }
    if (c.empty.X >= 0) {
      EXPECT_EQ(at(c.empty.X, c.empty.Y), clWhite);
    }
    EXPECT_EQ(at(30, 15), RGB(128, 128, 128));  // the radius from the top to the centre
    EXPECT_EQ(at(11, 6), kBackground);          // round
  }
}

TEST_F(ProgressTest, PieWithoutPercentageFillsNothing) {
  canvas.Brush()->SetColor(clWhite);
  DrawProgressPie(&canvas, Bounds(10, 5, 41, 41), clGreen, 0, false);
  EXPECT_EQ(countIn(clGreen, Rect(0, 0, 130, 50)), 0);
  EXPECT_EQ(at(36, 17), clWhite);
  EXPECT_EQ(canvas.Brush()->Color(), clGreen);
}

TEST_F(ProgressTest, RangeIndicatorGrowsFromTheMiddle) {
  // Cell 104 wide: inside 2 to 102, middle 52, half 50.
  const struct {
    int value, range, firstRed, lastRed, firstGreen, lastGreen;
  } cases[] = {
      {50, 100, -1, -1, 52, 76},  {-50, 100, 27, 51, -1, -1}, {300, 100, -1, -1, 52, 101},
      {-300, 100, 2, 51, -1, -1}, {0, 100, -1, -1, -1, -1},   {5, 0, -1, -1, -1, -1},
      {5, -5, -1, -1, -1, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << "/" << c.range);
    image.fill(ToQColor(kBackground));
    DrawRangeIndicator(&canvas, Rect(0, 0, 104, 20), c.value, c.range, false, clRed, clGreen);
    const int red = countIn(clRed, Rect(0, 10, 130, 11)), green = countIn(clGreen, Rect(0, 10, 130, 11));
    EXPECT_EQ(red, c.firstRed < 0 ? 0 : c.lastRed - c.firstRed + 1);
    EXPECT_EQ(green, c.firstGreen < 0 ? 0 : c.lastGreen - c.firstGreen + 1);
    if (c.firstRed >= 0) {
      EXPECT_EQ(at(c.firstRed, 10), clRed);
    }
    if (c.firstGreen >= 0) {
      EXPECT_EQ(at(c.lastGreen, 10), clGreen);
    }
    EXPECT_EQ(countIn(kBackground, Rect(0, 0, 130, 2)), 2 * 130);  // the 2-pixel inset
  }
}

TEST_F(ProgressTest, RangeIndicatorWritesTheValueTransparently) {
  canvas.Font()->SetColor(clBlack);
  DrawRangeIndicator(&canvas, Rect(0, 0, 104, 30), 40, 100, true, clRed, clGreen);
  EXPECT_EQ(canvas.BkMode(), TRANSPARENT);
  EXPECT_GT(countIn(clBlack, Rect(0, 0, 130, 50)), 3);
  EXPECT_GT(countIn(clGreen, Rect(52, 2, 72, 28)), 0);
}

}  // namespace
