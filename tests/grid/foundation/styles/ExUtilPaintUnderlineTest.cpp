#include "grid/foundation/styles/ExUtilPaintUnderline.h"

#include "platform/ui/paint/Canvas.h"

#include <QtGui/QImage>

#include <gtest/gtest.h>

namespace {

constexpr TColor kBackground = RGB(1, 2, 3);

class UnderlineTest : public ::testing::Test {
 protected:
  UnderlineTest() : image(300, 60, QImage::Format_RGB32), canvas(&image) { image.fill(ToQColor(kBackground)); }
  TRect redBounds() const {
    TRect b{300, 60, 0, 0};
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 300; ++x)
        if (canvas.Pixels(x, y) == clRed)
          b = {std::min(b.Left, x), std::min(b.Top, y), std::max(b.Right, x + 1), std::max(b.Bottom, y + 1)};
    return b;
  }

  QImage image;
  TCanvas canvas;
  const QString text = QStringLiteral("hello wrold again");
  const TRect cell = Rect(10, 20, 290, 40);
};

TEST_F(UnderlineTest, ZigZagSpansTheMarkedCharacters) {
  const struct {
    int first, count;
    int fromIndex;  // start at this character's left edge (-1: text end + 4)
    int toIndex;    // last tooth from this character's left edge (-1: last character + 4)
  } cases[] = {{6, 5, 6, 10}, {0, 5, 0, 4}, {12, 5, 12, -1}, {12, 50, 12, -1}, {40, 2, -1, -1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.first << "+" << c.count);
    image.fill(ToQColor(kBackground));
    DrawErrorUnderline(nullptr, &canvas, text, cell, 4, c.first, c.count);
    const int start = c.fromIndex < 0 ? canvas.TextWidth(text) + 4 : canvas.TextWidth(text.left(c.fromIndex));
    const int end = c.toIndex < 0 ? canvas.TextWidth(text.left(text.size() - 1)) + 4
                                  : canvas.TextWidth(text.left(c.toIndex));
    const TRect b = redBounds();
    EXPECT_NEAR(b.Left, cell.Left + start, 1);
    // Teeth of 3 pixels run past the last character's edge by at most two steps;
    // a range wholly past the text gets one tooth after its end.
    EXPECT_GE(b.Right, cell.Left + std::max(start, end) + 3);
    EXPECT_LE(b.Right, cell.Left + std::max(start, end) + 9);
    // Between offset and offset + 3 below the cell's top, with the 2-pixel pen.
    EXPECT_GE(b.Top, cell.Top + 4 - 1);
    EXPECT_LE(b.Bottom, cell.Top + 4 + 3 + 2);
    EXPECT_GE(b.Height(), 3);
  }
}

}  // namespace
