// Pixel tests of the push button's face painting on an image.

#include "app/shell/buttons/LbButtons.h"

#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/DrawText.h"
#include "platform/ui/paint/Font.h"

#include <QtGui/QFontMetrics>
#include <QtGui/QImage>

#include <gtest/gtest.h>

#include <optional>

namespace {

const TColor kSentinel = RGB(1, 2, 3);
const TColor kFace = RGB(248, 247, 237);
const TColor kLight = RGB(250, 250, 250);
const TColor kShadow = RGB(100, 100, 100);
const TColor kDarkShadow = RGB(64, 64, 64);  // classic 3D dark shadow

QImage blankImage(int w, int h, TColor fill = kSentinel) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(ToQColor(fill));
  return image;
}

TColor pixel(const QImage& image, int x, int y) {
  return FromQColor(image.pixelColor(x, y)) & 0xFFFFFF;
}

QImage paintFace(const TLbButtonFace& face, TColor background = kSentinel) {
  QImage image = blankImage(face.W, face.H, background);
  TCanvas canvas(&image);
  DrawLbButtonFace(canvas, face);
  canvas.Release();
  return image;
}

TLbButtonFace plainFace(int w = 60, int h = 28) {
  TLbButtonFace face;
  face.W = w;
  face.H = h;
  face.Color = kFace;
  face.LightColor = kLight;
  face.ShadowColor = kShadow;
  return face;
}

// A strip of frames filled red, green, blue and yellow; the bottom-left pixel of
// each frame is white, the see-through colour.
QImage glyphStrip(int frames, int size = 10) {
  const QColor colors[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
  QImage strip(frames * size, size, QImage::Format_RGB32);
  for (int i = 0; i < frames; ++i) {
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        strip.setPixelColor(i * size + x, y, colors[i % 4]);
      }
    }
    strip.setPixelColor(i * size, size - 1, Qt::white);
  }
  return strip;
}

struct Box {
  int left = 0;
  int top = 0;
  int right = -1;
  int bottom = -1;
  int width() const { return right - left + 1; }
  int height() const { return bottom - top + 1; }
};

// The bounding box of every pixel of the given colour.
std::optional<Box> boxOf(const QImage& image, TColor color) {
  std::optional<Box> box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (pixel(image, x, y) != color) continue;
      if (!box) {
        box = Box{x, y, x, y};
      }
      box->left = std::min(box->left, x);
      box->right = std::max(box->right, x);
      box->top = std::min(box->top, y);
      box->bottom = std::max(box->bottom, y);
    }
  }
  return box;
}

bool isDark(TColor c) {
  return GetRValue(c) < 100 && GetGValue(c) < 100 && GetBValue(c) < 100;
}

// The bounding box of the caption's dark pixels inside the edges.
std::optional<Box> textBox(const QImage& image) {
  std::optional<Box> box;
  for (int y = 1; y < image.height() - 1; ++y) {
    for (int x = 1; x < image.width() - 1; ++x) {
      if (!isDark(pixel(image, x, y))) continue;
      if (!box) {
        box = Box{x, y, x, y};
      }
      box->left = std::min(box->left, x);
      box->right = std::max(box->right, x);
      box->top = std::min(box->top, y);
      box->bottom = std::max(box->bottom, y);
    }
  }
  return box;
}

int countDark(const QImage& image) {
  int n = 0;
  for (int y = 1; y < image.height() - 1; ++y)
    for (int x = 1; x < image.width() - 1; ++x)
      if (isDark(pixel(image, x, y))) ++n;
  return n;
}

class LbButtonPaintTest : public ::testing::Test {
 protected:
  LbButtonPaintTest() {
    font.SetName(QStringLiteral("Tahoma"));
    font.SetHeight(-12);
    font.SetColor(clBlack);
  }

  // The caption's width as measured for layout, in an area of the given width.
  int measuredWidth(const QString& text, int area) {
    TCanvas canvas;
    canvas.Font()->Assign(font);
    TRect r = Rect(0, 0, area, 0);
    DrawText(canvas, text, r, DT_CALCRECT | DT_WORDBREAK);
    return r.Width();
  }

