#include "platform/ui/paint/Canvas.h"

#include "platform/picture/Graphic.h"

#include <QtCore/QLineF>
#include <QtGui/QFontMetrics>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

#include <algorithm>
#include <cmath>
#include <optional>

// ---------------------------------------------------------------------------
// Pen and brush

void TPen::changed() {
  if (OnChange) {
    OnChange(this);
  }
}

void TPen::SetColor(TColor color) {
  if (color != color_) {
    color_ = color;
    changed();
  }
}

void TPen::SetWidth(int width) {
  width = std::max(width, 0);
  if (width != width_) {
    width_ = width;
    changed();
  }
}

void TPen::SetStyle(TPenStyle style) {
  if (style != style_) {
    style_ = style;
    changed();
  }
}

void TPen::SetMode(TPenMode mode) {
  if (mode != mode_) {
    mode_ = mode;
    changed();
  }
}

void TPen::Assign(const TPen& source) {
  color_ = source.color_;
  width_ = source.width_;
  style_ = source.style_;
  mode_ = source.mode_;
  changed();
}

void TBrush::changed() {
  if (OnChange) {
    OnChange(this);
  }
}

void TBrush::SetColor(TColor color) {
  if (color == color_ && style_ != bsClear) {
    return;
  }
  color_ = color;
  if (style_ == bsClear) {
    style_ = bsSolid;
  }
  changed();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style != style_) {
    style_ = style;
    changed();
  }
}

void TBrush::Assign(const TBrush& source) {
  color_ = source.color_;
  style_ = source.style_;
  changed();
}

// ---------------------------------------------------------------------------
// Raster helpers

