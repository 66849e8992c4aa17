#include "platform/ui/panels/Panel.h"

#include <QtGui/QPainter>

namespace platform {

void DrawEdge3D(QPainter& painter, const QRect& rect, bool raised, int width) {
  const QColor light = ToQColor(clBtnHighlight);
  const QColor dark = ToQColor(clBtnShadow);
  QRect r = rect;
  for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
    const QColor topLeft = raised ? light : dark;
    const QColor bottomRight = raised ? dark : light;
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
    r.adjust(1, 1, -1, -1);
  }
}

}  // namespace platform

struct TPanel::Data {
  QString caption;
  TPanelBevel outer = bvRaised;
  TPanelBevel inner = bvNone;
  int bevelWidth = 1;
};

TPanel::TPanel(QWidget* parent) : QWidget(parent), platform::TControl(*this, clBtnFace), d(std::make_unique<Data>()) {
  resize(185, 41);
  updateMargins();
}

TPanel::~TPanel() = default;

QString TPanel::Caption() const { return d->caption; }

void TPanel::SetCaption(const QString& caption) {
  d->caption = caption;
  update();
}

TPanelBevel TPanel::BevelOuter() const { return d->outer; }

void TPanel::SetBevelOuter(TPanelBevel bevel) {
  d->outer = bevel;
  updateMargins();
}

TPanelBevel TPanel::BevelInner() const { return d->inner; }

void TPanel::SetBevelInner(TPanelBevel bevel) {
  d->inner = bevel;
  updateMargins();
}

int TPanel::BevelWidth() const { return d->bevelWidth; }

void TPanel::SetBevelWidth(int width) {
  d->bevelWidth = std::max(1, width);
  updateMargins();
}

void TPanel::updateMargins() {
  const int edge = (d->outer != bvNone ? d->bevelWidth : 0) + (d->inner != bvNone ? d->bevelWidth : 0);
  setContentsMargins(edge, edge, edge, edge);
  platform::RealignControls(this);
  update();
}

void TPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QRect r = rect();
  for (TPanelBevel bevel : {d->outer, d->inner}) {
    if (bevel == bvNone) continue;
    if (bevel != bvSpace) platform::DrawEdge3D(painter, r, bevel == bvRaised, d->bevelWidth);
    r.adjust(d->bevelWidth, d->bevelWidth, -d->bevelWidth, -d->bevelWidth);
  }
  if (!d->caption.isEmpty()) painter.drawText(r, Qt::AlignCenter, platform::StripAccelerator(d->caption));
}
