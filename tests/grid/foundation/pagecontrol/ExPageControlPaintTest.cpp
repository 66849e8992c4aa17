#include "grid/foundation/pagecontrol/ExPageControlPaint.h"

#include "grid/foundation/pagecontrol/ExPageControl.h"
#include "platform/picture/Bitmap.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/Font.h"
#include "platform/ui/window/ModalSeams.h"

#include <QtGui/QImage>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QApplication>

#include <gtest/gtest.h>

namespace {

constexpr TColor Back = RGB(250, 240, 200);  // behind the tabs
constexpr TColor Frame = RGB(90, 0, 0);      // page frame
constexpr TColor Border = RGB(0, 0, 90);     // tab outlines
constexpr TColor Active = RGB(0, 200, 0);    // the active tab
constexpr TColor Tab = RGB(200, 200, 0);     // the other tabs
const TColor Face = ColorToRGB(clBtnFace);   // the control's colour

struct Probe {
  int x, y;
  TColor expected;
  const char* what;
};

class PaintedControl {
 public:
  PaintedControl(TTabPosition position, ExPageControl::TTabStyle style) {
    control.resize(300, 200);
    control.SetTabPosition(position);
    control.SetTabStyle(style);
    control.SetTabBackGroundColor(Back);
    control.SetTabSheetBorderColor(Frame);
    control.SetTabBorderColor(Border);
    control.SetActiveColor(Active);
    control.SetDefaultTabColor(Tab);
    for (const char* caption : {"First", "Second"}) {
      auto* page = new TExTabSheet(&control);
      page->SetCaption(QString::fromLatin1(caption));
      page->SetExPageControl(&control);
    }
  }
  TColor at(int x, int y) { return FromQColor(image.pixelColor(x, y)); }
  void render() { image = control.grab().toImage(); }
  void check(const std::vector<Probe>& probes) {
    render();
    for (const Probe& p : probes) EXPECT_EQ(at(p.x, p.y), p.expected) << p.what << " at " << p.x << "," << p.y;
  }
  TRect tab(int page) { return control.PageTabRect(page); }

