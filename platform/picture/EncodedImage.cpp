#include "platform/picture/EncodedImage.h"

#include <QtCore/QBuffer>
#include <QtGui/QImageWriter>

EncodedImage::EncodedImage(const char* format, const char* typeName)
    : format_(format), typeName_(typeName) {}

QImage EncodedImage::decode(const QByteArray& data) const {
  return platform::readImage(data, format_);
}

void EncodedImage::LoadFromStream(const QByteArray& data) {
  const QImage image = decode(data);
  if (image.isNull()) {
    throw EInvalidGraphic(QStringLiteral("%1 image is not valid").arg(QLatin1String(typeName_)));
  }
  image_ = image.convertToFormat(QImage::Format_ARGB32);
  encoded_ = data;
  SetTransparent(image.hasAlphaChannel());
  changed();
}

void EncodedImage::SaveToStream(QByteArray& data) const {
  data.clear();
  if (!encoded_.isEmpty() || image_.isNull()) {
    data = encoded_;
    return;
  }
  QBuffer buffer(&data);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format_);
  if (!writer.write(image_)) {
    throw EInvalidGraphicOperation(
        QStringLiteral("Cannot save a %1 image: %2").arg(QLatin1String(typeName_), writer.errorString()));
  }
}

void EncodedImage::copyFrom(const EncodedImage& source) {
  image_ = source.image_;
  encoded_ = source.encoded_;
  SetTransparent(source.Transparent());
}

void EncodedImage::Assign(const TGraphic* source) {
  if (source == this) {
    return;
  }
  const auto* same = dynamic_cast<const EncodedImage*>(source);
  if (same && qstrcmp(same->format_, format_) == 0) {
    copyFrom(*same);
  } else {
    image_ = source ? source->toImage().convertToFormat(QImage::Format_ARGB32) : QImage();
    encoded_.clear();
  }
  SetTransparent(source && source->Transparent());
  changed();
}

void EncodedImage::Draw(TCanvas& canvas, const TRect& r) const {
  platform::drawImage(canvas, r, image_);
}