namespace {

// How a pen mode draws: the colour it lays down and how that combines with the
// pixels already there; skip for a mode that leaves everything as it is.
struct RasterMode {
  QPainter::CompositionMode composition = QPainter::CompositionMode_SourceOver;
  std::optional<QColor> fixedColor;
  bool skip = false;
};

RasterMode rasterModeFor(TPenMode mode) {
  RasterMode r;
  switch (mode) {
    case pmBlack: r.fixedColor = QColor(0, 0, 0); break;
    case pmWhite: r.fixedColor = QColor(255, 255, 255); break;
    case pmNop: r.skip = true; break;
    case pmNot: r.composition = QPainter::RasterOp_NotDestination; break;
    case pmCopy: break;
    case pmNotCopy: r.composition = QPainter::RasterOp_NotSource; break;
    case pmMergePenNot: r.composition = QPainter::RasterOp_SourceOrNotDestination; break;
    case pmMaskPenNot: r.composition = QPainter::RasterOp_SourceAndNotDestination; break;
    case pmMergeNotPen: r.composition = QPainter::RasterOp_NotSourceOrDestination; break;
    case pmMaskNotPen: r.composition = QPainter::RasterOp_NotSourceAndDestination; break;
    case pmMerge: r.composition = QPainter::RasterOp_SourceOrDestination; break;
    case pmNotMerge: r.composition = QPainter::RasterOp_NotSourceAndNotDestination; break;
    case pmMask: r.composition = QPainter::RasterOp_SourceAndDestination; break;
    case pmNotMask: r.composition = QPainter::RasterOp_NotSourceOrNotDestination; break;
    case pmXor: r.composition = QPainter::RasterOp_SourceXorDestination; break;
    case pmNotXor: r.composition = QPainter::RasterOp_NotSourceXorDestination; break;
  }
  return r;
}

// On/off run lengths of the styled one-pixel pens; empty for a solid pen.
std::vector<int> dashPattern(TPenStyle style) {
  switch (style) {
    case psDash: return {18, 6};
    case psDot: return {3, 3};
    case psDashDot: return {9, 6, 3, 6};
    case psDashDotDot: return {9, 3, 3, 3, 3, 3};
    default: return {};
  }
}

// The pixels of a line from a to b, a included, b excluded.
void appendLinePixels(const QPoint& a, const QPoint& b, std::vector<QPoint>& out) {
  const int dx = std::abs(b.x() - a.x());
  const int dy = std::abs(b.y() - a.y());
  const int sx = a.x() < b.x() ? 1 : -1;
  const int sy = a.y() < b.y() ? 1 : -1;
  int x = a.x();
  int y = a.y();
  int err = dx - dy;
  const int steps = std::max(dx, dy);
  for (int i = 0; i < steps; ++i) {
    out.emplace_back(x, y);
    const int e2 = 2 * err;
    if (e2 > -dy) {
      err -= dy;
      x += sx;
    }
    if (e2 < dx) {
      err += dx;
      y += sy;
    }
  }
}

QBrush qtBrush(const TBrush& brush, const std::optional<QColor>& fixedColor) {
  const QColor color = fixedColor.value_or(ToQColor(brush.Color()));
  switch (brush.Style()) {
    case bsSolid: return QBrush(color);
    case bsClear: return QBrush(Qt::NoBrush);
    case bsHorizontal: return QBrush(color, Qt::HorPattern);
    case bsVertical: return QBrush(color, Qt::VerPattern);
    case bsFDiagonal: return QBrush(color, Qt::BDiagPattern);
    case bsBDiagonal: return QBrush(color, Qt::FDiagPattern);
    case bsCross: return QBrush(color, Qt::CrossPattern);
    case bsDiagCross: return QBrush(color, Qt::DiagCrossPattern);
  }
  return QBrush(color);
}

// Angle of a point on the ellipse inscribed in box, as the toolkit's arcs count it.
double arcAngle(const QRectF& box, int x, int y) {
  const QPointF c = box.center();
  const double rx = std::max(box.width() / 2.0, 0.5);
  const double ry = std::max(box.height() / 2.0, 0.5);
  const double angle = std::atan2(-(y - c.y()) / ry, (x - c.x()) / rx);
  return angle * 180.0 / M_PI;
}

TRect normalized(int x1, int y1, int x2, int y2) {
  return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

// Corner points of the outline of r, closed, for drawing with end points left out:
// it covers columns Left to Right - 1 and rows Top to Bottom - 1.
std::vector<QPoint> frameOutline(const TRect& r) {
  const int right = r.Right - 1;
  const int bottom = r.Bottom - 1;
  if (r.Height() == 1) {
    return {{r.Left, r.Top}, {r.Right, r.Top}};
  }
  if (r.Width() == 1) {
    return {{r.Left, r.Top}, {r.Left, r.Bottom}};
  }
  return {{r.Left, r.Top}, {right, r.Top}, {right, bottom}, {r.Left, bottom}, {r.Left, r.Top}};
}

}  // namespace

// ---------------------------------------------------------------------------
// Canvas

struct TCanvas::Data {
  TPen pen;
  TBrush brush;
  TFont font;
  QPaintDevice* device = nullptr;
  QPainter* external = nullptr;
  std::unique_ptr<QPainter> own;
  TPoint penPos;
  std::optional<QRect> clip;
  // The brush the explicit background mode was chosen under; a different brush
  // brings back the mode that follows the brush.
  std::optional<int> bkMode;
  TColor bkModeBrushColor = 0;
  TBrushStyle bkModeBrushStyle = bsSolid;
  // The toolkit font of the last font seen, with its metrics, known by what
  // the toolkit font is made of: a change of colour alone keeps them.
  mutable QString cachedName;
  mutable int cachedHeight = 0;
  mutable TFontStyles cachedStyle;
  mutable std::optional<QFont> cachedQFont;
  mutable std::optional<QFontMetrics> cachedMetrics;

  const QFontMetrics& metrics() const {
    if (!cachedQFont || cachedHeight != font.Height() || cachedStyle != font.Style() ||
        cachedName != font.Name()) {
      cachedName = font.Name();
      cachedHeight = font.Height();
      cachedStyle = font.Style();
      cachedQFont = font.ToQFont();
      cachedMetrics.emplace(*cachedQFont);
    }
    return *cachedMetrics;
  }

  QPainter* active() {
    if (external) {
      return external;
    }
    if (!own && device) {
      auto p = std::make_unique<QPainter>();
      if (!p->begin(device)) {
        return nullptr;
      }
      p->setRenderHint(QPainter::Antialiasing, false);
      if (clip) {
        p->setClipRect(*clip);
      }
      own = std::move(p);
    }
    return own.get();
  }
  QPainter* current() const { return external ? external : own.get(); }

  QPaintDevice* targetDevice() const {
    if (external) {
      return external->device();
    }
    return device;
  }

  QImage* targetImage() const {
    QPaintDevice* dev = targetDevice();
    return dev && dev->devType() == QInternal::Image ? static_cast<QImage*>(dev) : nullptr;
  }

