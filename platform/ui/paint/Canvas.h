#pragma once

#include "platform/ui/paint/Colors.h"
#include "platform/ui/paint/Font.h"
#include "platform/ui/paint/Geometry.h"

#include <QtCore/QString>

#include <functional>
#include <memory>
#include <vector>

class QFont;
class QFontMetrics;
class QImage;
class QPaintDevice;
class QPainter;
class TGraphic;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// How the pen (and the brush of a filled shape) combines with what is already there.
enum TPenMode {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor,
};

enum TBrushStyle {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross,
};

// Background mode of text, dotted lines and hatched brushes.
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

class TPen {
 public:
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  int Width() const { return width_; }
  void SetWidth(int width);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle style);
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode mode);
  void Assign(const TPen& source);

  std::function<void(TPen* sender)> OnChange;

 private:
  void changed();
  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};

class TBrush {
 public:
  TColor Color() const { return color_; }
  // Setting a colour makes a clear brush solid again.
  void SetColor(TColor color);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle style);
  void Assign(const TBrush& source);

  std::function<void(TBrush* sender)> OnChange;

 private:
  void changed();
  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

// Drawing surface with pen, brush and font, following the raster rules of the
// classic Windows graphics: a line covers its start point but not its end point;
// a rectangle (L, T, R, B) covers columns L to R - 1 and rows T to B - 1 with its
// outline drawn by the pen and its inside filled by the brush; drawn with a clear
// pen a shape covers one pixel less to the right and bottom. Antialiasing is off.
//
// The canvas paints on a device (a widget inside its paint event, or a QImage) or
// through a painter it is given. A device is opened for painting on the first
// drawing call and closed by Release() or the destructor. Without a surface the
// drawing calls do nothing; measuring works always.
class TCanvas {
 public:
  TCanvas();
  explicit TCanvas(QPaintDevice* device);
  explicit TCanvas(QPainter* painter);
  virtual ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // Targets: a device the canvas opens itself, or a painter owned by the caller.
  void SetDevice(QPaintDevice* device);
  void SetPainter(QPainter* painter);
  // Ends painting on an own device (the device may then be resized or read).
  void Release();
  bool HandleAllocated() const;

  TPen* Pen() const;
  TBrush* Brush() const;
  TFont* Font() const;
  void SetFont(const TFont& font) { Font()->Assign(font); }

  TPoint PenPos() const;
  void SetPenPos(const TPoint& pos);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polyline(const std::vector<TPoint>& points);
  void Polygon(const std::vector<TPoint>& points);

  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight);
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  // Pie inside the box (x1, y1, x2, y2) from the radial through (x3, y3)
  // counter-clockwise to the radial through (x4, y4).
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  // Fills with the brush, whatever the pen.
  void FillRect(const TRect& r);
  // A one pixel frame in the brush colour.
  void FrameRect(const TRect& r);
  // Inverts every second pixel of the rectangle's outline; a second call undoes it.
  void DrawFocusRect(const TRect& r);

  // Colour of one pixel; clNone outside the surface or when it cannot be read.
  TColor Pixels(int x, int y) const;
  void SetPixels(int x, int y, TColor color);

  // Text with its top-left corner at (x, y); the pen position moves to its end.
  void TextOut(int x, int y, const QString& text);
  // Text at (x, y) clipped to r; r is filled with the brush first unless it is clear.
  void TextRect(const TRect& r, int x, int y, const QString& text);
  TSize TextExtent(const QString& text) const;
  int TextWidth(const QString& text) const;
  int TextHeight(const QString& text) const;
  // TRANSPARENT or OPAQUE; a change of the brush sets it from the brush again.
  int BkMode() const;
  void SetBkMode(int mode);

  // Bounding box of the area drawing reaches.
  TRect ClipRect() const;
  void SetClipRect(const TRect& r);
  void IntersectClipRect(const TRect& r);
  void ResetClipRect();

  void Draw(int x, int y, const TGraphic* graphic);
  void StretchDraw(const TRect& r, const TGraphic* graphic);
  // Copies the area src of a canvas that paints on an image.
  void CopyRect(const TRect& dest, const TCanvas& source, const TRect& src);

  // For the toolkit glue: the active painter (opened on demand; nullptr without a
  // surface), the image painted on (nullptr for other devices), the font as the
  // toolkit knows it.
  QPainter* painter();
  const QImage* image() const;
  QFont qtFont() const;
  // The metrics of qtFont(), kept while the font stays the same.
  const QFontMetrics& fontMetrics() const;

 private:
  struct Data;
  std::unique_ptr<Data> d;
};
