#include "platform/ui/panels/Bevel.h"

#include "platform/ui/panels/Panel.h"

#include <QtGui/QPainter>

struct TBevel::Data {
  TBevelShape shape = bsBox;
  TBevelStyle style = bsLowered;
};

TBevel::TBevel(QWidget* parent) : QWidget(parent), platform::TControl(*this, clBtnFace), d(std::make_unique<Data>()) {
  resize(50, 50);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

TBevel::~TBevel() = default;

TBevelShape TBevel::Shape() const { return d->shape; }

void TBevel::SetShape(TBevelShape shape) {
  d->shape = shape;
  update();
}

TBevelStyle TBevel::Style() const { return d->style; }

void TBevel::SetStyle(TBevelStyle style) {
  d->style = style;
  update();
}

void TBevel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // A line is a dark and a light stripe; lowered puts the dark one first.
  const QColor first = ToQColor(d->style == bsLowered ? clBtnShadow : clBtnHighlight);
  const QColor second = ToQColor(d->style == bsLowered ? clBtnHighlight : clBtnShadow);
  const int w = width();
  const int h = height();
  switch (d->shape) {
    case bsBox:
      platform::DrawEdge3D(painter, rect(), d->style == bsRaised, 1);
      break;
    case bsFrame:
      painter.setPen(first);
      painter.drawRect(0, 0, w - 2, h - 2);
      painter.setPen(second);
      painter.drawRect(1, 1, w - 2, h - 2);
      break;
    case bsTopLine:
      painter.fillRect(0, 0, w, 1, first);
      painter.fillRect(0, 1, w, 1, second);
      break;
    case bsBottomLine:
      painter.fillRect(0, h - 2, w, 1, first);
      painter.fillRect(0, h - 1, w, 1, second);
      break;
    case bsLeftLine:
      painter.fillRect(0, 0, 1, h, first);
      painter.fillRect(1, 0, 1, h, second);
      break;
    case bsRightLine:
      painter.fillRect(w - 2, 0, 1, h, first);
      painter.fillRect(w - 1, 0, 1, h, second);
      break;
    case bsSpacer:
      break;
  }
}
