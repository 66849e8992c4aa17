#include "platform/picture/Graphic.h"

#include "platform/core/Files.h"
#include "platform/ui/paint/Canvas.h"

#include <QtCore/QBuffer>
#include <QtGui/QImage>
#include <QtGui/QImageReader>
#include <QtGui/QPainter>

TGraphic::TGraphic() = default;

TGraphic::~TGraphic() = default;

bool TGraphic::Transparent() const { return transparent_; }

void TGraphic::SetTransparent(bool transparent) {
  if (transparent != transparent_) {
    transparent_ = transparent;
    changed();
  }
}

void TGraphic::changed() {
  if (OnChange) {
    OnChange(this);
  }
}

void TGraphic::LoadFromFile(const QString& path) { LoadFromStream(platform::readPictureFile(path)); }

void TGraphic::SaveToFile(const QString& path) const {
  QByteArray data;
  SaveToStream(data);
  QString error;
  if (!platform::WriteFileAtomic(path, data, &error)) {
    throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, error));
  }
}

namespace platform {

void drawImage(TCanvas& canvas, const TRect& r, const QImage& image) {
  QPainter* p = canvas.painter();
  if (!p || image.isNull() || IsRectEmpty(r)) {
    return;
  }
  p->save();
  p->setCompositionMode(QPainter::CompositionMode_SourceOver);
  p->setRenderHint(QPainter::SmoothPixmapTransform, false);
  p->drawImage(ToQRect(r), image);
  p->restore();
}

QImage withKeyColorTransparent(const QImage& image, TColor key) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb keyRgb = ToQColor(key).rgb() & 0xFFFFFF;
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      if ((line[x] & 0xFFFFFF) == keyRgb) {
        line[x] = 0;
      }
    }
  }
  return out;
}

bool exceedsPictureLimit(qint64 width, qint64 height) {
  return width > 0 && height > 0 && width * height * 4 > qint64(kPictureAllocationLimitMB) * 1024 * 1024;
}

QByteArray readPictureFile(const QString& path) {
  // No picture within the limit needs a larger file.
  constexpr qint64 maxBytes = qint64(kPictureAllocationLimitMB) * 1024 * 1024;
  QByteArray data;
  QString error;
  if (!ReadRegularFile(path, maxBytes, data, &error)) {
    throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, error));
  }
  return data;
}

namespace {
bool tooLargeToKeep(const QSize& size) {
  return size.isValid() && exceedsPictureLimit(size.width(), size.height());
}
}  // namespace

QImage readImage(const QByteArray& data, const char* format) {
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, format);
  reader.setDecideFormatFromContent(false);
  reader.setAutoTransform(false);
  return readLimited(reader);
}

QImage readLimited(QImageReader& reader) {
  reader.setAllocationLimit(kPictureAllocationLimitMB);
  // Not every reader declares its size before decoding, so the decoded
  // picture is measured too.
  if (tooLargeToKeep(reader.size())) {
    return QImage();
  }
  QImage image = reader.read();
  return tooLargeToKeep(image.size()) ? QImage() : image;
}

}  // namespace platform