  TFont font;
};

TEST(LbButtonBlendTest, MovesFromTheFaceColourToTheHotColourByStep) {
  struct Case {
    TColor color;
    TColor hot;
    int step;
    TColor expected;
  };
  const Case cases[] = {
      {RGB(248, 247, 237), clYellow, 4, RGB(251, 251, 118)},
      {RGB(248, 247, 237), clYellow, 8, RGB(255, 255, 0)},
      {RGB(248, 247, 237), clYellow, 0, RGB(248, 247, 237)},
      {RGB(0, 0, 0), RGB(255, 255, 255), 1, RGB(31, 31, 31)},
      {clBtnFace, RGB(0, 0, 0), 0, RGB(212, 208, 200)},  // system colours resolve
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BlendHotTrackColor(c.color, c.hot, c.step), c.expected) << "step " << c.step;
  }
}

TEST_F(LbButtonPaintTest, FaceColourFollowsHotStepPressAndEnabledState) {
  struct Case {
    const char* name;
    bool enabled;
    bool down;
    int step;
    TColor hot;
    TColor whenDown;
    TColor expected;
  };
  const Case cases[] = {
      {"plain", true, false, 0, clYellow, clNone, kFace},
      {"hot", true, false, 8, clYellow, clNone, RGB(255, 255, 0)},
      {"half way", true, false, 4, clYellow, clNone, RGB(251, 251, 118)},
      {"no hot colour", true, false, 8, clNone, clNone, kFace},
      {"pressed", true, true, 8, clYellow, RGB(255, 128, 0), RGB(255, 128, 0)},
      {"pressed keeps face", true, true, 0, clYellow, clNone, kFace},
      {"disabled not blended", false, false, 8, clYellow, clNone, kFace},
      {"disabled not pressed", false, true, 0, clNone, RGB(255, 128, 0), kFace},
  };
  for (const Case& c : cases) {
    TLbButtonFace face = plainFace();
    face.Style = bsEncarta;
    face.Enabled = c.enabled;
    face.Down = c.down;
    face.HotTrackStep = c.step;
    face.HotTrackColor = c.hot;
    face.ColorWhenDown = c.whenDown;
    const QImage image = paintFace(face);
    EXPECT_EQ(pixel(image, 20, 10), c.expected) << c.name;
  }
}

TEST_F(LbButtonPaintTest, ClassicEdgesSwapWhenPressed) {
  for (TLbButtonStyle style : {bsNormal, bsEncarta}) {
    TLbButtonFace face = plainFace(40, 20);
    face.Style = style;
    QImage up = paintFace(face);
    EXPECT_EQ(pixel(up, 0, 10), kLight);
    EXPECT_EQ(pixel(up, 10, 0), kLight);
    EXPECT_EQ(pixel(up, 0, 19), kLight);  // the light line starts there
    EXPECT_EQ(pixel(up, 39, 0), kShadow);
    EXPECT_EQ(pixel(up, 39, 10), kShadow);
    EXPECT_EQ(pixel(up, 10, 19), kShadow);
    EXPECT_EQ(pixel(up, 1, 1), kFace);

    face.Down = true;
    QImage down = paintFace(face);
    EXPECT_EQ(pixel(down, 0, 10), kShadow);
    EXPECT_EQ(pixel(down, 10, 0), kShadow);
    EXPECT_EQ(pixel(down, 39, 10), kLight);
    EXPECT_EQ(pixel(down, 10, 19), kLight);
  }
}

TEST_F(LbButtonPaintTest, FlatButtonsShowEdgesOnlyWhenHotOrPressedOrDisabled) {
  struct Case {
    bool enabled;
    bool hot;
    bool down;
    bool flat;
    bool edges;
  };
  const Case cases[] = {
      {true, false, false, true, false}, {true, true, false, true, true},   {true, false, true, true, true},
      {false, false, false, true, false}, {false, false, false, false, true}, {true, false, false, false, true},
  };
  for (const Case& c : cases) {
    TLbButtonFace face = plainFace(40, 20);
    face.Style = bsNormal;
    face.Enabled = c.enabled;
    face.Hot = c.hot;
    face.Down = c.down;
    face.Flat = c.flat;
    const QImage image = paintFace(face);
    EXPECT_EQ(pixel(image, 10, 19) != kFace, c.edges)
        << "enabled " << c.enabled << " hot " << c.hot << " down " << c.down << " flat " << c.flat;
  }
}

