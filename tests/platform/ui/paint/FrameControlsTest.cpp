#include "platform/ui/paint/FrameControls.h"

#include "platform/ui/paint/Canvas.h"
#include "tests/support/CanvasPixels.h"

#include <QtGui/QImage>

#include <gtest/gtest.h>

using platform::DrawFrameControl;
using platform::FrameKind;
using platform::FrameStates;
using namespace platform;  // state flags

namespace {

constexpr TColor kBackground = RGB(1, 2, 3);

class FrameControlsTest : public ::testing::Test {
 protected:
  FrameControlsTest() : image(40, 30, QImage::Format_RGB32), canvas(&image) { image.fill(ToQColor(kBackground)); }

  TColor at(int x, int y) const { return canvas.Pixels(x, y); }

  // Smallest rectangle holding every pixel of the colour inside area (empty when none).
  TRect boundsOf(TColor color, const TRect& area) const {
    TRect b{area.Right, area.Bottom, area.Left, area.Top};
    for (int y = area.Top; y < area.Bottom; ++y)
      for (int x = area.Left; x < area.Right; ++x)
        if (at(x, y) == ColorToRGB(color)) b = {std::min(b.Left, x), std::min(b.Top, y), std::max(b.Right, x + 1),
                                                std::max(b.Bottom, y + 1)};
    return b;
  }
  int countIn(TColor color, const TRect& area) const { return testsupport::CountPixels(canvas, color, area); }

