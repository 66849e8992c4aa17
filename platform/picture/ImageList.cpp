#include "platform/picture/ImageList.h"

#include "platform/picture/Bitmap.h"
#include "platform/ui/paint/Canvas.h"

#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <vector>

struct TImageList::Data {
  int width;
  int height;
  std::vector<QImage> images;
};

TImageList::TImageList(int width, int height)
    : d(std::make_unique<Data>(Data{std::max(width, 1), std::max(height, 1), {}})) {}

TImageList::~TImageList() = default;

int TImageList::Width() const { return d->width; }

int TImageList::Height() const { return d->height; }

void TImageList::SetWidth(int width) {
  width = std::max(width, 1);
  if (width != d->width) {
    d->width = width;
    Clear();
  }
}

void TImageList::SetHeight(int height) {
  height = std::max(height, 1);
  if (height != d->height) {
    d->height = height;
    Clear();
  }
}

int TImageList::Count() const { return int(d->images.size()); }

namespace {

// Cuts a strip into pictures of the list's size; pixels the strip does not cover
// are transparent.
std::vector<QImage> cutStrip(const QImage& strip, int width, int height) {
  std::vector<QImage> parts;
  const int count = std::max(1, strip.width() / width);
  for (int i = 0; i < count; ++i) {
    QImage part(width, height, QImage::Format_ARGB32);
    part.fill(Qt::transparent);
    QPainter p(&part);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(0, 0, strip, i * width, 0, width, height);
    p.end();
    parts.push_back(part);
  }
  return parts;
}

QImage applyMask(const QImage& image, const QImage& mask) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height() && y < mask.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width() && x < mask.width(); ++x) {
      if (qGray(mask.pixel(x, y)) >= 128) {
        line[x] = 0;
      }
    }
  }
  return out;
}

}  // namespace

int TImageList::Add(const TBitmap* image, const TBitmap* mask) {
  if (!image || image->Empty()) {
    return -1;
  }
  QImage pixels = image->pixels().convertToFormat(QImage::Format_RGB32);
  if (mask && !mask->Empty()) {
    pixels = applyMask(pixels, mask->pixels());
  }
  const int first = Count();
  for (QImage& part : cutStrip(pixels, d->width, d->height)) {
    d->images.push_back(std::move(part));
  }
  if (OnChange) {
    OnChange(this);
  }
  return first;
}

int TImageList::AddMasked(const TBitmap* image, TColor maskColor) {
  if (!image || image->Empty()) {
    return -1;
  }
  const QImage pixels = image->pixels();
  const TColor key = maskColor == clDefault
                         ? FromQColor(pixels.pixelColor(0, pixels.height() - 1))
                         : ColorToRGB(maskColor);
  const int first = Count();
  for (QImage& part : cutStrip(platform::withKeyColorTransparent(pixels, key), d->width, d->height)) {
    d->images.push_back(std::move(part));
  }
  if (OnChange) {
    OnChange(this);
  }
  return first;
}

void TImageList::Delete(int index) {
  if (index < 0 || index >= Count()) {
    return;
  }
  d->images.erase(d->images.begin() + index);
  if (OnChange) {
    OnChange(this);
  }
}

void TImageList::Clear() {
  d->images.clear();
  if (OnChange) {
    OnChange(this);
  }
}

void TImageList::Draw(TCanvas* canvas, int x, int y, int index) const {
  if (!canvas || index < 0 || index >= Count()) {
    return;
  }
  platform::drawImage(*canvas, Bounds(x, y, d->width, d->height), d->images[size_t(index)]);
}

void TImageList::GetBitmap(int index, TBitmap* target) const {
  if (!target || index < 0 || index >= Count()) {
    return;
  }
  QImage flat(d->width, d->height, QImage::Format_RGB32);
  flat.fill(Qt::white);
  QPainter p(&flat);
  p.drawImage(0, 0, d->images[size_t(index)]);
  p.end();
  target->setImage(flat);
}
