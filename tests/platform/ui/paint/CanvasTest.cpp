#include "platform/ui/paint/Canvas.h"

#include <QtGui/QFontMetrics>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPixmap>
#include <QtWidgets/QWidget>

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

using PixelSet = std::set<std::pair<int, int>>;

class CanvasTest : public ::testing::Test {
 protected:
  CanvasTest() : image(40, 30, QImage::Format_RGB32), canvas(&image) { image.fill(Qt::white); }

  TColor at(int x, int y) const { return canvas.Pixels(x, y); }

  // Every pixel of the given colour.
  PixelSet pixelsOf(TColor color) {
    canvas.Release();
    PixelSet set;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        if (FromQColor(image.pixelColor(x, y)) == color) {
          set.insert({x, y});
        }
      }
    }
    return set;
  }

  static PixelSet area(int left, int top, int right, int bottom) {
    PixelSet set;
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) {
        set.insert({x, y});
      }
    }
    return set;
  }

  static PixelSet frame(int left, int top, int right, int bottom) {
    PixelSet set = area(left, top, right, bottom);
    for (const auto& p : area(left + 1, top + 1, right - 1, bottom - 1)) {
      set.erase(p);
    }
    return set;
  }

  QImage image;
  TCanvas canvas;
};

TEST_F(CanvasTest, LineCoversStartButNotEndAndContinuesFromThere) {
  canvas.MoveTo(2, 5);
  canvas.LineTo(8, 5);
  canvas.LineTo(8, 9);
  PixelSet expected = area(2, 5, 8, 6);
  for (const auto& p : area(8, 5, 9, 9)) {
    expected.insert(p);
  }
  EXPECT_EQ(pixelsOf(clBlack), expected);
  EXPECT_EQ(canvas.PenPos(), Point(8, 9));
}

TEST_F(CanvasTest, DiagonalAndBackwardLinesLeaveOutTheirEndPoint) {
  canvas.MoveTo(0, 0);
  canvas.LineTo(4, 4);
  canvas.MoveTo(20, 10);
  canvas.LineTo(15, 10);
  PixelSet expected{{0, 0}, {1, 1}, {2, 2}, {3, 3}};
  for (const auto& p : area(16, 10, 21, 11)) {
    expected.insert(p);
  }
  EXPECT_EQ(pixelsOf(clBlack), expected);
}

TEST_F(CanvasTest, RectangleOutlinesWithPenAndFillsInsideWithBrush) {
  canvas.Brush()->SetColor(clRed);
  canvas.Rectangle(2, 3, 10, 8);
  EXPECT_EQ(pixelsOf(clBlack), frame(2, 3, 10, 8));
  EXPECT_EQ(pixelsOf(clRed), area(3, 4, 9, 7));
}

TEST_F(CanvasTest, RectangleWithClearPenFillsOnePixelLess) {
  canvas.Pen()->SetStyle(psClear);
  canvas.Brush()->SetColor(clBlue);
  canvas.Rectangle(Rect(2, 3, 10, 8));
  EXPECT_EQ(pixelsOf(clBlue), area(2, 3, 9, 7));
}

TEST_F(CanvasTest, RectangleWithClearBrushDrawsOnlyTheOutline) {
  image.fill(Qt::green);
  canvas.Brush()->SetStyle(bsClear);
  canvas.Rectangle(1, 1, 6, 5);
  EXPECT_EQ(pixelsOf(clBlack), frame(1, 1, 6, 5));
  EXPECT_EQ(at(3, 3), clLime);
}

// A pen of the brush's colour covers exactly the pixels of the outline plus
// the inside, whatever the size, also under a painter's offset and clipping.
TEST_F(CanvasTest, RectangleOutlinedInItsBrushColourCoversItsWholeBox) {
  struct Case {
    TRect r;
    PixelSet covered;
  };
  const Case cases[] = {
      {Rect(2, 3, 10, 8), area(2, 3, 10, 8)},
      {Rect(10, 8, 2, 3), area(2, 3, 10, 8)},
      {Rect(4, 4, 5, 9), area(4, 4, 5, 9)},
      {Rect(4, 4, 9, 5), area(4, 4, 9, 5)},
      {Rect(4, 4, 4, 9), {}},
  };
  for (const Case& c : cases) {
    image.fill(Qt::white);
    canvas.Pen()->SetColor(clRed);
    canvas.Brush()->SetColor(clRed);
    canvas.Rectangle(c.r);
    EXPECT_EQ(pixelsOf(clRed), c.covered) << c.r.Left << "," << c.r.Top << "," << c.r.Right << "," << c.r.Bottom;
  }

  image.fill(Qt::white);
  QPainter painter(&image);
  painter.translate(5, 6);
  painter.setClipRect(0, 0, 3, 10);
  TCanvas onPainter(&painter);
  onPainter.Pen()->SetColor(clBlue);
  onPainter.Brush()->SetColor(clBlue);
  onPainter.Rectangle(0, 0, 4, 3);
  painter.end();
  EXPECT_EQ(pixelsOf(clBlue), area(5, 6, 8, 9));
}

