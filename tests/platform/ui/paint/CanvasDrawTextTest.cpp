#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/DrawText.h"

#include <QtGui/QFontMetrics>
#include <QtGui/QImage>

#include <gtest/gtest.h>

namespace {

class DrawTextTest : public ::testing::Test {
 protected:
  DrawTextTest() : image(200, 60, QImage::Format_RGB32), canvas(&image), fm(QFont()) {
    image.fill(Qt::white);
    canvas.Font()->SetName(QStringLiteral("Tahoma"));
    canvas.Font()->SetHeight(-13);
    canvas.Brush()->SetStyle(bsClear);
    fm = QFontMetrics(canvas.qtFont());
  }

  int width(const QString& s) const { return fm.horizontalAdvance(s); }

  TRect measure(const QString& text, unsigned format, int maxWidth = 0) {
    TRect r = Rect(10, 5, 10 + maxWidth, 5);
    const int height = DrawText(canvas, text, r, format | DT_CALCRECT);
    EXPECT_EQ(height, r.Height());
    return r;
  }

  // Bounding box of the dark pixels.
  TRect ink() {
    canvas.Release();
    TRect box{image.width(), image.height(), -1, -1};
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (qGray(image.pixel(x, y)) < 128) {
          box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                 std::max(box.Bottom, y + 1)};
        }
      }
    }
    return box;
  }

  QImage image;
  TCanvas canvas;
  QFontMetrics fm;
};

TEST_F(DrawTextTest, FontMapsToTheTahomaFace) {
  EXPECT_EQ(QFontInfo(canvas.qtFont()).family(), QStringLiteral("Tahoma"));
  EXPECT_EQ(canvas.qtFont().pixelSize(), 13);
}

TEST_F(DrawTextTest, CalcRectMeasuresOneLineByTheFontMetrics) {
  const TRect r = measure(QStringLiteral("Hello world"), DT_SINGLELINE);
  EXPECT_EQ(r, Rect(10, 5, 10 + width(QStringLiteral("Hello world")), 5 + fm.height()));
}

TEST_F(DrawTextTest, PrefixesAreRemovedUnlessNoPrefix) {
  struct Case {
    const char* text;
    unsigned format;
    const char* measuredAs;
  };
  const Case cases[] = {
      {"&File", 0, "File"},
      {"A&&B", 0, "A&B"},
      {"&File", DT_NOPREFIX, "&File"},
      {"A&&B", DT_NOPREFIX, "A&&B"},
      {"End&", 0, "End"},
  };
  for (const Case& c : cases) {
    const TRect r = measure(QString::fromLatin1(c.text), DT_SINGLELINE | c.format);
    EXPECT_EQ(r.Width(), width(QString::fromLatin1(c.measuredAs))) << c.text;
  }
}

TEST_F(DrawTextTest, LinesBreakAtLineEndsAndAFinalBreakAddsNoLine) {
  const TRect r = measure(QStringLiteral("a\r\nbbbb\nccc\r"), 0);
  EXPECT_EQ(r.Height(), 3 * fm.height());
  EXPECT_EQ(r.Width(), width(QStringLiteral("bbbb")));
  EXPECT_EQ(measure(QStringLiteral("a\nb"), DT_SINGLELINE).Height(), fm.height());
}

TEST_F(DrawTextTest, WordBreakFillsLinesToTheWidthAndKeepsLongWordsWhole) {
  const QString text = QStringLiteral("one two three");
  const int twoWords = width(QStringLiteral("one two"));
  TRect r = measure(text, DT_WORDBREAK, twoWords);
  EXPECT_EQ(r.Height(), 2 * fm.height());
  EXPECT_EQ(r.Width(), twoWords);

  r = measure(text, DT_WORDBREAK, twoWords - 1);
  EXPECT_EQ(r.Height(), 3 * fm.height());
  EXPECT_EQ(r.Width(), width(QStringLiteral("three")));

  r = measure(QStringLiteral("unbreakable"), DT_WORDBREAK, 5);
  EXPECT_EQ(r.Height(), fm.height());
  EXPECT_EQ(r.Width(), width(QStringLiteral("unbreakable")));
}

TEST_F(DrawTextTest, EmptyTextMeasuresNothing) {
  TRect r = Rect(3, 4, 50, 60);
  EXPECT_EQ(DrawText(canvas, QString(), r, DT_CALCRECT | DT_WORDBREAK), 0);
  EXPECT_EQ(r, Rect(3, 4, 3, 4));
}