TEST_F(LbButtonPaintTest, OldStyleDrawsDoubleEdges) {
  TLbButtonFace face = plainFace(40, 20);
  face.Style = bsOld;
  const QImage up = paintFace(face);
  EXPECT_EQ(pixel(up, 0, 10), kLight);
  EXPECT_EQ(pixel(up, 10, 0), kLight);
  EXPECT_EQ(pixel(up, 38, 10), kShadow);
  EXPECT_EQ(pixel(up, 10, 18), kShadow);
  EXPECT_EQ(pixel(up, 39, 10), kDarkShadow);
  EXPECT_EQ(pixel(up, 10, 19), kDarkShadow);
  EXPECT_EQ(pixel(up, 0, 19), kDarkShadow);  // the bottom line runs past the left edge

  face.Down = true;
  const QImage down = paintFace(face);
  EXPECT_EQ(pixel(down, 1, 10), kShadow);
  EXPECT_EQ(pixel(down, 10, 1), kShadow);
  EXPECT_EQ(pixel(down, 0, 10), kDarkShadow);
  EXPECT_EQ(pixel(down, 10, 0), kDarkShadow);
  EXPECT_EQ(pixel(down, 39, 10), kLight);
  EXPECT_EQ(pixel(down, 10, 19), kLight);
}

TEST_F(LbButtonPaintTest, GradientBarFillsItsRowsInBandsAndKeepsThePen) {
  struct Case {
    int top;
    int bottom;
    TColor firstRow;
    TColor lastRow;
  };
  // From black to grey 248: each of the 31 steps adds 8; with fewer than 31 rows
  // a row shows the last band that reaches it.
  const Case cases[] = {
      {7, 27, RGB(8, 8, 8), RGB(240, 240, 240)},
      {0, 62, RGB(0, 0, 0), RGB(240, 240, 240)},
      {2, 7, RGB(48, 48, 48), RGB(240, 240, 240)},
  };
  for (const Case& c : cases) {
    QImage image = blankImage(20, 70);
    TCanvas canvas(&image);
    canvas.Pen()->SetStyle(psDot);
    DrawGradientBar(canvas, clBlack, RGB(248, 248, 248), 2, 18, c.top, c.bottom);
    EXPECT_EQ(canvas.Pen()->Style(), psDot);
    canvas.Release();
    EXPECT_EQ(pixel(image, 10, c.top), c.firstRow) << c.top;
    EXPECT_EQ(pixel(image, 10, c.bottom - 1), c.lastRow) << c.top;
    if (c.top > 0) {
      EXPECT_EQ(pixel(image, 10, c.top - 1), kSentinel) << c.top;
    }
    EXPECT_EQ(pixel(image, 10, c.bottom), kSentinel) << c.top;
    EXPECT_EQ(pixel(image, 1, c.top), kSentinel);
    EXPECT_EQ(pixel(image, 2, c.top), c.firstRow);
    EXPECT_EQ(pixel(image, 17, c.top), c.firstRow);
    EXPECT_EQ(pixel(image, 18, c.top), kSentinel);
  }
}