  QImage image;
  TCanvas canvas;
};

const TRect kButton = Bounds(5, 4, 17, 17);  // right 22, bottom 21

struct EdgeCase {
  const char* name;
  FrameStates states;
  TColor outerTopLeft, outerBottomRight, innerTopLeft, innerBottomRight;
};

TEST_F(FrameControlsTest, PushButtonEdgesPerState) {
  const EdgeCase cases[] = {
      {"normal", {}, clBtnHighlight, cl3DDkShadow, clBtnFace, clBtnShadow},
      {"hot", fsHot, clBtnHighlight, cl3DDkShadow, clBtnFace, clBtnShadow},
      {"inactive", fsInactive, clBtnHighlight, cl3DDkShadow, clBtnFace, clBtnShadow},
      {"pushed", fsPushed, clBtnShadow, clBtnHighlight, cl3DDkShadow, cl3DLight},
      {"flat", fsFlat, clBtnShadow, clBtnShadow, clBtnFace, clBtnFace},
      {"flat pushed", fsFlat | fsPushed, clBtnShadow, clBtnShadow, clBtnFace, clBtnFace},
  };
  for (const EdgeCase& c : cases) {
    SCOPED_TRACE(c.name);
    image.fill(ToQColor(kBackground));
    canvas.Brush()->SetColor(clRed);
    canvas.Pen()->SetColor(clLime);
    DrawFrameControl(&canvas, kButton, FrameKind::PushButton, c.states);
    EXPECT_EQ(at(5, 4), ColorToRGB(c.outerTopLeft));
    EXPECT_EQ(at(5, 19), ColorToRGB(c.outerTopLeft));
    EXPECT_EQ(at(21, 4), ColorToRGB(c.outerBottomRight));  // far corners belong to the bottom-right side
    EXPECT_EQ(at(21, 20), ColorToRGB(c.outerBottomRight));
    EXPECT_EQ(at(6, 5), ColorToRGB(c.innerTopLeft));
    EXPECT_EQ(at(20, 19), ColorToRGB(c.innerBottomRight));
    EXPECT_EQ(at(13, 12), ColorToRGB(clBtnFace));
    // Nothing outside, and the canvas keeps its pen and brush.
    EXPECT_EQ(at(4, 4), kBackground);
    EXPECT_EQ(at(22, 21), kBackground);
    EXPECT_EQ(canvas.Brush()->Color(), clRed);
    EXPECT_EQ(canvas.Pen()->Color(), clLime);
  }
}

TEST_F(FrameControlsTest, CheckedPushButtonIsSunkenWithHalfToneFace) {
  DrawFrameControl(&canvas, kButton, FrameKind::PushButton, fsChecked);
  EXPECT_EQ(at(5, 4), ColorToRGB(clBtnShadow));
  const TRect face = Rect(7, 6, 20, 19);
  const int highlights = countIn(clBtnHighlight, face);
  EXPECT_EQ(highlights + countIn(clBtnFace, face), face.Width() * face.Height());
  EXPECT_NEAR(highlights, face.Width() * face.Height() / 2, 1);
}

struct ArrowCase {
  FrameKind kind;
  bool vertical;    // base runs across (up/down) or along (left/right)
  bool apexFirst;   // apex at the top or left
};

TEST_F(FrameControlsTest, ArrowGlyphIsCentredTriangle) {
  const ArrowCase cases[] = {{FrameKind::ScrollUp, true, true},
                             {FrameKind::ScrollDown, true, false},
                             {FrameKind::ComboArrow, true, false},
                             {FrameKind::ScrollLeft, false, true},
                             {FrameKind::ScrollRight, false, false}};
  for (const ArrowCase& c : cases) {
    SCOPED_TRACE(int(c.kind));
    image.fill(ToQColor(kBackground));
    DrawFrameControl(&canvas, kButton, c.kind);
    const TRect glyph = boundsOf(clBtnText, kButton);
    // A 17-pixel button carries an arrow 7 pixels wide and 4 deep.
    EXPECT_EQ(c.vertical ? glyph.Width() : glyph.Height(), 7);
    EXPECT_EQ(c.vertical ? glyph.Height() : glyph.Width(), 4);
    EXPECT_EQ(countIn(clBtnText, kButton), 7 + 5 + 3 + 1);
    // Centred in the button within a pixel.
    EXPECT_LE(std::abs((glyph.Left + glyph.Right) - (kButton.Left + kButton.Right)), 2);
    EXPECT_LE(std::abs((glyph.Top + glyph.Bottom) - (kButton.Top + kButton.Bottom)), 2);
    // The apex is one pixel, the base the full width.
    const TRect apexLine = c.vertical ? Rect(glyph.Left, c.apexFirst ? glyph.Top : glyph.Bottom - 1, glyph.Right,
                                             (c.apexFirst ? glyph.Top : glyph.Bottom - 1) + 1)
                                      : Rect(c.apexFirst ? glyph.Left : glyph.Right - 1, glyph.Top,
                                             (c.apexFirst ? glyph.Left : glyph.Right - 1) + 1, glyph.Bottom);
    EXPECT_EQ(countIn(clBtnText, apexLine), 1);
    EXPECT_EQ(at(5, 4), ColorToRGB(clBtnHighlight));
  }
}

TEST_F(FrameControlsTest, SameLooks) {
  struct Pair {
    FrameKind kindA;
    FrameStates statesA;
    FrameKind kindB;
    FrameStates statesB;
  };
  const Pair pairs[] = {
      {FrameKind::ScrollDown, fsInactive, FrameKind::ComboArrow, fsInactive},
      {FrameKind::ScrollUp, {}, FrameKind::ScrollUp, fsChecked},  // only push buttons latch
  };
  for (const Pair& p : pairs) {
    image.fill(ToQColor(kBackground));
    DrawFrameControl(&canvas, kButton, p.kindA, p.statesA);
    canvas.Release();
    const QImage first = image.copy();
    image.fill(ToQColor(kBackground));
    DrawFrameControl(&canvas, kButton, p.kindB, p.statesB);
    canvas.Release();
    EXPECT_EQ(image, first) << int(p.kindB);
  }
}

TEST_F(FrameControlsTest, PushedArrowSinksAndShiftsTheGlyph) {
  DrawFrameControl(&canvas, kButton, FrameKind::ScrollDown);
  const TRect normal = boundsOf(clBtnText, kButton);
  image.fill(ToQColor(kBackground));
  DrawFrameControl(&canvas, kButton, FrameKind::ScrollDown, fsPushed);
  TRect shifted = normal;
  OffsetRect(shifted, 1, 1);
  EXPECT_EQ(boundsOf(clBtnText, kButton), shifted);
  EXPECT_EQ(at(5, 4), ColorToRGB(clBtnShadow));
}

TEST_F(FrameControlsTest, InactiveArrowIsGreyAndEmbossed) {
  DrawFrameControl(&canvas, kButton, FrameKind::ScrollUp);
  const TRect normal = boundsOf(clBtnText, kButton);
  image.fill(ToQColor(kBackground));
  DrawFrameControl(&canvas, kButton, FrameKind::ScrollUp, fsInactive);
  const TRect face = Rect(7, 6, 20, 19);
  EXPECT_EQ(countIn(clBtnText, kButton), 0);
  EXPECT_EQ(boundsOf(clBtnShadow, face), normal);
  const TRect emboss = boundsOf(clBtnHighlight, face);
  EXPECT_EQ(emboss.Right, normal.Right + 1);
  EXPECT_EQ(emboss.Bottom, normal.Bottom + 1);
}

struct BoxCase {
  const char* name;
  FrameStates states;
  TColor outer, inner;         // (9, 4) and (10, 5): the box's top-left edge pixels
  TColor markPixel, interior;  // (14, 12) on the mark, (12, 7) beside it
};

TEST_F(FrameControlsTest, CheckBoxPerState) {
  // A 13-pixel box centred in a 21 by 13 rectangle: columns 9 to 21.
  const TRect r = Bounds(5, 4, 21, 13);
  const BoxCase cases[] = {
      {"unchecked", {}, clBtnShadow, cl3DDkShadow, clWindow, clWindow},
      {"checked", fsChecked, clBtnShadow, cl3DDkShadow, clWindowText, clWindow},
      {"checked inactive", fsChecked | fsInactive, clBtnShadow, cl3DDkShadow, clBtnShadow, clBtnFace},
      {"pushed", fsPushed, clBtnShadow, cl3DDkShadow, clBtnFace, clBtnFace},
      {"checked flat", fsChecked | fsFlat, clBtnShadow, clWindow, clWindowText, clWindow},
  };
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(c.name);
    image.fill(ToQColor(kBackground));
    DrawFrameControl(&canvas, r, FrameKind::CheckBox, c.states);
    EXPECT_EQ(at(8, 4), kBackground);
    EXPECT_EQ(at(22, 4), kBackground);
    EXPECT_EQ(at(9, 4), ColorToRGB(c.outer));
    EXPECT_EQ(at(10, 5), ColorToRGB(c.inner));
    EXPECT_EQ(at(14, 12), ColorToRGB(c.markPixel));
    EXPECT_EQ(at(12, 7), ColorToRGB(c.interior));
    EXPECT_EQ(at(21, 16), ColorToRGB((c.states & fsFlat) ? clBtnShadow : clBtnHighlight));
  }
}

