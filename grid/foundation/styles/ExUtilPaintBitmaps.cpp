#include "grid/foundation/styles/ExUtilPaintBitmaps.h"

#include "grid/foundation/styles/ExUtilPaintResources.h"
#include "platform/picture/Bitmap.h"
#include "platform/ui/paint/Canvas.h"

#include <QtGui/QImage>
#include <QtGui/QPainter>

QImage LoadBitmapResource(const QString& name) {
  QImage image = BitmapResourcePixels(name);
  if (image.isNull()) throw EResNotFound(QStringLiteral("Resource %1 not found").arg(name));
  return image;
}

void LoadBitmapResource(TBitmap* bitmap, const QString& name) { bitmap->setImage(LoadBitmapResource(name)); }

namespace {

void drawImageTransparent(TCanvas* canvas, const QImage& picture, TColor background, const TRect& r) {
  if (picture.isNull()) return;
  const TColor key = FromQColor(picture.pixelColor(0, 0));
  QImage work(picture.size(), QImage::Format_RGB32);
  work.fill(ToQColor(background));
  {
    QPainter p(&work);
    p.drawImage(0, 0, platform::withKeyColorTransparent(picture, key));
  }
  platform::drawImage(*canvas, Bounds(r.Left, r.Top, work.width(), work.height()), work);
}

}  // namespace

void DrawBitmapTransparent(TCanvas* canvas, const TBitmap* bitmap, TColor background, const TRect& r) {
  if (bitmap && !bitmap->Empty()) drawImageTransparent(canvas, bitmap->pixels(), background, r);
}

void DrawResourceBitmapTransparent(TCanvas* canvas, TColor background, const TRect& r, const QString& resourceName) {
  TBitmap bitmap;
  LoadBitmapResource(&bitmap, resourceName);
  DrawBitmapTransparent(canvas, &bitmap, background, r);
}
