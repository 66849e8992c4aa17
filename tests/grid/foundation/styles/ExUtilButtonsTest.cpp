#include "grid/foundation/styles/ExUtilButtons.h"

#include "platform/ui/paint/Canvas.h"
#include "tests/support/CanvasPixels.h"

#include <QtGui/QImage>

#include <gtest/gtest.h>

namespace {

constexpr TColor kBackground = RGB(1, 2, 3);

TColorTones tones() {
  TColorTones t;
  t.Background = {RGB(10, 0, 0), RGB(11, 0, 0), RGB(12, 0, 0)};
  t.Foreground = {RGB(20, 0, 0), RGB(21, 0, 0), RGB(22, 0, 0)};
  t.Selected = {RGB(30, 0, 0), RGB(31, 0, 0), RGB(32, 0, 0)};
  t.Hover = {RGB(40, 0, 0), RGB(41, 0, 0), RGB(42, 0, 0)};
  t.Disabled = {RGB(50, 0, 0), RGB(51, 0, 0), RGB(52, 0, 0)};
  return t;
}

class ButtonsTest : public ::testing::Test {
 protected:
  ButtonsTest() : image(70, 30, QImage::Format_RGB32), canvas(&image) { clear(); }
  void clear() { image.fill(ToQColor(kBackground)); }
  TColor at(int x, int y) const { return canvas.Pixels(x, y); }
  int countIn(TColor color, const TRect& area) const { return testsupport::CountPixels(canvas, color, area); }
  QImage snapshot() {
    canvas.Release();
    return image.copy();
  }