  int effectiveBkMode() const {
    if (bkMode && bkModeBrushColor == brush.Color() && bkModeBrushStyle == brush.Style()) {
      return *bkMode;
    }
    return brush.Style() == bsClear ? TRANSPARENT : OPAQUE;
  }
};

TCanvas::TCanvas() : d(std::make_unique<Data>()) {}

TCanvas::TCanvas(QPaintDevice* device) : TCanvas() { SetDevice(device); }

TCanvas::TCanvas(QPainter* painter) : TCanvas() { SetPainter(painter); }

TCanvas::~TCanvas() { Release(); }

void TCanvas::SetDevice(QPaintDevice* device) {
  Release();
  d->external = nullptr;
  d->device = device;
}

void TCanvas::SetPainter(QPainter* painter) {
  Release();
  d->device = nullptr;
  d->external = painter;
  if (painter) {
    painter->setRenderHint(QPainter::Antialiasing, false);
    if (d->clip) {
      painter->setClipRect(*d->clip, Qt::IntersectClip);
    }
  }
}

void TCanvas::Release() {
  if (d->own) {
    d->own->end();
    d->own.reset();
  }
}

bool TCanvas::HandleAllocated() const { return d->external || d->device; }

TPen* TCanvas::Pen() const { return &d->pen; }
TBrush* TCanvas::Brush() const { return &d->brush; }
TFont* TCanvas::Font() const { return &d->font; }

QPainter* TCanvas::painter() { return d->active(); }

const QImage* TCanvas::image() const { return d->targetImage(); }

QFont TCanvas::qtFont() const {
  d->metrics();
  return *d->cachedQFont;
}

const QFontMetrics& TCanvas::fontMetrics() const { return d->metrics(); }

TPoint TCanvas::PenPos() const { return d->penPos; }

void TCanvas::SetPenPos(const TPoint& pos) { d->penPos = pos; }

void TCanvas::MoveTo(int x, int y) { d->penPos = {x, y}; }

int TCanvas::BkMode() const { return d->effectiveBkMode(); }

void TCanvas::SetBkMode(int mode) {
  d->bkMode = mode == TRANSPARENT ? TRANSPARENT : OPAQUE;
  d->bkModeBrushColor = d->brush.Color();
  d->bkModeBrushStyle = d->brush.Style();
}

// ---------------------------------------------------------------------------
// Lines

namespace {

// Draws the outline through points with the canvas pen; every segment leaves out
// its end point, so a closed outline covers each corner once.
void strokePixels(QPainter* p, const TPen& pen, QColor bkColor, bool opaque,
                  const std::vector<QPoint>& points) {
  const RasterMode mode = rasterModeFor(pen.Mode());
  if (mode.skip || pen.Style() == psClear || points.size() < 2) {
    return;
  }
  const QColor color = mode.fixedColor.value_or(ToQColor(pen.Color()));
  p->save();
  p->setCompositionMode(mode.composition);
  if (pen.Width() > 1) {
    QPen wide(color, pen.Width(), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p->setPen(wide);
    p->setBrush(Qt::NoBrush);
    QPolygon poly;
    for (const QPoint& pt : points) {
      poly << pt;
    }
    p->drawPolyline(poly);
    p->restore();
    return;
  }
  std::vector<QPoint> pixels;
  for (size_t i = 1; i < points.size(); ++i) {
    appendLinePixels(points[i - 1], points[i], pixels);
  }
  const std::vector<int> pattern = dashPattern(pen.Style());
  QPolygon on;
  QPolygon off;
  size_t segment = 0;
  int left = pattern.empty() ? 0 : pattern[0];
  for (const QPoint& px : pixels) {
    if (pattern.empty() || segment % 2 == 0) {
      on << px;
    } else {
      off << px;
    }
    if (!pattern.empty() && --left == 0) {
      segment = (segment + 1) % pattern.size();
      left = pattern[segment];
    }
  }
  p->setBrush(Qt::NoBrush);
  if (opaque && !off.isEmpty()) {
    p->setPen(QPen(mode.fixedColor.value_or(bkColor), 1));
    p->drawPoints(off);
  }
  p->setPen(QPen(color, 1));
  p->drawPoints(on);
  p->restore();
}

}  // namespace

void TCanvas::LineTo(int x, int y) {
  const TPoint from = d->penPos;
  d->penPos = {x, y};
  if (QPainter* p = painter()) {
    strokePixels(p, d->pen, ToQColor(d->brush.Color()), BkMode() == OPAQUE,
                 {QPoint(from.X, from.Y), QPoint(x, y)});
  }
}

void TCanvas::Polyline(const std::vector<TPoint>& points) {
  QPainter* p = painter();
  if (!p) {
    return;
  }
  std::vector<QPoint> pts;
  for (const TPoint& pt : points) {
    pts.push_back(ToQPoint(pt));
  }
  strokePixels(p, d->pen, ToQColor(d->brush.Color()), BkMode() == OPAQUE, pts);
}

// ---------------------------------------------------------------------------
// Shapes

namespace {

// Fills with the brush under the pen's raster mode, as filled shapes do.
void fillShape(QPainter* p, const TPen& pen, const TBrush& brush,
               const std::function<void(QPainter*)>& shape) {
  const RasterMode mode = rasterModeFor(pen.Mode());
  if (mode.skip || brush.Style() == bsClear) {
    return;
  }
  p->save();
  p->setCompositionMode(mode.composition);
  p->setPen(Qt::NoPen);
  p->setBrush(qtBrush(brush, mode.fixedColor));
  shape(p);
  p->restore();
}

// Outlines a curved shape with the pen; the toolkit draws the curve itself.
// Shapes the toolkit strokes as paths (pies, and any shape with a styled pen)
// land half a pixel further up and left than its own ellipses; the shift puts
// them on the same pixels.
void strokeShape(QPainter* p, const TPen& pen, QColor bkColor, bool opaque, bool drawnAsPath,
                 const std::function<void(QPainter*)>& shape) {
  const RasterMode mode = rasterModeFor(pen.Mode());
  if (mode.skip || pen.Style() == psClear) {
    return;
  }
  p->save();
  p->setCompositionMode(mode.composition);
  QPen qpen(mode.fixedColor.value_or(ToQColor(pen.Color())), pen.Width() > 1 ? pen.Width() : 0);
  const std::vector<int> pattern = dashPattern(pen.Style());
  if (!pattern.empty()) {
    QList<qreal> dashes;
    for (int len : pattern) {
      dashes << len;
    }
    qpen.setDashPattern(dashes);
  }
  p->setPen(qpen);
  p->setBrush(Qt::NoBrush);
  // The opaque background mode sends even solid outlines down another raster
  // path that draws them a pixel smaller; it is only needed for the gaps.
  p->setBackgroundMode(opaque && !pattern.empty() ? Qt::OpaqueMode : Qt::TransparentMode);
  p->setBackground(bkColor);
  if (drawnAsPath || !pattern.empty()) {
    p->translate(0.5, 0.5);
  }
  shape(p);
  p->restore();
}

}  // namespace

namespace {

// A solid rectangle outlined in its own colour covers the pixels of one fill,
// which costs a fraction of its inside and its outline drawn point by point.
// Under a scale or a fractional shift the points land elsewhere than a fill.
bool fillsAsOne(const QPainter& p, const TPen& pen, const TBrush& brush) {
  if (pen.Style() != psSolid || pen.Width() > 1 || pen.Mode() != pmCopy || brush.Style() != bsSolid ||
      pen.Color() != brush.Color()) {
    return false;
  }
  if (p.compositionMode() != QPainter::CompositionMode_SourceOver || p.testRenderHint(QPainter::Antialiasing)) {
    return false;
  }
  const QTransform& t = p.transform();
  return t.type() <= QTransform::TxTranslate && t.dx() == std::floor(t.dx()) && t.dy() == std::floor(t.dy());
}

}  // namespace

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  QPainter* p = painter();
  if (!p) {
    return;
  }
  const TRect r = normalized(x1, y1, x2, y2);
  if (fillsAsOne(*p, d->pen, d->brush)) {
    if (r.Width() > 0 && r.Height() > 0) {
      p->fillRect(ToQRect(r), ToQColor(d->brush.Color()));
    }
    return;
  }
  const bool outlined = d->pen.Style() != psClear;
  // With a visible pen the outline covers the last column and row; without one
  // the inside alone leaves them out.
  const QRect inside = outlined ? QRect(r.Left + 1, r.Top + 1, r.Width() - 2, r.Height() - 2)
                                : QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
  if (inside.width() > 0 && inside.height() > 0) {
    fillShape(p, d->pen, d->brush, [&](QPainter* q) { q->drawRect(inside); });
  }
  if (outlined && r.Width() > 0 && r.Height() > 0) {
    strokePixels(p, d->pen, ToQColor(d->brush.Color()), BkMode() == OPAQUE, frameOutline(r));
  }
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cornerWidth, int cornerHeight) {
  QPainter* p = painter();
  if (!p) {
    return;
  }
  const TRect r = normalized(x1, y1, x2, y2);
  const QRectF box(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
  const qreal rx = std::min<qreal>(cornerWidth / 2.0, box.width() / 2.0);
  const qreal ry = std::min<qreal>(cornerHeight / 2.0, box.height() / 2.0);
  auto shape = [&](QPainter* q) { q->drawRoundedRect(box, rx, ry); };
  fillShape(p, d->pen, d->brush, shape);
  strokeShape(p, d->pen, ToQColor(d->brush.Color()), BkMode() == OPAQUE, false, shape);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  QPainter* p = painter();
  if (!p) {
    return;
  }
  const TRect r = normalized(x1, y1, x2, y2);
  const QRectF box(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
  auto shape = [&](QPainter* q) { q->drawEllipse(box); };
  fillShape(p, d->pen, d->brush, shape);
  strokeShape(p, d->pen, ToQColor(d->brush.Color()), BkMode() == OPAQUE, false, shape);
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  QPainter* p = painter();
  if (!p) {
    return;
  }
  const TRect r = normalized(x1, y1, x2, y2);
  const QRectF box(r.Left, r.Top, r.Width() - 1, r.Height() - 1);
  const double start = arcAngle(box, x3, y3);
  double span = arcAngle(box, x4, y4) - start;
  if (span <= 0) {
    span += 360.0;
  }
  const int a = int(std::lround(start * 16));
  const int s = int(std::lround(span * 16));
  auto shape = [&](QPainter* q) { q->drawPie(box, a, s); };
  fillShape(p, d->pen, d->brush, shape);
  strokeShape(p, d->pen, ToQColor(d->brush.Color()), BkMode() == OPAQUE, true, shape);
}

void TCanvas::Polygon(const std::vector<TPoint>& points) {
  QPainter* p = painter();
  if (!p || points.empty()) {
    return;
  }
  QPolygon poly;
  std::vector<QPoint> outline;
  for (const TPoint& pt : points) {
    poly << ToQPoint(pt);
    outline.push_back(ToQPoint(pt));
  }
  outline.push_back(outline.front());
  fillShape(p, d->pen, d->brush, [&](QPainter* q) { q->drawPolygon(poly, Qt::OddEvenFill); });
  if (outline.size() == 2) {
    outline.push_back(outline.front() + QPoint(1, 0));
  }
  strokePixels(p, d->pen, ToQColor(d->brush.Color()), BkMode() == OPAQUE, outline);
}

void TCanvas::FillRect(const TRect& r) {
  QPainter* p = painter();
  if (!p || IsRectEmpty(r) || d->brush.Style() == bsClear) {
    return;
  }
  p->save();
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->fillRect(ToQRect(r), qtBrush(d->brush, std::nullopt));
  p->restore();
}

void TCanvas::FrameRect(const TRect& r) {
  QPainter* p = painter();
  if (!p || IsRectEmpty(r) || d->brush.Style() == bsClear) {
    return;
  }
  const QBrush brush = qtBrush(d->brush, std::nullopt);
  p->save();
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->fillRect(QRect(r.Left, r.Top, r.Width(), 1), brush);
  p->fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), brush);
  p->fillRect(QRect(r.Left, r.Top, 1, r.Height()), brush);
  p->fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), brush);
  p->restore();
}

