#include "grid/foundation/styles/ExUtilPaint.h"

#include "platform/ui/paint/Canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Nearest whole number, halves to the even neighbour.
int nearest(double x) { return int(std::nearbyint(x)); }

void penAndBrush(TCanvas* canvas, TColor color) {
  canvas->Pen()->SetColor(color);
  canvas->Brush()->SetColor(color);
}

void line(TCanvas* canvas, int x1, int y1, int x2, int y2) {
  canvas->MoveTo(x1, y1);
  canvas->LineTo(x2, y2);
}

}  // namespace

void FillGradient(TCanvas* canvas, TColor fromColor, TColor toColor, int steps, TRect r, bool horizontal) {
  if (r.Top == r.Bottom) return;
  if (r.Bottom < r.Top) std::swap(r.Top, r.Bottom);
  if (fromColor == clNone || toColor == clNone) {
    const TColor other = fromColor == clNone ? toColor : fromColor;
    penAndBrush(canvas, other);
    if (other == clNone) canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(r);
    return;
  }
  const TColor from = ColorToRGB(fromColor), to = ColorToRGB(toColor);
  const int extent = horizontal ? r.Right - r.Left - 1 : r.Bottom - r.Top - 1;
  const int s = std::max(1, std::min(steps, extent));
  const double band = double(std::max(extent, 0)) / s;
  for (int i = 0; i <= s; ++i) {
    const auto channel = [&](int a, int b) { return a + nearest(double(i) * (b - a) / s); };
    penAndBrush(canvas, RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
                            channel(GetBValue(from), GetBValue(to))));
    const int o = int(i * band);
    const int len = int(band + 1);
    if (horizontal)
      canvas->Rectangle(r.Left + o, r.Top, std::min(r.Right, r.Left + o + len), r.Bottom);
    else
      canvas->Rectangle(r.Left, r.Top + o, r.Right, std::min(r.Bottom, r.Top + o + len));
  }
}

void FillRectColor(TCanvas* canvas, const TRect& r, TColor color) {
  canvas->Brush()->SetColor(color);
  canvas->FillRect(r);
}

TColor InterpolateColor(TColor fromColor, TColor toColor, int rangeStart, int rangeEnd, int position) {
  if (toColor == clNone || rangeEnd == rangeStart) return fromColor;
  const TColor from = ColorToRGB(fromColor), to = ColorToRGB(toColor);
  const double span = rangeEnd - rangeStart;
  const auto channel = [&](int a, int b) { return std::clamp(a + nearest((b - a) / span * position), 0, 255); };
  return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
             channel(GetBValue(from), GetBValue(to)));
}

TColor HalveColor(TColor color) {
  const TColor c = ColorToRGB(color);
  return RGB(GetRValue(c) / 2, GetGValue(c) / 2, GetBValue(c) / 2);
}

TColor ScaleColorPercent(TColor color, int percentage) {
  const TColor c = ColorToRGB(color);
  const auto channel = [&](int v) { return std::clamp(nearest(v + v * percentage / 100.0), 0, 255); };
  return RGB(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c)));
}

void PaintCellBackground(TCanvas* canvas, const TRect& r, TColor color, TColor colorTo, TColor mirrorColor,
                         TColor mirrorColorTo, bool vertical, TColor borderColor, bool sideBordersOnly, bool fill) {
  if (fill && color != clNone) {
    if (mirrorColor == clNone && colorTo == clNone) {
      penAndBrush(canvas, color);
      canvas->Brush()->SetStyle(bsSolid);
      canvas->Pen()->SetStyle(psSolid);
      canvas->Pen()->SetWidth(1);
      canvas->Rectangle(r.Left, r.Top, r.Right, r.Bottom + 1);
    } else if (mirrorColor == clNone) {
      FillGradient(canvas, color, colorTo, 128, r, !vertical);
    } else {
      TRect first = r, second = r;
      if (vertical) {
        first.Bottom = second.Top = r.Top + (r.Bottom - r.Top) / 2;
      } else {
        first.Right = second.Left = r.Left + (r.Right - r.Left) / 2;
      }
      FillGradient(canvas, color, colorTo, 128, first, !vertical);
      FillGradient(canvas, mirrorColor, mirrorColorTo, 128, second, !vertical);
    }
  }
  if (borderColor == clNone) return;
  canvas->Pen()->SetColor(borderColor);
  if (sideBordersOnly) {
    line(canvas, r.Left, r.Top, r.Left, r.Bottom);
    line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
  } else {
    canvas->Brush()->SetColor(borderColor);
    canvas->FrameRect(r);
  }
}