  TExPageControl control;
  QImage image;
};

TEST(PageControlPaint, TopTabsInTheClassicLook) {
  PaintedControl p(tpTop, ExPageControl::tsClassic);
  const TRect a = p.tab(0), b = p.tab(1);
  const int w = 300, h = 200, mb = a.Bottom;
  p.check({
      {1, 0, Back, "left of the tabs"},
      {w - 2, 1, Back, "right of the tabs"},
      {a.Left, a.Top + 3, Border, "active left edge"},
      {a.Left + 2, a.Top - 1, Border, "active top edge"},
      {a.Left + 2, a.Top, Active, "active fill"},
      {a.Left + 2, mb, Face, "active tab open to the page"},
      {a.Right, a.Top + 3, Border, "active right edge"},
      {b.Left + 2, b.Top, Tab, "other fill"},
      {b.Left + 2, b.Top - 1, Border, "other top edge"},
      {b.Left + 2, b.Bottom, Border, "other bottom edge on the page line"},
      {b.Right, b.Top + 3, Border, "other right edge"},
      {b.Right + 3, mb, Frame, "frame line beside the tabs"},
      {0, mb + 10, Frame, "frame left"},
      {w - 1, mb + 10, Frame, "frame right"},
      {w / 2, h - 1, Frame, "frame bottom"},
      {w / 2, h - 2, Face, "inner bottom line"},
      {w - 2, mb + 10, Face, "inner right line"},
  });
}

TEST(PageControlPaint, TopTabsInTheDotNetLook) {
  PaintedControl p(tpTop, ExPageControl::tsDotNet);
  const TRect a = p.tab(0), b = p.tab(1);
  p.check({
      {a.Left, a.Bottom, Border, "active left edge down to the page line"},
      {a.Left + 2, a.Top - 1, Border, "active top edge"},
      {a.Left + 2, a.Bottom, Face, "active tab open to the page"},
      {b.Left + 2, b.Top - 1, Tab, "other tab has no top edge"},
      {b.Left + 2, b.Bottom, Border, "other tab's line on the page side"},
      {b.Right - 2, b.Top + 4, Active, "separator of the last tab"},
      {b.Right - 3, b.Top + 4, Active, "separator, second line"},
      {b.Right - 1, b.Top + 4, Tab, "beside the separator"},
  });
  p.control.SetActivePageIndex(1);
  p.check({
      {a.Right - 2, a.Top + 4, Tab, "no separator before the active tab"},
      {a.Left + 2, a.Top - 1, Tab, "first tab now without top edge"},
      {b.Left + 2, b.Top, Active, "second tab active"},
  });
}

TEST(PageControlPaint, LeftTabsInTheClassicLook) {
  PaintedControl p(tpLeft, ExPageControl::tsClassic);
  const TRect a = p.tab(0), b = p.tab(1);
  const int mr = a.Right;
  p.check({
      {a.Left + 3, a.Top, Border, "active top edge"},
      {a.Left - 1, a.Top + 5, Border, "active left edge"},
      {a.Left + 3, a.Bottom, Border, "active bottom edge"},
      {a.Left, a.Top + 2, Active, "active fill"},
      {a.Right, a.Top + 5, Face, "active tab open to the page"},
      {b.Left - 1, b.Top + 5, Border, "other left edge"},
      {b.Right, b.Top + 5, Border, "other right edge on the page line"},
      {b.Left + 3, b.Bottom, Border, "other bottom edge"},
      {b.Left + 3, b.Bottom - 2, Tab, "other fill"},
      {a.Left + 3, b.Bottom + 5, Back, "below the tabs"},
      {mr, b.Bottom + 10, Frame, "frame beside the page"},
      {mr + 10, 0, Frame, "frame top"},
      {mr + 10, 198, Frame, "frame bottom"},
      {mr + 10, 199, Face, "outer bottom line"},
      {298, 100, Frame, "frame right"},
      {299, 100, Face, "outer right line"},
  });
}

TEST(PageControlPaint, LeftTabsInTheDotNetLook) {
  PaintedControl p(tpLeft, ExPageControl::tsDotNet);
  const TRect a = p.tab(0), b = p.tab(1);
  p.check({
      {a.Left + 3, a.Top, Border, "active top edge"},
      {a.Left - 1, a.Top + 5, Border, "active left edge"},
      {a.Left + 3, a.Bottom, Border, "active bottom edge"},
      {a.Right, a.Top + 5, Face, "no edge towards the page"},
      {b.Right, b.Top + 5, Border, "other tab's line on the page side"},
      {b.Left - 1, b.Top + 5, Tab, "other tab has no left edge"},
      {b.Left + 3, b.Bottom - 2, Active, "separator of the last tab"},
      {b.Left + 3, b.Bottom - 3, Active, "separator, second line"},
      {b.Left + 3, b.Bottom - 1, Tab, "below the separator"},
  });
  p.control.SetActivePageIndex(1);
  p.check({
      {a.Left + 3, a.Bottom - 2, Tab, "no separator before the active tab"},
      {b.Left + 3, b.Bottom - 2, Active, "second tab active"},
  });
}

TEST(PageControlPaint, WithoutPagesTheTabAreaIsTwoRowsDeep) {
  TExPageControl control;
  control.resize(120, 80);
  control.SetTabBackGroundColor(Back);
  control.SetTabSheetBorderColor(Frame);
  const QImage image = control.grab().toImage();
  for (int x : {0, 60, 119}) {
    EXPECT_EQ(FromQColor(image.pixelColor(x, 0)), Back) << x;
    EXPECT_EQ(FromQColor(image.pixelColor(x, 1)), Back) << x;
    EXPECT_EQ(FromQColor(image.pixelColor(x, 2)), Frame) << x;
  }
}

TEST(PageControlPaint, CloseButtonsGradientsHoverAndPageColour) {
  PaintedControl p(tpTop, ExPageControl::tsClassic);
  TExTabSheet* first = p.control.GetPage(0);
  TExTabSheet* second = p.control.GetPage(1);
  first->SetShowClose(true);
  second->SetShowClose(true);
  const TRect a = p.tab(0), b = p.tab(1);
  const int mb = a.Bottom;
  p.check({
      {b.Left + 2, b.Top + 2, clGray, "box of another tab"},
      {b.Left + 13, b.Top + 12, clGray, "box corner"},
      {b.Left + 3, b.Top + 3, clWhite, "inside the box"},
      {b.Left + 5, b.Top + 9, clBlack, "cross"},
      {a.Left + 2, a.Top + 4, clGray, "active box lowered by LowerActive"},
  });

  // Hot: the pointer over the active tab's button.
  p.control.SetTabHoverColor(RGB(255, 0, 255));
  p.control.SetTabHoverBorder(clRed);
  const QPointF over(a.Left + 5, a.Top + 5);
  QMouseEvent move(QEvent::MouseMove, over, p.control.mapToGlobal(over), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&p.control, &move);
  p.check({{a.Left + 2, a.Top + 4, clBlack, "hot box"}, {a.Left + 7, a.Top + 9, clGray, "hot cross"}});

  // The pointer on the other tab: hover colour and outline.
  const QPointF other(b.Right - 3, b.Bottom - 3);
  QMouseEvent move2(QEvent::MouseMove, other, p.control.mapToGlobal(other), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&p.control, &move2);
  p.check({{b.Left + 1, b.Bottom - 3, RGB(255, 0, 255), "hover fill"},
           {b.Left, b.Top + 3, clRed, "hover outline"},
           {a.Left + 2, a.Top + 4, clGray, "active box back to normal"}});

  // A gradient in the active colour, and a page of its own colour framed in it.
  p.control.SetActiveColor(RGB(0, 40, 0));
  p.control.SetActiveColorTo(RGB(0, 200, 0));
  first->SetColor(RGB(255, 255, 255));
  p.render();
  const TColor top = p.at(a.Right - 3, a.Top), bottom = p.at(a.Right - 3, a.Bottom - 2);
  EXPECT_EQ(GetRValue(top) + GetBValue(top) + GetRValue(bottom) + GetBValue(bottom), 0);
  EXPECT_LT(GetGValue(top), GetGValue(bottom));
  EXPECT_EQ(p.at(2, mb + 2), RGB(255, 255, 255));
  EXPECT_EQ(p.at(150, 197), RGB(255, 255, 255));
  EXPECT_EQ(p.at(0, mb + 10), Frame);
}

TEST(PageControlPaint, TabPicturesReplaceFillAndOutline) {
  PaintedControl p(tpTop, ExPageControl::tsClassic);
  TBitmap normal(6, 20), active(6, 20);
  normal.Canvas()->Brush()->SetColor(clTeal);
  normal.Canvas()->FillRect(Rect(0, 0, 6, 20));
  active.Canvas()->Brush()->SetColor(clOlive);
  active.Canvas()->FillRect(Rect(0, 0, 6, 20));
  // The bottom-left pixel names the transparent colour.
  normal.Canvas()->SetPixels(0, 19, clFuchsia);
  active.Canvas()->SetPixels(0, 19, clFuchsia);
  p.control.SetTabBackGround(&normal);
  const TRect a = p.tab(0), b = p.tab(1);
  p.check({
      {a.Right - 2, a.Top, clTeal, "active tab without its own picture"},
      {b.Right - 2, b.Top, clTeal, "other tab"},
      {b.Left + 2, b.Bottom, Face, "no outline on the page line"},
  });
  p.control.SetTabBackGroundActive(&active);
  p.check({
      {a.Right - 2, a.Top, clOlive, "active tab's own picture"},
      {b.Right - 2, b.Top, clTeal, "other tab"},
  });
}

TEST(PageControlPaint, CaptionsInTheirColourOrGrayWhenTheTabIsDisabled) {
  PaintedControl p(tpTop, ExPageControl::tsClassic);
  auto* third = new TExTabSheet(&p.control);
  third->SetCaption("Third");
  third->SetTextColor(clRed);
  third->SetExPageControl(&p.control);
  p.control.SetActivePageIndex(1);
  p.control.ActiveFont().SetColor(clBlue);  // the active tab on top is written in the active font
  p.control.GetPage(0)->SetTabEnable(false);
  p.render();
  const auto count = [&](const TRect& r, TColor color) {
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left + 3; x < r.Right - 1; ++x) n += p.at(x, y) == color;
    return n;
  };
  struct Case {
    int page;
    TColor shown, absent;
  };
  for (const Case& c : {Case{0, clGray, clBlack}, Case{1, clBlue, clGray}, Case{2, clRed, clGray}}) {
    EXPECT_GT(count(p.tab(c.page), c.shown), 0) << c.page;
    EXPECT_EQ(count(p.tab(c.page), c.absent), 0) << c.page;
  }
}

