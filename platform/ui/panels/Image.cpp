#include "platform/ui/panels/Image.h"

#include <QtGui/QImage>
#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>

struct TImage::Data {
  QImage picture;
  bool stretch = false;
  bool proportional = false;
  bool center = false;
  bool autoSize = false;
};

TImage::TImage(QWidget* parent) : QWidget(parent), platform::TControl(*this, clBtnFace), d(std::make_unique<Data>()) {
  resize(105, 105);
}

TImage::~TImage() = default;

QImage TImage::Picture() const { return d->picture; }

void TImage::SetPicture(const QImage& picture) {
  d->picture = picture;
  if (d->autoSize && !picture.isNull()) resize(picture.size());
  update();
}

bool TImage::Stretch() const { return d->stretch; }
void TImage::SetStretch(bool stretch) {
  d->stretch = stretch;
  update();
}
bool TImage::Proportional() const { return d->proportional; }
void TImage::SetProportional(bool proportional) {
  d->proportional = proportional;
  update();
}
bool TImage::Center() const { return d->center; }
void TImage::SetCenter(bool center) {
  d->center = center;
  update();
}
bool TImage::AutoSize() const { return d->autoSize; }
void TImage::SetAutoSize(bool autoSize) {
  d->autoSize = autoSize;
  SetPicture(d->picture);
}

QRect TImage::pictureRect() const {
  QSize size = d->picture.size();
  const bool larger = size.width() > width() || size.height() > height();
  if (d->stretch || (d->proportional && larger))
    size = d->proportional ? size.scaled(this->size(), Qt::KeepAspectRatio) : this->size();
  if (!d->center) return QRect(QPoint(0, 0), size);
  return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void TImage::paintEvent(QPaintEvent*) {
  if (d->picture.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(pictureRect(), d->picture);
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) OnClick(this);
}