TEST_F(LbButtonPaintTest, ModernStyleDrawsTwoGradientsInsideARoundedFrame) {
  const TColor magenta = RGB(255, 0, 255);
  TLbButtonFace face = plainFace(40, 28);
  face.Style = bsModern;
  face.Color = RGB(0, 0, 0);
  face.LightColor = RGB(248, 248, 248);
  const QImage image = paintFace(face, magenta);
  EXPECT_EQ(pixel(image, 0, 0), magenta);  // rounded corner stays see-through
  EXPECT_EQ(pixel(image, 20, 0), kShadow);
  EXPECT_EQ(pixel(image, 0, 14), kShadow);
  EXPECT_EQ(pixel(image, 20, 1), RGB(0, 0, 0));  // inner frame in the face colour
  // Light at the top fading to the face colour by row 6, back to light below.
  EXPECT_GT(GetRValue(pixel(image, 20, 2)), 150);
  EXPECT_LT(GetRValue(pixel(image, 20, 6)), GetRValue(pixel(image, 20, 2)));
  EXPECT_EQ(pixel(image, 20, 7), RGB(8, 8, 8));
  EXPECT_GT(GetRValue(pixel(image, 20, 25)), 200);

  face.Down = true;
  const QImage down = paintFace(face, magenta);
  EXPECT_EQ(pixel(down, 20, 1), kShadow);  // inner frame in the shadow colour
}

TEST_F(LbButtonPaintTest, QuickenAndShapeStyles) {
  const TColor magenta = RGB(255, 0, 255);
  TLbButtonFace face = plainFace(40, 20);
  face.Style = bsQuicken;
  const QImage quicken = paintFace(face, magenta);
  EXPECT_EQ(pixel(quicken, 20, 10), kFace);
  EXPECT_EQ(pixel(quicken, 20, 0), kShadow);
  EXPECT_EQ(pixel(quicken, 20, 19), kShadow);
  EXPECT_EQ(pixel(quicken, 3, 0), magenta);
  EXPECT_EQ(pixel(quicken, 35, 0), magenta);  // the line ends before W - 5

  face.Style = bsShape;
  const QImage shape = paintFace(face);
  EXPECT_FALSE(boxOf(shape, kSentinel).has_value());
  EXPECT_EQ(pixel(shape, 20, 10), magenta);
  EXPECT_EQ(pixel(shape, 0, 0), magenta);
}

TEST_F(LbButtonPaintTest, GlyphFrameFollowsState) {
  struct Case {
    int frames;
    bool enabled;
    bool hot;
    bool down;
    TColor expected;
  };
  const TColor red = RGB(255, 0, 0), green = RGB(0, 255, 0), blue = RGB(0, 0, 255), yellow = RGB(255, 255, 0);
  const Case cases[] = {
      {4, true, false, false, red},    {4, false, false, false, green}, {4, true, true, false, yellow},
      {4, true, false, true, blue},    {4, true, true, true, blue},     {4, false, true, true, green},
      {2, true, true, false, red},     {2, false, false, false, green}, {2, true, false, true, red},
      {3, true, false, true, blue},    {3, true, true, false, red},     {1, false, false, false, red},
  };
  for (const Case& c : cases) {
    TLbButtonFace face = plainFace(60, 28);
    face.Style = bsEncarta;  // keeps the glyph in place when pressed
    face.Glyph = glyphStrip(c.frames);
    face.NumGlyphs = c.frames;
    face.Enabled = c.enabled;
    face.Hot = c.hot;
    face.Down = c.down;
    const QImage image = paintFace(face);
    const auto box = boxOf(image, c.expected);
    ASSERT_TRUE(box) << "frames " << c.frames << " enabled " << c.enabled << " hot " << c.hot << " down " << c.down;
    EXPECT_EQ(box->width(), 10);
    EXPECT_EQ(box->height(), 10);
    // The bottom-left pixel is see-through: the face shows there.
    EXPECT_EQ(pixel(image, box->left, box->bottom), kFace);
  }
}

TEST_F(LbButtonPaintTest, GlyphWithoutCaptionIsCentredAndMovesWhenPressed) {
  const TColor red = RGB(255, 0, 0);
  TLbButtonFace face = plainFace(60, 28);
  face.Glyph = glyphStrip(1);
  face.NumGlyphs = 1;
  for (TLbButtonLayout layout : {blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom}) {
    face.Layout = layout;
    face.Down = false;
    auto box = boxOf(paintFace(face), red);
    ASSERT_TRUE(box);
    const int expectedTop = layout == blGlyphTop || layout == blGlyphBottom ? (28 - 14) / 2 : 9;
    EXPECT_EQ(box->left, 25) << layout;
    EXPECT_EQ(box->top, expectedTop) << layout;
    face.Down = true;
    box = boxOf(paintFace(face), red);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->left, 26) << layout;
    EXPECT_EQ(box->top, expectedTop + 1) << layout;
  }
}