TEST_F(CanvasTest, FillRectAndFrameRectUseTheBrushAndIgnoreThePen) {
  canvas.Pen()->SetColor(clRed);
  canvas.Brush()->SetColor(clNavy);
  canvas.FillRect(Rect(1, 1, 5, 4));
  canvas.Brush()->SetColor(clGreen);
  canvas.FrameRect(Rect(10, 10, 16, 14));
  EXPECT_EQ(pixelsOf(clNavy), area(1, 1, 5, 4));
  EXPECT_EQ(pixelsOf(clGreen), frame(10, 10, 16, 14));
  EXPECT_TRUE(pixelsOf(clRed).empty());
}

TEST_F(CanvasTest, SystemColoursPaintTheFixedClassicTable) {
  const std::pair<TColor, TColor> table[] = {
      {clBtnFace, RGB(212, 208, 200)},  {clWindow, RGB(255, 255, 255)},
      {clWindowText, RGB(0, 0, 0)},     {clHighlight, RGB(10, 36, 106)},
      {clHighlightText, RGB(255, 255, 255)}, {clInfoBk, RGB(255, 255, 225)},
      {cl3DLight, RGB(212, 208, 200)},  {cl3DDkShadow, RGB(64, 64, 64)},
      {clBtnShadow, RGB(128, 128, 128)}, {clBtnHighlight, RGB(255, 255, 255)},
      {clGrayText, RGB(128, 128, 128)},
  };
  int x = 0;
  for (const auto& [system, rgb] : table) {
    canvas.Brush()->SetColor(system);
    canvas.FillRect(Rect(x, 0, x + 2, 2));
    EXPECT_EQ(at(x, 0), rgb) << ColorToString(system).toStdString();
    x += 2;
  }
}

TEST_F(CanvasTest, XorPenDrawnTwiceRestoresAndNotPenInverts) {
  image.fill(QColor(10, 100, 200));
  canvas.Pen()->SetMode(pmXor);
  canvas.Pen()->SetColor(clWhite);
  canvas.MoveTo(0, 2);
  canvas.LineTo(10, 2);
  EXPECT_EQ(at(3, 2), RGB(245, 155, 55));
  canvas.MoveTo(0, 2);
  canvas.LineTo(10, 2);
  EXPECT_EQ(at(3, 2), RGB(10, 100, 200));

  canvas.Pen()->SetMode(pmNot);
  canvas.Brush()->SetStyle(bsClear);
  canvas.Rectangle(0, 5, 4, 9);
  EXPECT_EQ(at(0, 5), RGB(245, 155, 55));
  EXPECT_EQ(at(2, 7), RGB(10, 100, 200));
}

TEST_F(CanvasTest, DottedPenLeavesGapsOrFillsThemWithTheBackground) {
  canvas.Pen()->SetStyle(psDot);
  canvas.Brush()->SetStyle(bsClear);
  canvas.MoveTo(0, 0);
  canvas.LineTo(12, 0);
  EXPECT_EQ(pixelsOf(clBlack), (PixelSet{{0, 0}, {1, 0}, {2, 0}, {6, 0}, {7, 0}, {8, 0}}));

  canvas.Brush()->SetColor(clYellow);
  canvas.MoveTo(0, 3);
  canvas.LineTo(6, 3);
  EXPECT_EQ(pixelsOf(clYellow), area(3, 3, 6, 4));
}

TEST_F(CanvasTest, ExplicitBackgroundModeHoldsUntilTheBrushChanges) {
  EXPECT_EQ(canvas.BkMode(), OPAQUE);
  canvas.SetBkMode(TRANSPARENT);
  EXPECT_EQ(canvas.BkMode(), TRANSPARENT);
  canvas.Brush()->SetColor(clRed);
  EXPECT_EQ(canvas.BkMode(), OPAQUE);
  canvas.Brush()->SetStyle(bsClear);
  EXPECT_EQ(canvas.BkMode(), TRANSPARENT);
}

TEST_F(CanvasTest, FocusRectInvertsEverySecondOutlinePixelAndUndoesItself) {
  canvas.DrawFocusRect(Rect(2, 2, 8, 6));
  const PixelSet inverted = pixelsOf(clBlack);
  for (const auto& p : frame(2, 2, 8, 6)) {
    EXPECT_EQ(inverted.count(p) == 1, (p.first + p.second) % 2 == 0) << p.first << "," << p.second;
  }
  EXPECT_EQ(inverted.size(), 8u);
  canvas.DrawFocusRect(Rect(2, 2, 8, 6));
  EXPECT_TRUE(pixelsOf(clBlack).empty());
}