void TCanvas::DrawFocusRect(const TRect& r) {
  QPainter* p = painter();
  if (!p || IsRectEmpty(r)) {
    return;
  }
  QPolygon dots;
  auto add = [&](int x, int y) {
    if (((x + y) & 1) == 0) {
      dots << QPoint(x, y);
    }
  };
  for (int x = r.Left; x < r.Right; ++x) {
    add(x, r.Top);
    if (r.Bottom - 1 > r.Top) {
      add(x, r.Bottom - 1);
    }
  }
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    add(r.Left, y);
    if (r.Right - 1 > r.Left) {
      add(r.Right - 1, y);
    }
  }
  p->save();
  p->setCompositionMode(QPainter::RasterOp_NotDestination);
  p->setPen(QPen(Qt::black, 1));
  p->drawPoints(dots);
  p->restore();
}

// ---------------------------------------------------------------------------
// Pixels

TColor TCanvas::Pixels(int x, int y) const {
  const QImage* img = d->targetImage();
  if (!img) {
    return clNone;
  }
  QPoint pt(x, y);
  if (const QPainter* p = d->current()) {
    pt = p->transform().map(pt);
  }
  if (!img->rect().contains(pt)) {
    return clNone;
  }
  return FromQColor(img->pixelColor(pt));
}

