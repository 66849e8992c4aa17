#include "grid/foundation/styles/ExUtilPaintLayered.h"

#include "platform/ui/paint/Canvas.h"

#include <QtGui/QImage>
#include <QtGui/QPalette>
#include <QtWidgets/QWidget>

namespace {

// Marks a window whose layered attributes were set; such windows refuse updates.
constexpr char kAttributesSet[] = "layeredAttributesSet";

void showPicture(QWidget* window, TCanvas* source, const TPoint* sourcePos, const TSize* size) {
  const QImage* picture = source ? source->image() : nullptr;
  if (!picture || picture->isNull()) return;
  const TPoint from = sourcePos ? *sourcePos : TPoint{};
  const QSize extent = size ? QSize(size->cx, size->cy) : window->size();
  QPalette palette = window->palette();
  palette.setBrush(QPalette::Window, QBrush(picture->copy(QRect(QPoint(from.X, from.Y), extent))));
  window->setPalette(palette);
  window->setAutoFillBackground(true);
}

}  // namespace

bool CallUpdateLayeredWindow(QWidget* window, TCanvas*, const TPoint* targetPos, const TSize* size,
                             TCanvas* source, const TPoint* sourcePos, TColor, const TBlendFunction* blend,
                             unsigned flags) {
  if (!window || window->property(kAttributesSet).toBool()) return false;
  if (targetPos) window->move(targetPos->X, targetPos->Y);
  if (size) window->resize(size->cx, size->cy);
  if (source) source->Release();
  showPicture(window, source, sourcePos, size);
  if ((flags & ULW_ALPHA) && blend) window->setWindowOpacity(blend->SourceConstantAlpha / 255.0);
  if (flags & ULW_OPAQUE) window->setWindowOpacity(1.0);
  return true;
}

bool CallSetLayeredWindowAttributes(QWidget* window, TColor, quint8 alpha, unsigned flags) {
  if (!window) return false;
  window->setProperty(kAttributesSet, true);
  if (flags & LWA_ALPHA) window->setWindowOpacity(alpha / 255.0);
  return true;
}