TEST_F(DrawTextTest, HorizontalAndVerticalAlignmentPlaceTheText) {
  const QString text = QStringLiteral("HHH");
  const int w = width(text);
  const int h = fm.height();
  struct Case {
    unsigned format;
    int left;  // expected left of the text cell
    int top;
  };
  const Case cases[] = {
      {DT_SINGLELINE | DT_LEFT | DT_TOP, 20, 10},
      {DT_SINGLELINE | DT_CENTER | DT_VCENTER, 20 + (100 - w) / 2, 10 + (40 - h) / 2},
      {DT_SINGLELINE | DT_RIGHT | DT_BOTTOM, 120 - w, 50 - h},
  };
  for (const Case& c : cases) {
    image.fill(Qt::white);
    TRect r = Rect(20, 10, 120, 50);
    DrawText(canvas, text, r, c.format);
    const TRect box = ink();
    // The ink of "H" lies inside its cell: from the left bearing to the advance,
    // from the cap height down to the baseline.
    EXPECT_GE(box.Left, c.left) << c.format;
    EXPECT_LE(box.Right, c.left + w) << c.format;
    EXPECT_GE(box.Top, c.top) << c.format;
    EXPECT_LE(box.Bottom, c.top + fm.ascent()) << c.format;
    EXPECT_GE(box.Bottom, c.top + fm.ascent() - 1) << c.format;
    EXPECT_LE(box.Left, c.left + 3) << c.format;
  }
}

TEST_F(DrawTextTest, VerticalPlacementNeedsSingleLineAndIsReportedInTheResult) {
  TRect r = Rect(0, 0, 200, 60);
  const int centred = DrawText(canvas, QStringLiteral("H"), r, DT_SINGLELINE | DT_VCENTER);
  EXPECT_EQ(centred, (60 - fm.height()) / 2 + fm.height());
  image.fill(Qt::white);
  const int multi = DrawText(canvas, QStringLiteral("H"), r, DT_VCENTER);
  EXPECT_EQ(multi, fm.height());
  EXPECT_LT(ink().Top, fm.height());
}

TEST_F(DrawTextTest, TextOutsideTheRectangleIsClippedUnlessNoClip) {
  const QString text = QStringLiteral("WWWWWWWWWW");
  TRect r = Rect(10, 10, 30, 40);
  DrawText(canvas, text, r, DT_SINGLELINE);
  EXPECT_LE(ink().Right, 30);
  image.fill(Qt::white);
  DrawText(canvas, text, r, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(ink().Right, 30);
}

TEST_F(DrawTextTest, EndEllipsisCutsTheLineToFitWithThreeDots) {
  const QString text = QStringLiteral("abcdefghijklmnopqrstuvwxyz");
  const int maxWidth = width(QStringLiteral("abcdefgh"));
  // The longest start of the text that fits together with "...".
  QString expected;
  for (int n = int(text.size()); n >= 0; --n) {
    if (width(text.left(n) + QStringLiteral("...")) <= maxWidth) {
      expected = text.left(n) + QStringLiteral("...");
      break;
    }
  }
  ASSERT_FALSE(expected.isEmpty());
  TRect r = Rect(0, 0, maxWidth, 30);
  DrawText(canvas, text, r, DT_SINGLELINE | DT_END_ELLIPSIS);
  canvas.Release();
  const QImage withEllipsis = image.copy();
  image.fill(Qt::white);
  canvas.TextOut(0, 0, expected);
  canvas.Release();
  EXPECT_EQ(withEllipsis, image);
}

TEST_F(DrawTextTest, PrefixUnderlinesTheNextCharacter) {
  TRect r = Rect(0, 0, 200, 60);
  DrawText(canvas, QStringLiteral("&x"), r, DT_SINGLELINE);
  canvas.Release();
  const QImage underlined = image.copy();
  image.fill(Qt::white);
  DrawText(canvas, QStringLiteral("x"), r, DT_SINGLELINE);
  canvas.Release();
  const int row = fm.ascent() + fm.underlinePos();
  int differing = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (underlined.pixel(x, y) != image.pixel(x, y)) {
        ++differing;
        EXPECT_GE(y, row);
        EXPECT_LT(x, width(QStringLiteral("x")));
      }
    }
  }
  EXPECT_GE(differing, width(QStringLiteral("x")) - 1);
  EXPECT_EQ(qGray(underlined.pixel(1, row)), 0);
}

TEST_F(DrawTextTest, OpaqueBackgroundFillsTheTextCellsWithTheBrush) {
  canvas.Brush()->SetColor(clYellow);
  TRect r = Rect(0, 0, 200, 60);
  DrawText(canvas, QStringLiteral("ab\nc"), r, 0);
  EXPECT_EQ(canvas.Pixels(0, 0), clYellow);
  EXPECT_EQ(canvas.Pixels(width(QStringLiteral("c")) - 1, 2 * fm.height() - 1), clYellow);
  EXPECT_EQ(canvas.Pixels(width(QStringLiteral("c")) + 1, 2 * fm.height() - 1), clWhite);
  EXPECT_EQ(canvas.Pixels(0, 2 * fm.height()), clWhite);
}

TEST_F(DrawTextTest, ExpandTabsMovesToTheNextTabStop) {
  const int tab = 8 * fm.averageCharWidth();
  const TRect r = measure(QStringLiteral("a\tb"), DT_SINGLELINE | DT_EXPANDTABS);
  EXPECT_EQ(r.Width(), tab + width(QStringLiteral("b")));
}

}  // namespace