void TCanvas::SetPixels(int x, int y, TColor color) {
  QPainter* p = painter();
  if (!p) {
    return;
  }
  p->save();
  p->setCompositionMode(QPainter::CompositionMode_Source);
  p->fillRect(QRect(x, y, 1, 1), ToQColor(color));
  p->restore();
}

// ---------------------------------------------------------------------------
// Text

// The height is the font's cell height whatever the text, so only the width
// needs the text shaped.
TSize TCanvas::TextExtent(const QString& text) const { return {TextWidth(text), TextHeight(text)}; }

int TCanvas::TextWidth(const QString& text) const { return d->metrics().horizontalAdvance(text); }

int TCanvas::TextHeight(const QString&) const { return d->metrics().height(); }

void TCanvas::TextOut(int x, int y, const QString& text) {
  const TSize extent = TextExtent(text);
  QPainter* p = painter();
  if (p) {
    const QFont font = qtFont();
    p->save();
    p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->translate(x, y);
    if (d->font.Orientation() != 0) {
      p->rotate(-d->font.Orientation() / 10.0);
    }
    if (BkMode() == OPAQUE) {
      p->fillRect(QRect(0, 0, extent.cx, extent.cy), ToQColor(d->brush.Color()));
    }
    p->setFont(font);
    p->setPen(ToQColor(d->font.Color()));
    p->drawText(QPoint(0, d->metrics().ascent()), text);
    p->restore();
  }
  d->penPos = {x + extent.cx, y};
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text) {
  QPainter* p = painter();
  if (!p) {
    return;
  }
  const QFont font = qtFont();
  p->save();
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->setClipRect(ToQRect(r), Qt::IntersectClip);
  if (d->brush.Style() != bsClear) {
    p->fillRect(ToQRect(r), ToQColor(d->brush.Color()));
  }
  p->setFont(font);
  p->setPen(ToQColor(d->font.Color()));
  p->drawText(QPoint(x, y + d->metrics().ascent()), text);
  p->restore();
}

