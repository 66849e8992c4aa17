#include "platform/picture/Bitmap.h"

#include "platform/ui/paint/Canvas.h"

#include <QtCore/QBuffer>
#include <QtGui/QImage>
#include <QtGui/QPainter>

namespace {

QImage::Format storageFormat(TPixelFormat format) {
  return format == pf32bit ? QImage::Format_ARGB32 : QImage::Format_RGB32;
}

QImage blankImage(int width, int height, TPixelFormat format) {
  QImage image(width, height, storageFormat(format));
  image.fill(Qt::white);
  return image;
}

}  // namespace

struct TBitmap::Data {
  QImage image;
  TPixelFormat format = pfDevice;
  TColor transparentColor = clDefault;
  TTransparentMode transparentMode = tmAuto;
  std::unique_ptr<TCanvas> canvas;

  void release() {
    if (canvas) {
      canvas->Release();
    }
  }
};

TBitmap::TBitmap() : d(std::make_unique<Data>()) {}

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::~TBitmap() { d->release(); }

int TBitmap::Width() const { return d->image.width(); }

int TBitmap::Height() const { return d->image.height(); }

void TBitmap::SetWidth(int width) { SetSize(width, Height()); }

void TBitmap::SetHeight(int height) { SetSize(Width(), height); }

void TBitmap::SetSize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == Width() && height == Height()) {
    return;
  }
  d->release();
  QImage resized;
  if (width > 0 && height > 0) {
    resized = blankImage(width, height, d->format);
    if (resized.isNull()) {
      throw EInvalidGraphicOperation(QStringLiteral("Not enough memory for a %1 x %2 bitmap")
                                         .arg(width)
                                         .arg(height));
    }
    if (!d->image.isNull()) {
      QPainter p(&resized);
      p.setCompositionMode(QPainter::CompositionMode_Source);
      p.drawImage(0, 0, d->image);
    }
  }
  d->image = resized;
  changed();
}

TPixelFormat TBitmap::PixelFormat() const { return d->format; }

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == d->format) {
    return;
  }
  d->release();
  d->format = format;
  if (!d->image.isNull()) {
    d->image = d->image.convertToFormat(storageFormat(format));
  }
  changed();
}

TCanvas* TBitmap::Canvas() {
  // The canvas paints on the pixels from its first drawing call until the next
  // change of size or format, or until the pixels are read.
  if (!d->canvas) {
    d->canvas = std::make_unique<TCanvas>(&d->image);
  }
  return d->canvas.get();
}

TColor TBitmap::TransparentColor() const {
  if (d->transparentMode == tmFixed && d->transparentColor != clDefault) {
    return d->transparentColor;
  }
  if (d->image.isNull()) {
    return clDefault;
  }
  return FromQColor(d->image.pixelColor(0, d->image.height() - 1));
}

void TBitmap::SetTransparentColor(TColor color) {
  d->transparentColor = color;
  d->transparentMode = color == clDefault ? tmAuto : tmFixed;
  changed();
}

TTransparentMode TBitmap::TransparentMode() const { return d->transparentMode; }

void TBitmap::SetTransparentMode(TTransparentMode mode) {
  if (mode == d->transparentMode) {
    return;
  }
  d->transparentMode = mode;
  if (mode == tmAuto) {
    d->transparentColor = clDefault;
  }
  changed();
}

void TBitmap::LoadFromStream(const QByteArray& data) {
  const QImage loaded = platform::readImage(data, "bmp");
  if (loaded.isNull()) {
    throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
  }
  const TPixelFormat format = loaded.hasAlphaChannel() ? pf32bit : pf24bit;
  d->release();
  d->format = format;
  d->image = loaded.convertToFormat(storageFormat(format));
  changed();
}

void TBitmap::SaveToStream(QByteArray& data) const {
  data.clear();
  if (d->image.isNull()) {
    return;
  }
  d->release();
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  d->image.save(&buffer, "BMP");
}

void TBitmap::Assign(const TGraphic* source) {
  if (source == this) {
    return;
  }
  d->release();
  if (!source || source->Empty()) {
    d->image = QImage();
  } else if (const auto* bitmap = dynamic_cast<const TBitmap*>(source)) {
    bitmap->d->release();
    d->format = bitmap->d->format;
    d->transparentColor = bitmap->d->transparentColor;
    d->transparentMode = bitmap->d->transparentMode;
    d->image = bitmap->d->image.copy();
  } else {
    const QImage image = source->toImage();
    d->format = image.hasAlphaChannel() ? pf32bit : pf24bit;
    d->image = image.convertToFormat(storageFormat(d->format));
  }
  if (source) {
    SetTransparent(source->Transparent());
  }
  changed();
}

QImage TBitmap::toImage() const {
  d->release();
  if (d->image.isNull()) {
    return {};
  }
  if (Transparent()) {
    return platform::withKeyColorTransparent(d->image, TransparentColor());
  }
  return d->image.convertToFormat(QImage::Format_RGB32);
}

void TBitmap::Draw(TCanvas& canvas, const TRect& r) const {
  platform::drawImage(canvas, r, toImage());
}

std::unique_ptr<TGraphic> TBitmap::clone() const {
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(this);
  return copy;
}

QImage& TBitmap::image() {
  d->release();
  return d->image;
}

QImage TBitmap::pixels() const {
  d->release();
  return d->image;
}

void TBitmap::setImage(const QImage& image) {
  d->release();
  d->format = image.hasAlphaChannel() ? pf32bit : pf24bit;
  d->image = image.convertToFormat(storageFormat(d->format));
  changed();
}
