#include "platform/ui/paint/FrameControls.h"

#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/Colors.h"

#include <QtGui/QPainter>

#include <algorithm>
#include <array>

namespace platform {

namespace {

// Keeps the canvas painter's state: frame controls leave pen, brush and clip alone.
class PainterState {
 public:
  explicit PainterState(QPainter* p) : p_(p) { p_->save(); }
  ~PainterState() { p_->restore(); }
  PainterState(const PainterState&) = delete;
  PainterState& operator=(const PainterState&) = delete;

 private:
  QPainter* p_;
};

void fill(QPainter* p, int left, int top, int width, int height, TColor color) {
  if (width > 0 && height > 0) p->fillRect(QRect(left, top, width, height), ToQColor(color));
}

// One line of an edge: the top and left sides in one colour, the bottom and right
// sides (with both far corners) in the other, as the classic edges are drawn.
void edgeLine(QPainter* p, const TRect& r, TColor topLeft, TColor bottomRight) {
  fill(p, r.Left, r.Top, r.Width() - 1, 1, topLeft);
  fill(p, r.Left, r.Top, 1, r.Height() - 1, topLeft);
  fill(p, r.Left, r.Bottom - 1, r.Width(), 1, bottomRight);
  fill(p, r.Right - 1, r.Top, 1, r.Height(), bottomRight);
}

void frameLine(QPainter* p, const TRect& r, TColor color) { edgeLine(p, r, color, color); }

TRect shrunk(TRect r, int by) {
  InflateRect(r, -by, -by);
  return r;
}

// Button outline and face; returns the face rectangle.
TRect drawButtonBody(QPainter* p, const TRect& r, FrameStates states) {
  TRect face = r;
  if (states & fsFlat) {
    frameLine(p, r, clBtnShadow);
    face = shrunk(r, 1);
  } else if (states & (fsPushed | fsChecked)) {
    edgeLine(p, r, clBtnShadow, clBtnHighlight);
    edgeLine(p, shrunk(r, 1), cl3DDkShadow, cl3DLight);
    face = shrunk(r, 2);
  } else {
    edgeLine(p, r, clBtnHighlight, cl3DDkShadow);
    edgeLine(p, shrunk(r, 1), clBtnFace, clBtnShadow);
    face = shrunk(r, 2);
  }
  fill(p, face.Left, face.Top, face.Width(), face.Height(), clBtnFace);
  // A checked (latched) button shows the half-tone of highlight over face.
  if ((states & fsChecked) && !(states & fsPushed) && !IsRectEmpty(face)) {
    p->setBrushOrigin(face.Left, face.Top);
    p->fillRect(ToQRect(face), QBrush(ToQColor(clBtnHighlight), Qt::Dense4Pattern));
  }
  return face;
}

enum class ArrowDir { Up, Down, Left, Right };

// A solid triangle of rows (or columns) narrowing by one pixel per side, with its
// base 2 * depth - 1 long, centred in r.
void drawArrow(QPainter* p, const TRect& r, int depth, ArrowDir dir, TColor color) {
  const int base = 2 * depth - 1;
  const bool vertical = dir == ArrowDir::Up || dir == ArrowDir::Down;
  const int x0 = r.Left + (r.Width() - (vertical ? base : depth)) / 2;
  const int y0 = r.Top + (r.Height() - (vertical ? depth : base)) / 2;
  for (int i = 0; i < depth; ++i) {
    const bool apexFirst = dir == ArrowDir::Up || dir == ArrowDir::Left;
    const int inset = apexFirst ? depth - 1 - i : i;
    const int length = base - 2 * inset;
    if (vertical)
      fill(p, x0 + inset, y0 + i, length, 1, color);
    else
      fill(p, x0 + i, y0 + inset, 1, length, color);
  }
}

void drawArrowButton(QPainter* p, const TRect& r, ArrowDir dir, FrameStates states) {
  // The arrow grows with the button: 7 pixels wide in a 17-pixel scroll button.
  const int depth = std::max(1, std::min(r.Width(), r.Height()) / 4);
  // Only push buttons latch: a checked arrow button looks as an unchecked one.
  TRect glyph = drawButtonBody(p, r, states & ~FrameStates(fsChecked));
  if (states & fsPushed) OffsetRect(glyph, 1, 1);
  if (states & fsInactive) {
    TRect emboss = glyph;
    OffsetRect(emboss, 1, 1);
    drawArrow(p, emboss, depth, dir, clBtnHighlight);
    drawArrow(p, glyph, depth, dir, clBtnShadow);
  } else {
    drawArrow(p, glyph, depth, dir, clBtnText);
  }
}

// The largest square centred in r.
TRect centredSquare(const TRect& r) {
  const int side = std::max(0, std::min(r.Width(), r.Height()));
  const int left = r.Left + (r.Width() - side) / 2;
  const int top = r.Top + (r.Height() - side) / 2;
  return Bounds(left, top, side, side);
}

TColor boxInterior(FrameStates states) {
  return (states & (fsInactive | fsPushed)) ? clBtnFace : clWindow;
}

TColor markColor(FrameStates states) { return (states & fsInactive) ? clBtnShadow : clWindowText; }

void drawCheckMark(QPainter* p, const TRect& inner, TColor color) {
  // Seven columns: the first row of each and its height of three pixels.
  static constexpr std::array<int, 7> kTop = {2, 3, 4, 3, 2, 1, 0};
  const int x0 = inner.Left + (inner.Width() - 7) / 2;
  const int y0 = inner.Top + (inner.Height() - 7) / 2;
  for (int i = 0; i < 7; ++i) fill(p, x0 + i, y0 + kTop[std::size_t(i)], 1, 3, color);
}

void drawCheckBox(QPainter* p, const TRect& r, FrameStates states) {
  const TRect box = centredSquare(r);
  TRect inner;
  if (states & fsFlat) {
    frameLine(p, box, clBtnShadow);
    inner = shrunk(box, 1);
  } else {
    edgeLine(p, box, clBtnShadow, clBtnHighlight);
    edgeLine(p, shrunk(box, 1), cl3DDkShadow, cl3DLight);
    inner = shrunk(box, 2);
  }
  fill(p, inner.Left, inner.Top, inner.Width(), inner.Height(), boxInterior(states));
  if (states & fsChecked) {
    p->setClipRect(ToQRect(inner), Qt::IntersectClip);
    drawCheckMark(p, inner, markColor(states));
  }
}

// Radio button pixel by pixel from the distance to the centre, so that the rings
// are the same on every machine: outer ring, inner ring, interior and dot.
void drawRadioButton(QPainter* p, const TRect& r, FrameStates states) {
  const TRect box = centredSquare(r);
  const double radius = box.Width() / 2.0;
  const double cx = box.Left + radius, cy = box.Top + radius;
  const double dot = box.Width() / 6.0;
  const bool flat = states & fsFlat;
  for (int y = box.Top; y < box.Bottom; ++y) {
    for (int x = box.Left; x < box.Right; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      const double dist2 = dx * dx + dy * dy;
      if (dist2 > radius * radius) continue;
      const bool topLeft = dx + dy < 0;
      TColor color = boxInterior(states);
      if (dist2 > (radius - 1) * (radius - 1))
        color = flat ? clBtnShadow : (topLeft ? clBtnShadow : clBtnHighlight);
      else if (!flat && dist2 > (radius - 2) * (radius - 2))
        color = topLeft ? cl3DDkShadow : cl3DLight;
      else if ((states & fsChecked) && dist2 <= dot * dot)
        color = markColor(states);
      fill(p, x, y, 1, 1, color);
    }
  }
}

}  // namespace

void DrawFrameControl(TCanvas* canvas, const TRect& r, FrameKind kind, FrameStates states) {
  QPainter* p = canvas ? canvas->painter() : nullptr;
  if (!p || IsRectEmpty(r)) return;
  PainterState keep(p);
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  switch (kind) {
    case FrameKind::PushButton:
      drawButtonBody(p, r, states);
      break;
    case FrameKind::CheckBox:
      drawCheckBox(p, r, states);
      break;
    case FrameKind::RadioButton:
      drawRadioButton(p, r, states);
      break;
    case FrameKind::ComboArrow:
    case FrameKind::ScrollDown:
      drawArrowButton(p, r, ArrowDir::Down, states);
      break;
    case FrameKind::ScrollUp:
      drawArrowButton(p, r, ArrowDir::Up, states);
      break;
    case FrameKind::ScrollLeft:
      drawArrowButton(p, r, ArrowDir::Left, states);
      break;
    case FrameKind::ScrollRight:
      drawArrowButton(p, r, ArrowDir::Right, states);
      break;
  }
}

}  // namespace platform