TEST_F(LbButtonPaintTest, GlyphAndCaptionPlacementBySideLayoutAndAlignment) {
  const TColor red = RGB(255, 0, 0);
  const int w = 140;
  const QString caption = QStringLiteral("Save");
  const int s = measuredWidth(caption, w - 8 - 14) + 4;
  struct Case {
    TLbButtonLayout layout;
    TAlignment alignment;
    int glyphLeft;
  };
  const Case cases[] = {
      {blGlyphLeft, taLeftJustify, 4},
      {blGlyphLeft, taRightJustify, w - 4 - 10 - s},
      {blGlyphLeft, taCenter, (w - 10) / 2 - s / 2},
      {blGlyphRight, taLeftJustify, 4 + s},
      {blGlyphRight, taRightJustify, w - 4 - 10},
      {blGlyphRight, taCenter, (w - 10) / 2 + s / 2},
  };
  for (const Case& c : cases) {
    TLbButtonFace face = plainFace(w, 28);
    face.Font = &font;
    face.Caption = caption;
    face.Layout = c.layout;
    face.Alignment = c.alignment;
    face.Glyph = glyphStrip(1);
    face.NumGlyphs = 1;
    const QImage image = paintFace(face);
    const auto glyph = boxOf(image, red);
    ASSERT_TRUE(glyph);
    EXPECT_EQ(glyph->left, c.glyphLeft) << c.layout << " " << c.alignment;
    EXPECT_EQ(glyph->top, 9);
    const auto text = textBox(image);
    ASSERT_TRUE(text);
    // The caption sits in the area after the left glyph, or from the left edge.
    const int areaLeft = c.layout == blGlyphLeft ? 4 + 10 + 4 : 4;
    const int area = w - 8 - 14;
    EXPECT_GE(text->left, areaLeft);
    EXPECT_LE(text->right, areaLeft + area);
    if (c.alignment == taLeftJustify) {
      EXPECT_LE(text->left, areaLeft + 2);
    } else if (c.alignment == taRightJustify) {
      EXPECT_GE(text->right, areaLeft + area - 3);
    } else {
      EXPECT_NEAR((text->left + text->right) / 2, areaLeft + area / 2, 3);
    }
  }
}

TEST_F(LbButtonPaintTest, GlyphAboveOrBelowTheCaption) {
  const TColor red = RGB(255, 0, 0);
  for (TLbButtonLayout layout : {blGlyphTop, blGlyphBottom}) {
    for (TAlignment alignment : {taLeftJustify, taRightJustify, taCenter}) {
      TLbButtonFace face = plainFace(80, 50);
      face.Font = &font;
      face.Caption = QStringLiteral("Open");
      face.Layout = layout;
      face.Alignment = alignment;
      face.Glyph = glyphStrip(1);
      face.NumGlyphs = 1;
      const QImage image = paintFace(face);
      const auto glyph = boxOf(image, red);
      const auto text = textBox(image);
      ASSERT_TRUE(glyph && text);
      const int expectedLeft = alignment == taLeftJustify ? 4 : alignment == taRightJustify ? 80 - 10 - 4 : 35;
      EXPECT_EQ(glyph->left, expectedLeft);
      if (layout == blGlyphTop) {
        EXPECT_LT(glyph->bottom, text->top);
      } else {
        EXPECT_GT(glyph->top, text->bottom);
      }
    }
  }
}