void DrawSelectionBox(TCanvas* canvas, TColor color, TColor colorTo, TColor mirrorColor, TColor mirrorColorTo,
                      TColor innerTopColor, TColor innerBottomColor, TColor borderColor, TColor cornerColor,
                      TColor backgroundColor, const TRect& r, int part) {
  const bool leftClosed = part == sbpSingle || part == sbpLeftEnd;
  const bool rightClosed = part == sbpSingle || part == sbpRightEnd;
  const int L = r.Left, T = r.Top, R = r.Right - 1, Bm = r.Bottom - 2;
  const int M = T + (Bm - T) / 2;

  canvas->Pen()->SetColor(innerTopColor);
  line(canvas, L, T + 1, R, T + 1);
  if (leftClosed) line(canvas, L + 1, T + 1, L + 1, M);
  if (rightClosed) line(canvas, R - 2, T + 1, R - 2, M);

  canvas->Pen()->SetColor(innerBottomColor);
  line(canvas, L, Bm - 1, R, Bm - 1);
  if (leftClosed) line(canvas, L + 1, M, L + 1, Bm - 1);
  if (rightClosed) line(canvas, R - 2, M, R - 2, Bm - 1);

  const int li = leftClosed ? 2 : 0, ri = rightClosed ? 2 : 0;
  canvas->Pen()->SetColor(borderColor);
  line(canvas, L + li, T, R - ri, T);
  line(canvas, L + li, Bm, R - ri, Bm);
  if (rightClosed) line(canvas, R - 1, T + 2, R - 1, Bm - 1);
  if (leftClosed) line(canvas, L, T + 2, L, Bm - 1);

  const auto corners = [&](int inner, int outer) {
    for (const auto& [x, y] : {std::pair{inner, T}, {inner, T + 1}, {outer, T + 1}, {inner, Bm}, {inner, Bm - 1},
                               {outer, Bm - 1}})
      canvas->SetPixels(x, y, cornerColor);
    canvas->SetPixels(outer, T, backgroundColor);
    canvas->SetPixels(outer, Bm, backgroundColor);
  };
  if (leftClosed) corners(L + 1, L);
  if (rightClosed) corners(R - 2, R - 1);

  const TRect inside = Rect(L + li, T + 2, R - ri, Bm - 1);
  if (colorTo == clNone) {
    FillRectColor(canvas, inside, color);
  } else if (mirrorColor == clNone) {
    FillGradient(canvas, color, colorTo, 16, inside, false);
  } else {
    const int middle = inside.Top + (inside.Bottom - inside.Top) / 2;
    FillGradient(canvas, color, colorTo, 16, Rect(inside.Left, inside.Top, inside.Right, middle), false);
    FillGradient(canvas, mirrorColor, mirrorColorTo, 16, Rect(inside.Left, middle, inside.Right, inside.Bottom),
                 false);
  }
}

void PaintStepGradient(TCanvas* canvas, TColor fromColor, TColor toColor, int steps, const TRect& r,
                       bool horizontal) {
  if (steps <= 0) steps = 1;
  TRect w = r;
  if (horizontal)
    w.Right -= 1;
  else
    w.Bottom -= 1;
  const TColor from = ColorToRGB(fromColor), to = ColorToRGB(toColor);
  const double dr = double(GetRValue(to) - GetRValue(from)) / steps;
  const double dg = double(GetGValue(to) - GetGValue(from)) / steps;
  const double db = double(GetBValue(to) - GetBValue(from)) / steps;
  const double s = double(horizontal ? w.Right - w.Left : w.Bottom - w.Top) / steps;
  for (int i = 0; i < steps; ++i) {
    penAndBrush(canvas, RGB(GetRValue(from) + nearest(i * dr), GetGValue(from) + nearest(i * dg),
                            GetBValue(from) + nearest(i * db)));
    const int o = nearest(i * s);
    if (horizontal)
      canvas->Rectangle(w.Left + o, w.Top, w.Left + o + nearest(s) + 1, w.Bottom);
    else
      canvas->Rectangle(w.Left, w.Top + o, w.Right, w.Top + o + nearest(s) + 1);
  }
}