TEST(PageControlPaint, GradientBandsRoundAndOverlap) {
  QImage image(170, 20, QImage::Format_RGB32);
  image.fill(Qt::blue);
  TCanvas canvas(&image);
  DrawGradient(&canvas, clBlack, clWhite, 16, ExPageControl::gdHorizontal, Rect(0, 0, 160, 10));
  EXPECT_EQ(canvas.Pixels(85, 5), RGB(128, 128, 128));  // band 8
  EXPECT_EQ(canvas.Pixels(0, 5), clBlack);
  EXPECT_EQ(canvas.Pixels(90, 5), RGB(143, 143, 143));   // band 9 covers band 8's last column
  EXPECT_EQ(canvas.Pixels(160, 5), RGB(239, 239, 239));  // the last band reaches one past the edge
  EXPECT_EQ(canvas.Pixels(161, 5), clBlue);

  DrawGradient(&canvas, clRed, clLime, 0, ExPageControl::gdVertical, Rect(0, 12, 10, 20));
  for (int y = 12; y < 20; ++y) EXPECT_EQ(canvas.Pixels(5, y), clRed) << y;
}

TEST(PageControlPaint, BitmapsStretchByTheirMiddleAndKeepTheTransparentColour) {
  // Columns red, green, blue, yellow; the bottom-left pixel gives the transparent colour.
  TBitmap bitmap(4, 2);
  const TColor columns[] = {clRed, clLime, clBlue, clYellow};
  for (int x = 0; x < 4; ++x)
    bitmap.Canvas()->SetPixels(x, 0, columns[x]), bitmap.Canvas()->SetPixels(x, 1, columns[x]);
  bitmap.Canvas()->SetPixels(0, 1, clFuchsia);
  QImage image(12, 12, QImage::Format_RGB32);
  image.fill(Qt::white);
  TCanvas canvas(&image);
  DrawBitmapStretchedHorizontally(&bitmap, &canvas, 1, 10, 0);
  const TColor expected[] = {clWhite, clRed,  clLime, clLime, clLime,   clLime,
                             clBlue,  clBlue, clBlue, clBlue, clYellow, clWhite};
  for (int x = 0; x < 12; ++x) EXPECT_EQ(canvas.Pixels(x, 0), expected[x]) << x;
  EXPECT_EQ(canvas.Pixels(1, 1), clWhite);  // transparent
  EXPECT_EQ(canvas.Pixels(2, 1), clLime);

  TBitmap column(2, 4);
  for (int y = 0; y < 4; ++y)
    column.Canvas()->SetPixels(0, y, columns[y]), column.Canvas()->SetPixels(1, y, columns[y]);
  column.Canvas()->SetPixels(0, 3, clFuchsia);
  image.fill(Qt::white);
  DrawBitmapStretchedVertically(&column, &canvas, 0, 8, 2);
  const TColor down[] = {clWhite, clWhite, clRed, clLime, clLime, clLime, clBlue, clBlue, clBlue, clYellow, clWhite};
  for (int y = 0; y < 11; ++y) EXPECT_EQ(canvas.Pixels(1, y), down[y]) << y;
  EXPECT_EQ(canvas.Pixels(0, 9), clWhite);  // transparent
}