// ---------------------------------------------------------------------------
// Clipping

TRect TCanvas::ClipRect() const {
  const QPaintDevice* dev = d->targetDevice();
  if (!dev) {
    return {};
  }
  QRect area(0, 0, dev->width(), dev->height());
  if (const QPainter* p = d->current()) {
    area = p->transform().inverted().mapRect(area);
    if (p->hasClipping()) {
      area &= p->clipBoundingRect().toAlignedRect();
    }
  } else if (d->clip) {
    area &= *d->clip;
  }
  return FromQRect(area);
}

void TCanvas::SetClipRect(const TRect& r) {
  d->clip = ToQRect(r);
  if (QPainter* p = d->current()) {
    p->setClipRect(*d->clip, Qt::ReplaceClip);
  }
}

void TCanvas::IntersectClipRect(const TRect& r) {
  QRect area = ToQRect(ClipRect());
  if (!d->targetDevice()) {
    area = d->clip.value_or(ToQRect(r));
  }
  SetClipRect(FromQRect(area & ToQRect(r)));
}

void TCanvas::ResetClipRect() {
  d->clip.reset();
  if (QPainter* p = d->current()) {
    p->setClipping(false);
  }
}

// ---------------------------------------------------------------------------
// Pictures

void TCanvas::Draw(int x, int y, const TGraphic* graphic) {
  if (graphic && !graphic->Empty()) {
    graphic->Draw(*this, Bounds(x, y, graphic->Width(), graphic->Height()));
  }
}

void TCanvas::StretchDraw(const TRect& r, const TGraphic* graphic) {
  if (graphic && !graphic->Empty()) {
    graphic->Draw(*this, r);
  }
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas& source, const TRect& src) {
  const QImage* img = source.image();
  QPainter* p = painter();
  if (!img || !p || IsRectEmpty(dest) || IsRectEmpty(src)) {
    return;
  }
  // A copy first: the source may be the image this canvas paints on.
  const QImage part = img->copy(ToQRect(src));
  p->save();
  p->setCompositionMode(QPainter::CompositionMode_Source);
  p->drawImage(ToQRect(dest), part);
  p->restore();
}
