#include "grid/foundation/styles/ExUtilProgress.h"

#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/ui/paint/Canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

int nearest(double x) { return int(std::nearbyint(x)); }

void penAndBrush(TCanvas* canvas, TColor color) {
  canvas->Pen()->SetColor(color);
  canvas->Brush()->SetColor(color);
}

QString progressText(const QString& format, double position, int percentage) {
  try {
    if (IsIntegerFormat(format))
      return Format(format, {nearest(position)});
    return Format(format, {position});
  } catch (const EConvertError&) {
    // A user's format that does not fit must not break painting.
    return QString::number(percentage) + u'%';
  }
}

void frame(TCanvas* canvas, const TRect& r, TColor color) {
  canvas->Brush()->SetColor(color);
  canvas->FrameRect(r);
}

}  // namespace

TCellProgressText CellProgressText(const QString& format, double position, int minimum, int maximum) {
  TCellProgressText result;
  if (format.isEmpty()) {
    result.Percentage = nearest(position);
    result.Text = QString::number(result.Percentage) + u'%';
  } else {
    if (maximum > minimum) result.Percentage = nearest((position - minimum) * 100.0 / (maximum - minimum));
    result.Percentage = std::clamp(result.Percentage, 0, 100);
    result.Text = progressText(format, position, result.Percentage);
  }
  result.Percentage = std::clamp(result.Percentage, 0, 100);
  return result;
}

void DrawCellProgressBar(TCanvas* canvas, TRect r, TColor fillColor, TColor fillTextColor, TColor restColor,
                         TColor restTextColor, double position, int marginX, int marginY, int minimum, int maximum,
                         const QString& format, TColor borderColor, bool) {
  const TColor remembered = canvas->Brush()->Color();
  const TCellProgressText progress = CellProgressText(format, position, minimum, maximum);
  const QString& text = progress.Text;
  const int percentage = progress.Percentage;

  InflateRect(r, -marginX, -marginY);
  const int fillEnd = r.Left + nearest((r.Right - r.Left) * percentage / 100.0);
  const TSize extent = canvas->TextExtent(text);
  const int x = r.Left + ((r.Right - r.Left) - extent.cx) / 2;
  const int y = r.Top + ((r.Bottom - r.Top) - extent.cy) / 2;

  penAndBrush(canvas, fillColor);
  canvas->Font()->SetColor(fillTextColor);
  if (fillEnd > r.Left) canvas->TextRect(Rect(r.Left, r.Top, fillEnd, r.Bottom), x, y, text);
  penAndBrush(canvas, restColor);
  canvas->Font()->SetColor(restTextColor);
  if (r.Right > fillEnd) canvas->TextRect(Rect(fillEnd, r.Top, r.Right, r.Bottom), x, y, text);

  InflateRect(r, 1, 1);
  if (borderColor != clNone) frame(canvas, r, borderColor);
  InflateRect(r, 1, 1);
  frame(canvas, r, remembered);
}

void DrawProgressPie(TCanvas* canvas, const TRect& r, TColor fillColor, int percentage, bool) {
  const int w = r.Right - r.Left, h = r.Bottom - r.Top;
  const int cx = r.Left + w / 2, cy = r.Top + h / 2;
  const double angle = std::clamp(percentage, 0, 100) / 100.0 * 2 * std::numbers::pi;
  const TPoint end{cx + nearest((w + 1) * 0.5 * std::sin(angle)), cy - nearest((h + 1) * 0.5 * std::cos(angle))};
  const TColor grey = RGB(128, 128, 128);
  canvas->Pen()->SetColor(grey);
  canvas->Pen()->SetWidth(1);
  canvas->Ellipse(r);
  if (percentage > 0) {
    // The sector as a polygon along the circle, one corner per degree or so.
    std::vector<TPoint> sector{{cx, cy}};
    const double rx = (w - 1) / 2.0, ry = (h - 1) / 2.0;
    const double ex = r.Left + rx, ey = r.Top + ry;
    const int corners = std::max(2, nearest(angle * 180 / std::numbers::pi));
    for (int i = 0; i <= corners; ++i) {
      const double a = angle * i / corners;
      sector.push_back({nearest(ex + rx * std::sin(a)), nearest(ey - ry * std::cos(a))});
    }
    penAndBrush(canvas, fillColor);
    canvas->Polygon(sector);
    canvas->Pen()->SetColor(grey);
    canvas->Brush()->SetStyle(bsClear);
    canvas->Ellipse(r);
  }
  canvas->Pen()->SetColor(grey);
  canvas->MoveTo(cx, r.Top);
  canvas->LineTo(cx, cy);
  canvas->LineTo(end.X, end.Y);
  canvas->Brush()->SetColor(fillColor);
}

void DrawRangeIndicator(TCanvas* canvas, TRect r, int value, int range, bool showValue, TColor negativeColor,
                        TColor positiveColor) {
  InflateRect(r, -2, -2);
  const int half = (r.Right - r.Left) / 2;
  const int middle = r.Left + half;
  if (range > 0) {
    value = std::clamp(value, -range, range);
    const int offset = nearest(double(half) * value / range);
    penAndBrush(canvas, value < 0 ? negativeColor : positiveColor);
    if (offset < 0)
      canvas->Rectangle(middle + offset, r.Top, middle, r.Bottom);
    else if (offset > 0)
      canvas->Rectangle(middle, r.Top, middle + offset, r.Bottom);
  }
  if (showValue) {
    canvas->SetBkMode(TRANSPARENT);
    const QString text = QString::number(value);
    const TSize extent = canvas->TextExtent(text);
    canvas->TextOut(r.Left + (r.Right - r.Left - extent.cx) / 2, r.Top + (r.Bottom - r.Top - extent.cy) / 2, text);
  }
}
