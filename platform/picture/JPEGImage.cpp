#include "platform/picture/JPEGImage.h"

#include "platform/ui/paint/Canvas.h"

#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <algorithm>

struct TJPEGImage::Data {
  QImage image;
  // The file as read or last encoded; empty when the pixels changed since.
  mutable QByteArray encoded;
  int quality = 90;
  bool grayscale = false;
};

TJPEGImage::TJPEGImage() : d(std::make_unique<Data>()) {}

TJPEGImage::~TJPEGImage() = default;

int TJPEGImage::Width() const { return d->image.width(); }

int TJPEGImage::Height() const { return d->image.height(); }

int TJPEGImage::CompressionQuality() const { return d->quality; }

void TJPEGImage::SetCompressionQuality(int quality) { d->quality = std::clamp(quality, 1, 100); }

bool TJPEGImage::Grayscale() const { return d->grayscale; }

void TJPEGImage::SetGrayscale(bool grayscale) {
  if (grayscale == d->grayscale) {
    return;
  }
  d->grayscale = grayscale;
  if (!d->encoded.isEmpty()) {
    d->image = platform::decodeJpeg(d->encoded, grayscale);
  } else if (grayscale && !d->image.isNull()) {
    d->image = d->image.convertToFormat(QImage::Format_Grayscale8).convertToFormat(QImage::Format_RGB32);
  }
  changed();
}

void TJPEGImage::Compress() {
  if (d->image.isNull()) {
    return;
  }
  d->encoded = platform::encodeJpeg(d->image, d->quality, d->grayscale);
  d->image = platform::decodeJpeg(d->encoded, d->grayscale);
  changed();
}

void TJPEGImage::LoadFromStream(const QByteArray& data) {
  QImage image = platform::decodeJpeg(data, d->grayscale);
  d->image = std::move(image);
  d->encoded = data;
  changed();
}

void TJPEGImage::SaveToStream(QByteArray& data) const {
  if (d->encoded.isEmpty() && !d->image.isNull()) {
    d->encoded = platform::encodeJpeg(d->image, d->quality, d->grayscale);
  }
  data = d->encoded;
}

void TJPEGImage::Assign(const TGraphic* source) {
  if (source == this) {
    return;
  }
  if (const auto* jpeg = dynamic_cast<const TJPEGImage*>(source)) {
    *d = *jpeg->d;
  } else if (!source || source->Empty()) {
    d->image = QImage();
    d->encoded.clear();
  } else {
    // JPEG has no transparency: transparent parts become white.
    QImage flat(source->Width(), source->Height(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter p(&flat);
    p.drawImage(0, 0, source->toImage());
    p.end();
    d->image = flat;
    d->encoded.clear();
  }
  changed();
}

void TJPEGImage::Draw(TCanvas& canvas, const TRect& r) const {
  platform::drawImage(canvas, r, d->image);
}

QImage TJPEGImage::toImage() const { return d->image; }

std::unique_ptr<TGraphic> TJPEGImage::clone() const {
  auto copy = std::make_unique<TJPEGImage>();
  copy->Assign(this);
  return copy;
}