// The editor's look: tabs on the left, dotNET style, sky blue active tab; a
// second control on top with close buttons. Saved as PNG when SCREENSHOT_DIR is set.
TEST(PageControlPaint, Screenshot) {
  QWidget window;
  window.resize(930, 260);
  TExPageControl left(&window);
  left.setGeometry(10, 10, 290, 240);
  left.SetTabPosition(tpLeft);
  left.SetTabStyle(ExPageControl::tsDotNet);
  left.SetMultiLine(true);
  left.SetActiveColor(clSkyBlue);
  left.SetDefaultTabColor(RGB(248, 247, 237));
  left.SetTabBackGroundColor(RGB(248, 247, 237));
  left.TabMargin().SetTopMargin(10);
  left.TabMargin().SetRightMargin(20);
  left.SetLowerActive(0);
  left.Font().SetHeight(-13);
  left.ActiveFont().SetHeight(-13);
  for (const char* caption : {"Nodes", "Variables"}) {
    auto* page = new TExTabSheet(&left);
    page->SetCaption(QString::fromLatin1(caption));
    page->SetExPageControl(&left);
  }
  TExPageControl top(&window);
  top.setGeometry(320, 10, 290, 240);
  top.SetActiveColor(RGB(255, 255, 255));
  top.SetActiveColorTo(RGB(200, 220, 255));
  top.ActiveFont().SetStyle(fsBold);
  for (const char* caption : {"General", "Network", "Disabled"}) {
    auto* page = new TExTabSheet(&top);
    page->SetCaption(QString::fromLatin1(caption));
    page->SetShowClose(true);
    page->SetExPageControl(&top);
  }
  top.GetPage(2)->SetTabEnable(false);
  top.GetPage(0)->SetColor(clWhite);
  top.GetPage(0)->SetColorTo(RGB(220, 230, 250));
  top.SetRoundEdges(true);
  TExPageControl strip(&window);  // the strip's own classic look, tabs at the bottom
  strip.setGeometry(630, 10, 290, 240);
  strip.SetTabBorder3D(true);
  strip.SetTabPosition(tpBottom);
  for (const char* caption : {"One", "Two", "Three"}) {
    auto* page = new TExTabSheet(&strip);
    page->SetCaption(QString::fromLatin1(caption));
    page->SetExPageControl(&strip);
  }
  strip.SetActivePageIndex(1);
  const QString path = platform::SaveScreenshot(window, QStringLiteral("ExPageControl"));
  EXPECT_EQ(path.isEmpty(), qEnvironmentVariableIsEmpty("SCREENSHOT_DIR"));
  EXPECT_EQ(left.ActivePage()->Caption(), "Nodes");
}

}  // namespace
