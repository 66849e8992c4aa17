#include "grid/foundation/styles/ExUtilProgressLevel.h"

#include "grid/foundation/styles/ExUtilPaint.h"
#include "platform/ui/paint/Canvas.h"

#include <algorithm>
#include <cmath>

namespace {

int nearest(double x) { return int(std::nearbyint(x)); }

struct ColorPair {
  TColor color, colorTo;
};

ColorPair levelPair(const TLevelProgressLook& look, int level) {
  switch (level) {
    case 0:
      return {look.Level0Color, look.Level0ColorTo};
    case 1:
      return {look.Level1Color, look.Level1ColorTo};
    case 2:
      return {look.Level2Color, look.Level2ColorTo};
    default:
      return {look.Level3Color, look.Level3ColorTo};
  }
}

// Places pieces of the bar: "along" runs from the start edge (left, or bottom of a
// vertical bar), "across" is the bar's thickness.
class BarGeometry {
 public:
  BarGeometry(const TRect& r, bool vertical) : r_(r), vertical_(vertical) {}

  // The piece from offset along the start edge, length pixels long, inset pixels
  // inside the bar's sides.
  TRect piece(int offset, int length, int inset) const {
    if (vertical_) return Rect(r_.Left + inset, r_.Bottom - offset - length, r_.Right - inset, r_.Bottom - offset);
    return Rect(r_.Left + offset, r_.Top + inset, r_.Left + offset + length, r_.Bottom - inset);
  }

 private:
  TRect r_;
  bool vertical_;
};

// Flat, or two gradients across the bar that meet in Color along its middle line.
void fillPiece(TCanvas* canvas, const TRect& p, ColorPair pair, const TLevelProgressLook& look) {
  if (IsRectEmpty(p)) return;
  if (!look.ShowGradient) {
    FillRectColor(canvas, p, pair.color);
    return;
  }
  if (look.Vertical) {
    const int middle = p.Left + (p.Right - p.Left) / 2;
    FillGradient(canvas, pair.colorTo, pair.color, look.Steps, Rect(p.Left, p.Top, middle, p.Bottom), true);
    FillGradient(canvas, pair.color, pair.colorTo, look.Steps, Rect(middle, p.Top, p.Right, p.Bottom), true);
  } else {
    const int middle = p.Top + (p.Bottom - p.Top) / 2;
    FillGradient(canvas, pair.colorTo, pair.color, look.Steps, Rect(p.Left, p.Top, p.Right, middle), false);
    FillGradient(canvas, pair.color, pair.colorTo, look.Steps, Rect(p.Left, middle, p.Right, p.Bottom), false);
  }
}

void drawStacked(TCanvas* canvas, const BarGeometry& bar, int p, int length, const TLevelProgressLook& look) {
  const int len1 = nearest(std::min(p, look.Level1Perc) / 100.0 * length);
  fillPiece(canvas, bar.piece(1, len1, 1), levelPair(look, 0), look);
  if (p < look.Level1Perc) return;
  const int len2 = nearest(length * (std::min(p, look.Level2Perc) - look.Level1Perc) / 100.0);
  fillPiece(canvas, bar.piece(1 + len1, len2, 1), levelPair(look, 1), look);
  if (p < look.Level2Perc) return;
  const int len3 = p == 100 ? length - len1 - len2 : nearest(length * (p - look.Level2Perc) / 100.0);
  // A vertical bar leaves one pixel between the second and the third segment.
  const int gap = look.Vertical ? 1 : 0;
  fillPiece(canvas, bar.piece(1 + len1 + len2 + gap, len3, 1), levelPair(look, 3), look);
}

void drawBlocks(TCanvas* canvas, const BarGeometry& bar, int t, ColorPair pair, const TLevelProgressLook& look) {
  if (t < 2) return;
  if (t <= 9) {
    fillPiece(canvas, bar.piece(2, t - 1, 2), pair, look);
    return;
  }
  const int whole = t / 9, rest = t % 9;
  for (int k = 0; k < whole; ++k) fillPiece(canvas, bar.piece(2 + 9 * k, 7, 2), pair, look);
  if (rest > 2) fillPiece(canvas, bar.piece(2 + 9 * whole, rest - 1, 2), pair, look);
}

void drawSingleLevel(TCanvas* canvas, const BarGeometry& bar, int p, int length, const TLevelProgressLook& look) {
  const int level = p < look.Level1Perc ? 0 : p < look.Level2Perc ? 1 : p > 99 ? 3 : 2;
  const ColorPair pair = levelPair(look, level);
  if (look.CompletionSmooth)
    fillPiece(canvas, bar.piece(1, nearest(p / 100.0 * length), 1), pair, look);
  else
    drawBlocks(canvas, bar, nearest(p * length / 100.0), pair, look);
}

void drawPercentage(TCanvas* canvas, const TRect& r, int p, const TLevelProgressLook& look) {
  TFont* font = canvas->Font();
  if (look.Font) {
    font->SetName(look.Font->Name());
    font->SetSize(look.Font->Size());
    font->SetStyle(look.Font->Style());
  }
  font->SetColor(look.CompleteFontColor);
  font->SetOrientation(0);
  canvas->Brush()->SetStyle(bsClear);
  const QString text = QString::number(p) + u'%';
  const TSize extent = canvas->TextExtent(text);
  const int w = r.Right - r.Left, h = r.Bottom - r.Top;
  if (look.Vertical) {
    font->SetOrientation(900);
    canvas->TextOut(r.Left + w / 2 - extent.cy / 2, r.Top + h / 2 + extent.cx / 2, text);
  } else {
    canvas->TextOut(r.Left + w / 2 - extent.cx / 2, r.Top + h / 2 - extent.cy / 2, text);
  }
}

}  // namespace

void DrawCellLevelProgress(TCanvas* canvas, const TRect& r, int percentage, const TLevelProgressLook& look) {
  // Beyond 0..100 the segments would leave the bar.
  percentage = std::clamp(percentage, 0, 100);
  const TColor framePen = look.ShowBorder ? look.BorderColor : look.BackgroundColor;
  canvas->Brush()->SetColor(look.BackgroundColor);
  canvas->Pen()->SetColor(framePen);
  canvas->Rectangle(r);
  const int length = (look.Vertical ? r.Height() : r.Width()) - 2;
  const BarGeometry bar(r, look.Vertical);
  if (percentage > 0) {
    if (look.Stacked)
      drawStacked(canvas, bar, percentage, length, look);
    else
      drawSingleLevel(canvas, bar, percentage, length, look);
  }
  if (look.ShowPercentage) drawPercentage(canvas, r, percentage, look);
  canvas->Pen()->SetColor(framePen);
  canvas->Brush()->SetStyle(bsClear);
  canvas->Rectangle(r);
}
