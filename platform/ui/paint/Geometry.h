#pragma once

#include <QtCore/QPoint>
#include <QtCore/QRect>
#include <QtCore/QSize>

// Points, sizes and rectangles in pixels. A rectangle's Right and Bottom lie just
// outside it, so Width() is Right - Left and an empty rectangle has Right <= Left.

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  TPoint TopLeft() const { return {Left, Top}; }
  TPoint BottomRight() const { return {Right, Bottom}; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

TPoint Point(int x, int y);
TRect Rect(int left, int top, int right, int bottom);
TRect Bounds(int left, int top, int width, int height);

// True when p lies inside r (Right and Bottom excluded).
bool PtInRect(const TRect& r, const TPoint& p);
bool IsRectEmpty(const TRect& r);
bool EqualRect(const TRect& a, const TRect& b);
// Grows r by dx on the left and right and dy on the top and bottom (negative shrinks).
bool InflateRect(TRect& r, int dx, int dy);
bool OffsetRect(TRect& r, int dx, int dy);
// dst becomes the common part of a and b; an empty result is all zero and gives false.
bool IntersectRect(TRect& dst, const TRect& a, const TRect& b);
// dst becomes the smallest rectangle holding a and b; empty inputs are ignored.
bool UnionRect(TRect& dst, const TRect& a, const TRect& b);

QRect ToQRect(const TRect& r);
TRect FromQRect(const QRect& r);
QPoint ToQPoint(const TPoint& p);
TPoint FromQPoint(const QPoint& p);