  QImage image;
  TCanvas canvas;
  const TColorTones t = tones();
  const TRect cell = Rect(0, 0, 60, 20);
};

TEST_F(ButtonsTest, ComboButtonInTheFrameLooks) {
  // The button covers columns 41 to 57 and rows 1 to 18.
  struct Case {
    int style, state;
    TColor topLeft, arrow;
  };
  const Case cases[] = {
      {ButtonStyleClassic, ButtonStateNormal, clBtnHighlight, clBtnText},
      {ButtonStyleClassic, ButtonStatePressed, clBtnHighlight, clBtnText},  // shown unpressed
      {ButtonStyleClassic, ButtonStateDisabled, clBtnHighlight, clBtnShadow},
      {ButtonStyleFlat, ButtonStateNormal, clBtnShadow, clBtnText},
      {ButtonStyleFlat, ButtonStateDisabled, clBtnShadow, clBtnShadow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.style << "/" << c.state);
    clear();
    DrawComboButton(&canvas, nullptr, cell, c.style, c.state, t);
    EXPECT_EQ(at(41, 1), ColorToRGB(c.topLeft));
    EXPECT_EQ(at(57, 18), ColorToRGB(c.style == ButtonStyleFlat ? clBtnShadow : cl3DDkShadow));
    EXPECT_EQ(at(40, 5), kBackground);
    EXPECT_EQ(at(58, 5), kBackground);
    EXPECT_EQ(at(45, 0), kBackground);
    EXPECT_EQ(at(45, 19), kBackground);
    EXPECT_GT(countIn(c.arrow, Rect(44, 4, 55, 16)), 10);
    EXPECT_EQ(countIn(clBtnText, cell) > 0, c.arrow == clBtnText);
  }
}

TEST_F(ButtonsTest, ThemedLookIsDrawnClassicWithoutVisualStyles) {
  using Painter = void (*)(TCanvas*, TWindowHandle, const TRect&, int, int, const TColorTones&);
  for (Painter paint : {&DrawComboButton, &DrawButtonFace, &DrawSpinButtons}) {
    for (int state : {ButtonStateNormal, ButtonStateHot, ButtonStatePressed, ButtonStateDisabled}) {
      clear();
      paint(&canvas, nullptr, cell, ButtonStyleClassic, state, t);
      const QImage classic = snapshot();
      clear();
      paint(&canvas, nullptr, cell, ButtonStyleThemed, state, t);
      EXPECT_EQ(snapshot(), classic) << state;
    }
  }
}

TEST_F(ButtonsTest, CustomComboButtonTakesTheFaceFromTheStateTone) {
  // Face from column 44; separator at 45; arrow (49, 9) (55, 9) (52, 12).
  const struct {
    int state;
    TColor face;
  } cases[] = {{ButtonStateNormal, RGB(10, 0, 0)},
               {ButtonStateHot, RGB(40, 0, 0)},
               {ButtonStatePressed, RGB(30, 0, 0)},
               {ButtonStateDisabled, RGB(50, 0, 0)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.state);
    clear();
    DrawComboButton(&canvas, nullptr, cell, ButtonStyleCustom, c.state, t);
    EXPECT_EQ(at(44, 5), c.face);
    EXPECT_EQ(at(50, 4), c.face);
    EXPECT_EQ(at(43, 5), kBackground);
    EXPECT_EQ(at(45, 3), t.Background.BorderColor);  // separator in the normal tone
    EXPECT_EQ(at(52, 10), t.Background.TextColor);   // arrow in the normal tone
    EXPECT_EQ(at(52, 13), c.face);
  }
}

TEST_F(ButtonsTest, ButtonFacePerLookAndState) {
  // Custom cases: (0, 0) border colour, centre brush colour of the state's tone.
  struct Case {
    int style, state;
    TColor corner, farCorner, centre;
  };
  const Case cases[] = {
      {ButtonStyleClassic, ButtonStateNormal, clBtnHighlight, cl3DDkShadow, clBtnFace},
      {ButtonStyleClassic, ButtonStateHot, clBtnHighlight, cl3DDkShadow, clBtnFace},
      {ButtonStyleClassic, ButtonStatePressed, clBtnShadow, clBtnHighlight, clBtnFace},
      {ButtonStyleClassic, ButtonStateDisabled, clBtnHighlight, cl3DDkShadow, clBtnFace},
      {ButtonStyleFlat, ButtonStateNormal, clBtnShadow, clBtnShadow, clBtnFace},
      {ButtonStyleFlat, ButtonStatePressed, clBtnShadow, clBtnShadow, clBtnFace},
      {ButtonStyleCustom, ButtonStateNormal, RGB(11, 0, 0), RGB(11, 0, 0), RGB(10, 0, 0)},
      {ButtonStyleCustom, ButtonStateHot, RGB(41, 0, 0), RGB(41, 0, 0), RGB(40, 0, 0)},
      {ButtonStyleCustom, ButtonStatePressed, RGB(31, 0, 0), RGB(31, 0, 0), RGB(30, 0, 0)},
      {ButtonStyleCustom, ButtonStateDisabled, RGB(51, 0, 0), RGB(51, 0, 0), RGB(50, 0, 0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.style << "/" << c.state);
    clear();
    DrawButtonFace(&canvas, nullptr, Rect(2, 3, 40, 25), c.style, c.state, t);
    EXPECT_EQ(at(2, 3), ColorToRGB(c.corner));
    EXPECT_EQ(at(39, 24), ColorToRGB(c.farCorner));
    EXPECT_EQ(at(20, 14), ColorToRGB(c.centre));
    EXPECT_EQ(at(40, 14), kBackground);
    EXPECT_EQ(at(20, 25), kBackground);
  }
}

TEST_F(ButtonsTest, SpinButtonsInTheFrameLooks) {
  // Columns 44 to 58; up button rows -1 to 8, down button rows 10 to 18, row 9 left alone.
  for (int style : {ButtonStyleClassic, ButtonStyleFlat}) {
    for (int state : {ButtonStateNormal, ButtonStateDisabled}) {
      SCOPED_TRACE(testing::Message() << style << "/" << state);
      clear();
      DrawSpinButtons(&canvas, nullptr, cell, style, state, t);
      const TColor glyph = state == ButtonStateDisabled ? clBtnShadow : clBtnText;
      EXPECT_GT(countIn(glyph, Rect(46, 1, 57, 7)), 3);
      EXPECT_GT(countIn(glyph, Rect(46, 12, 57, 17)), 3);
      EXPECT_EQ(countIn(kBackground, Rect(44, 9, 59, 10)), 15);
      EXPECT_EQ(at(44, 10), ColorToRGB(style == ButtonStyleFlat ? clBtnShadow : clBtnHighlight));
      EXPECT_EQ(at(58, 18), ColorToRGB(style == ButtonStyleFlat ? clBtnShadow : cl3DDkShadow));
      EXPECT_EQ(at(59, 12), kBackground);
      EXPECT_EQ(at(43, 12), kBackground);
      EXPECT_EQ(at(50, 19), kBackground);
    }
  }
}

TEST_F(ButtonsTest, CustomSpinButtonsUseTheToneBrushForFaceAndFrame) {
  DrawSpinButtons(&canvas, nullptr, cell, ButtonStyleCustom, ButtonStateHot, t);
  EXPECT_EQ(at(44, 0), RGB(40, 0, 0));  // frame in the brush colour, not the tone's border
  EXPECT_EQ(at(46, 6), RGB(40, 0, 0));
  EXPECT_EQ(at(51, 3), clBlack);   // up arrow (49, 4) (53, 4) (51, 2)
  EXPECT_EQ(at(51, 12), clBlack);  // down arrow (49, 11) (53, 11) (51, 13)
  EXPECT_EQ(at(46, 15), RGB(40, 0, 0));
  EXPECT_EQ(at(50, 9), kBackground);
  EXPECT_EQ(at(43, 5), kBackground);
}

TEST_F(ButtonsTest, UnknownStylePaintsNothing) {
  DrawComboButton(&canvas, nullptr, cell, 4, ButtonStateNormal, t);
  DrawButtonFace(&canvas, nullptr, cell, -1, ButtonStateNormal, t);
  DrawSpinButtons(&canvas, nullptr, cell, 9, ButtonStateNormal, t);
  EXPECT_EQ(countIn(kBackground, Rect(0, 0, 70, 30)), 70 * 30);
}

}  // namespace