TEST_F(CanvasTest, PixelsReadAndWriteAndOutsideIsNone) {
  canvas.SetPixels(5, 6, clRed);
  EXPECT_EQ(at(5, 6), clRed);
  EXPECT_EQ(at(-1, 0), clNone);
  EXPECT_EQ(at(40, 0), clNone);
  TCanvas detached;
  EXPECT_EQ(detached.Pixels(0, 0), clNone);
  detached.Rectangle(0, 0, 5, 5);  // no surface: nothing happens
}

TEST_F(CanvasTest, ClipRectLimitsDrawingUntilReset) {
  EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 40, 30));
  canvas.SetClipRect(Rect(5, 5, 10, 10));
  EXPECT_EQ(canvas.ClipRect(), Rect(5, 5, 10, 10));
  canvas.IntersectClipRect(Rect(7, 0, 20, 8));
  EXPECT_EQ(canvas.ClipRect(), Rect(7, 5, 10, 8));
  canvas.Brush()->SetColor(clRed);
  canvas.FillRect(Rect(0, 0, 40, 30));
  EXPECT_EQ(pixelsOf(clRed), area(7, 5, 10, 8));
  canvas.ResetClipRect();
  EXPECT_EQ(canvas.ClipRect(), Rect(0, 0, 40, 30));
  canvas.FillRect(Rect(0, 0, 40, 30));
  EXPECT_EQ(pixelsOf(clRed).size(), 40u * 30u);
}

TEST_F(CanvasTest, CurvedShapesStayInsideTheirBox) {
  struct Case {
    const char* name;
    std::function<void(TCanvas&)> draw;
  };
  const Case cases[] = {
      {"ellipse", [](TCanvas& c) { c.Ellipse(3, 4, 15, 12); }},
      {"round rect", [](TCanvas& c) { c.RoundRect(3, 4, 15, 12, 6, 6); }},
      {"full pie", [](TCanvas& c) { c.Pie(3, 4, 15, 12, 15, 8, 15, 8); }},
      {"dotted ellipse",
       [](TCanvas& c) {
         c.Pen()->SetStyle(psDot);
         c.Ellipse(3, 4, 15, 12);
       }},
  };
  for (const Case& c : cases) {
    image.fill(Qt::white);
    canvas.Pen()->SetStyle(psSolid);
    canvas.Brush()->SetColor(clRed);
    c.draw(canvas);
    PixelSet drawn = pixelsOf(clBlack);
    for (const auto& p : pixelsOf(clRed)) {
      drawn.insert(p);
    }
    int left = 99, top = 99, right = -1, bottom = -1;
    for (const auto& [x, y] : drawn) {
      left = std::min(left, x);
      top = std::min(top, y);
      right = std::max(right, x);
      bottom = std::max(bottom, y);
    }
    EXPECT_EQ(Rect(left, top, right + 1, bottom + 1), Rect(3, 4, 15, 12)) << c.name;
    EXPECT_EQ(at(6, 8), clRed) << c.name;
  }
}

TEST_F(CanvasTest, PieCoversTheQuarterBetweenItsRadials) {
  canvas.Brush()->SetColor(clRed);
  // From 3 o'clock counter-clockwise to 12 o'clock: the top-right quarter.
  canvas.Pie(0, 0, 21, 21, 20, 10, 10, 0);
  EXPECT_EQ(at(14, 6), clRed);
  EXPECT_EQ(at(6, 6), clWhite);
  EXPECT_EQ(at(6, 14), clWhite);
  EXPECT_EQ(at(14, 14), clWhite);
}

TEST_F(CanvasTest, PolygonOutlinesEveryVertexAndPolylineLeavesOutTheLast) {
  canvas.Brush()->SetColor(clRed);
  canvas.Polygon({Point(2, 2), Point(8, 2), Point(8, 7), Point(2, 7)});
  EXPECT_EQ(pixelsOf(clBlack), frame(2, 2, 9, 8));
  EXPECT_EQ(pixelsOf(clRed), area(3, 3, 8, 7));

  image.fill(Qt::white);
  canvas.Polyline({Point(20, 2), Point(25, 2), Point(25, 5)});
  EXPECT_EQ(pixelsOf(clBlack), (PixelSet{{20, 2}, {21, 2}, {22, 2}, {23, 2}, {24, 2}, {25, 2}, {25, 3}, {25, 4}}));
}