TEST_F(LbButtonPaintTest, LongCaptionIsCutOrWrapped) {
  TLbButtonFace face = plainFace(60, 40);
  face.Font = &font;
  face.Caption = QStringLiteral("Save all files");
  const int lineHeight = QFontMetrics(font.ToQFont()).height();

  const auto cut = textBox(paintFace(face));
  ASSERT_TRUE(cut);
  EXPECT_GE(cut->left, 4);
  EXPECT_LE(cut->right, 60 - 4);
  EXPECT_LE(cut->height(), lineHeight);

  face.WordWrap = true;
  const auto wrapped = textBox(paintFace(face));
  ASSERT_TRUE(wrapped);
  EXPECT_GT(wrapped->height(), lineHeight);
}

TEST_F(LbButtonPaintTest, PressedContentMovesExceptEncartaWhichTurnsBold) {
  // Wine's bold Tahoma has the widths of the bold face but the strokes of the
  // regular one; the bold of the Verdana stand-in shows in its ink
  font.SetName(QStringLiteral("Verdana"));
  TLbButtonFace face = plainFace(80, 28);
  face.Font = &font;
  face.Caption = QStringLiteral("Next");
  face.Style = bsNormal;
  const auto up = textBox(paintFace(face));
  face.Down = true;
  const auto down = textBox(paintFace(face));
  ASSERT_TRUE(up && down);
  EXPECT_EQ(down->top, up->top + 1);
  EXPECT_EQ(down->left, up->left + 1);

  face.Style = bsEncarta;
  face.Down = false;
  face.Alignment = taLeftJustify;
  face.Glyph = glyphStrip(1);
  face.NumGlyphs = 1;
  const QImage normal = paintFace(face);
  face.Down = true;
  const QImage bold = paintFace(face);
  EXPECT_EQ(boxOf(bold, RGB(255, 0, 0))->left, boxOf(normal, RGB(255, 0, 0))->left);
  EXPECT_EQ(boxOf(bold, RGB(255, 0, 0))->top, boxOf(normal, RGB(255, 0, 0))->top);
  EXPECT_GT(countDark(bold), countDark(normal));
}

TEST_F(LbButtonPaintTest, DisabledCaptionIsGrayExceptInShapeStyle) {
  font.SetStyle(fsBold);
  TLbButtonFace face = plainFace(80, 28);
  face.Font = &font;
  face.Caption = QStringLiteral("HI");
  face.Enabled = false;
  const QImage disabled = paintFace(face);
  EXPECT_TRUE(boxOf(disabled, RGB(128, 128, 128)).has_value());
  EXPECT_FALSE(boxOf(disabled, clBlack).has_value());

  face.Style = bsShape;
  const QImage shape = paintFace(face);
  EXPECT_TRUE(boxOf(shape, clBlack).has_value());
}

TEST_F(LbButtonPaintTest, PopupArrowSitsRightOfCentre) {
  TLbButtonFace face = plainFace(50, 28);
  face.HasPopup = true;
  const QImage image = paintFace(face);
  const auto arrow = boxOf(image, clBlack);
  ASSERT_TRUE(arrow);
  EXPECT_EQ(arrow->left, 39);
  EXPECT_EQ(arrow->top, 13);
  EXPECT_EQ(arrow->width(), 5);
  EXPECT_EQ(arrow->height(), 3);
  EXPECT_EQ(pixel(image, 39, 15), kFace);  // see-through around the point
}

TEST(LbButtonGlyphResourceTest, PresetGlyphsHaveTheirSizes) {
  for (const char* name : {"LBOK", "LBCANCEL", "LBHELP", "LBYES", "LBNO", "LBCLOSE", "LBABORT", "LBRETRY",
                           "LBIGNORE"}) {
    const QImage glyph = LoadLbButtonGlyph(QString::fromLatin1(name));
    EXPECT_EQ(glyph.size(), QSize(36, 18)) << name;
  }
  EXPECT_EQ(LoadLbButtonGlyph(QStringLiteral("LBALL")).size(), QSize(36, 19));
  EXPECT_EQ(LoadLbButtonGlyph(QStringLiteral("LBARROW")).size(), QSize(5, 3));
  EXPECT_TRUE(LoadLbButtonGlyph(QStringLiteral("NOSUCH")).isNull());
}

}  // namespace
