#include "platform/picture/Icon.h"

#include <QtCore/QBuffer>
#include <QtGui/QImageReader>

#include <cstdlib>

TIcon::TIcon() : EncodedImage("ico", "Icon") {}

std::unique_ptr<TGraphic> TIcon::clone() const { return cloneAs<TIcon>(); }

QImage TIcon::decode(const QByteArray& data) const {
  QBuffer buffer;
  buffer.setData(data);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "ico");
  reader.setDecideFormatFromContent(false);
  QImage best;
  int bestDistance = 0;
  const int count = std::max(reader.imageCount(), 1);
  for (int i = 0; i < count; ++i) {
    if (i > 0 && !reader.jumpToImage(i)) {
      break;
    }
    const QImage image = platform::readLimited(reader);
    if (image.isNull()) {
      continue;
    }
    const int distance = std::abs(image.width() - 32) + std::abs(image.height() - 32);
    if (best.isNull() || distance < bestDistance) {
      best = image;
      bestDistance = distance;
    }
  }
  return best;
}