TEST_F(FrameControlsTest, CheckMarkIsCentredInTheBox) {
  const TRect r = Bounds(5, 4, 13, 13);
  DrawFrameControl(&canvas, r, FrameKind::CheckBox, fsChecked);
  const TRect mark = boundsOf(clWindowText, r);
  EXPECT_EQ(mark, Rect(8, 7, 15, 14));
  EXPECT_EQ(countIn(clWindowText, r), 21);
}

TEST_F(FrameControlsTest, RadioButtonPerState) {
  // 13-pixel circle at (5, 4): centre pixel (11, 10).
  const TRect r = Bounds(5, 4, 13, 13);
  const BoxCase cases[] = {
      // outer: top of the outer ring (11, 4); inner: (11, 5); mark: centre; interior: (11, 7)
      {"unchecked", {}, clBtnShadow, cl3DDkShadow, clWindow, clWindow},
      {"checked", fsChecked, clBtnShadow, cl3DDkShadow, clWindowText, clWindow},
      {"checked inactive", fsChecked | fsInactive, clBtnShadow, cl3DDkShadow, clBtnShadow, clBtnFace},
      {"checked flat", fsChecked | fsFlat, clBtnShadow, clWindow, clWindowText, clWindow},
  };
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(c.name);
    image.fill(ToQColor(kBackground));
    DrawFrameControl(&canvas, r, FrameKind::RadioButton, c.states);
    EXPECT_EQ(at(5, 4), kBackground);  // round: the square's corners stay
    EXPECT_EQ(at(17, 16), kBackground);
    EXPECT_EQ(at(11, 4), ColorToRGB(c.outer));
    EXPECT_EQ(at(11, 5), ColorToRGB(c.inner));
    EXPECT_EQ(at(11, 10), ColorToRGB(c.markPixel));
    EXPECT_EQ(at(11, 7), ColorToRGB(c.interior));
    EXPECT_EQ(at(11, 16), ColorToRGB((c.states & fsFlat) ? clBtnShadow : clBtnHighlight));
  }
}

TEST_F(FrameControlsTest, EmptyRectangleOrNoCanvasDrawsNothing) {
  DrawFrameControl(&canvas, Rect(5, 5, 5, 20), FrameKind::PushButton);
  DrawFrameControl(nullptr, kButton, FrameKind::CheckBox);
  EXPECT_EQ(countIn(kBackground, Rect(0, 0, 40, 30)), 40 * 30);
}

}  // namespace
