#include "platform/ui/panels/Shape.h"

#include <QtGui/QPainter>

struct TShape::Data {
  TShapeType shape = stRectangle;
  TColor penColor = clBlack;
  int penWidth = 1;
  TColor brushColor = clWhite;
};

TShape::TShape(QWidget* parent) : QWidget(parent), platform::TControl(*this, clBtnFace), d(std::make_unique<Data>()) {
  resize(65, 65);
}

TShape::~TShape() = default;

TShapeType TShape::Shape() const { return d->shape; }
void TShape::SetShape(TShapeType shape) {
  d->shape = shape;
  update();
}
TColor TShape::PenColor() const { return d->penColor; }
void TShape::SetPenColor(TColor color) {
  d->penColor = color;
  update();
}
int TShape::PenWidth() const { return d->penWidth; }
void TShape::SetPenWidth(int width) {
  d->penWidth = std::max(0, width);
  update();
}
TColor TShape::BrushColor() const { return d->brushColor; }
void TShape::SetBrushColor(TColor color) {
  d->brushColor = color;
  update();
}

void TShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const bool outline = d->penColor != clNone && d->penWidth > 0;
  const int pen = outline ? d->penWidth : 0;
  QRect r(pen / 2, pen / 2, width() - pen, height() - pen);
  if (d->shape == stSquare || d->shape == stRoundSquare || d->shape == stCircle) {
    const int side = std::min(r.width(), r.height());
    r = QRect(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
  }
  if (outline && (r.height() <= 0 || r.width() <= 0)) {
    painter.fillRect(rect(), ToQColor(d->penColor));
    return;
  }
  painter.setRenderHint(QPainter::Antialiasing, d->shape >= stRoundRect);
  painter.setPen(outline ? QPen(ToQColor(d->penColor), d->penWidth) : QPen(Qt::NoPen));
  painter.setBrush(d->brushColor == clNone ? QBrush(Qt::NoBrush) : QBrush(ToQColor(d->brushColor)));
  const int radius = std::min(r.width(), r.height()) / 4;
  switch (d->shape) {
    case stRectangle:
    case stSquare:
      painter.drawRect(r);
      break;
    case stRoundRect:
    case stRoundSquare:
      painter.drawRoundedRect(r, radius, radius);
      break;
    case stEllipse:
    case stCircle:
      painter.drawEllipse(r);
      break;
  }
}
