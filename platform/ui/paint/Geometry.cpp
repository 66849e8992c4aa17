#include "platform/ui/paint/Geometry.h"

#include <algorithm>

TPoint Point(int x, int y) { return {x, y}; }

TRect Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }

TRect Bounds(int left, int top, int width, int height) {
  return {left, top, left + width, top + height};
}

bool PtInRect(const TRect& r, const TPoint& p) {
  return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom;
}

bool IsRectEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }

bool EqualRect(const TRect& a, const TRect& b) { return a == b; }

bool InflateRect(TRect& r, int dx, int dy) {
  r.Left -= dx;
  r.Right += dx;
  r.Top -= dy;
  r.Bottom += dy;
  return true;
}

bool OffsetRect(TRect& r, int dx, int dy) {
  r.Left += dx;
  r.Right += dx;
  r.Top += dy;
  r.Bottom += dy;
  return true;
}

bool IntersectRect(TRect& dst, const TRect& a, const TRect& b) {
  const TRect common{std::max(a.Left, b.Left), std::max(a.Top, b.Top),
                     std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
  if (IsRectEmpty(common)) {
    dst = TRect{};
    return false;
  }
  dst = common;
  return true;
}

bool UnionRect(TRect& dst, const TRect& a, const TRect& b) {
  if (IsRectEmpty(a) && IsRectEmpty(b)) {
    dst = TRect{};
    return false;
  }
  if (IsRectEmpty(a)) {
    dst = b;
  } else if (IsRectEmpty(b)) {
    dst = a;
  } else {
    dst = TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                std::max(a.Bottom, b.Bottom)};
  }
  return true;
}

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

TRect FromQRect(const QRect& r) {
  return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
}

QPoint ToQPoint(const TPoint& p) { return QPoint(p.X, p.Y); }

TPoint FromQPoint(const QPoint& p) { return {p.x(), p.y()}; }