TEST_F(CanvasTest, TextOutMovesThePenAndFillsItsCellOnlyWhenOpaque) {
  canvas.Brush()->SetColor(clYellow);
  canvas.TextOut(2, 3, QStringLiteral("Wi"));
  const TSize extent = canvas.TextExtent(QStringLiteral("Wi"));
  const QFontMetrics fm(canvas.qtFont());
  EXPECT_EQ(extent.cx, fm.horizontalAdvance(QStringLiteral("Wi")));
  EXPECT_EQ(extent.cy, fm.height());
  EXPECT_EQ(canvas.PenPos(), Point(2 + extent.cx, 3));
  EXPECT_EQ(at(2, 3), clYellow);
  EXPECT_EQ(at(1 + extent.cx, 2 + extent.cy), clYellow);
  EXPECT_EQ(at(2 + extent.cx, 3), clWhite);
  // the face's edges are smoothed, so its ink is dark rather than pure black
  bool ink = false;
  for (int y = 3; y < 3 + extent.cy; ++y) {
    for (int x = 2; x < 2 + extent.cx; ++x) ink = ink || qGray(ToQColor(at(x, y)).rgb()) < 64;
  }
  EXPECT_TRUE(ink);

  image.fill(Qt::white);
  canvas.Brush()->SetStyle(bsClear);
  canvas.TextOut(2, 3, QStringLiteral("Wi"));
  EXPECT_TRUE(pixelsOf(clYellow).empty());
}

// The canvas keeps the toolkit font between measures; every change of name,
// size or style must still reach the measure.
TEST_F(CanvasTest, TextWidthFollowsEveryChangeOfTheFont) {
  const QString text = QStringLiteral("Wide iiii text");
  TFont* font = canvas.Font();
  font->SetName(QStringLiteral("DejaVu Sans"));
  font->SetSize(8);
  const int plain = canvas.TextWidth(text);
  font->SetColor(clRed);
  EXPECT_EQ(canvas.TextWidth(text), plain);
  font->SetStyle(fsBold);
  EXPECT_GT(canvas.TextWidth(text), plain);
  font->SetStyle({});
  EXPECT_EQ(canvas.TextWidth(text), plain);
  font->SetSize(14);
  EXPECT_GT(canvas.TextWidth(text), plain);
  EXPECT_GT(canvas.TextHeight(text), QFontMetrics(QFont(QStringLiteral("DejaVu Sans"), 8)).height());
  font->SetSize(8);
  EXPECT_EQ(canvas.TextWidth(text), plain);
  font->SetName(QStringLiteral("DejaVu Sans Mono"));
  EXPECT_NE(canvas.TextWidth(text), plain);
  font->SetName(QStringLiteral("DejaVu Sans"));
  EXPECT_EQ(canvas.TextExtent(text), (TSize{plain, canvas.fontMetrics().height()}));
}

TEST_F(CanvasTest, TextRectFillsAndClipsToItsRectangle) {
  canvas.Brush()->SetColor(clYellow);
  canvas.TextRect(Rect(5, 5, 12, 20), 0, 5, QStringLiteral("WWWWWWWW"));
  canvas.Release();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const bool inside = x >= 5 && x < 12 && y >= 5 && y < 20;
      if (!inside) {
        ASSERT_EQ(FromQColor(image.pixelColor(x, y)), clWhite) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(at(11, 19), clYellow);
}

TEST_F(CanvasTest, CopyRectCopiesFromAnImageCanvas) {
  canvas.Brush()->SetColor(clRed);
  canvas.FillRect(Rect(0, 0, 4, 4));
  canvas.CopyRect(Rect(10, 10, 14, 14), canvas, Rect(0, 0, 4, 4));
  EXPECT_EQ(pixelsOf(clRed).size(), 32u);
  EXPECT_EQ(at(13, 13), clRed);
}

class PaintedWidget : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    TCanvas canvas(this);
    canvas.Brush()->SetColor(clBtnFace);
    canvas.Rectangle(0, 0, width(), height());
  }
};

TEST(CanvasOnWidget, PaintsInsideThePaintEvent) {
  PaintedWidget widget;
  widget.resize(20, 10);
  const QImage shot = widget.grab().toImage();
  EXPECT_EQ(FromQColor(shot.pixelColor(0, 0)), clBlack);
  EXPECT_EQ(FromQColor(shot.pixelColor(19, 9)), clBlack);
  EXPECT_EQ(FromQColor(shot.pixelColor(5, 5)), RGB(212, 208, 200));
}

TEST(CanvasOnPainter, FollowsThePaintersOffset) {
  QImage image(20, 20, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.translate(5, 6);
  TCanvas canvas(&painter);
  canvas.Brush()->SetColor(clRed);
  canvas.FillRect(Rect(0, 0, 2, 2));
  EXPECT_EQ(canvas.Pixels(1, 1), clRed);
  EXPECT_EQ(canvas.ClipRect(), Rect(-5, -6, 15, 14));
  painter.end();
  EXPECT_EQ(FromQColor(image.pixelColor(6, 7)), clRed);
  EXPECT_EQ(FromQColor(image.pixelColor(7, 8)), clWhite);
}

}  // namespace
