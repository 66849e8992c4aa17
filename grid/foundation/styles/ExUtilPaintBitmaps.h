#pragma once

// The program's own bitmap resources, found by name, and the drawing of
// bitmaps with a transparent key colour.

#include "platform/core/Exceptions.h"
#include "platform/ui/paint/Colors.h"
#include "platform/ui/paint/Geometry.h"

#include <QtCore/QString>

class QImage;
class TBitmap;
class TCanvas;

// A bitmap resource that the program does not have.
class EResNotFound : public Exception {
 public:
  using Exception::Exception;
};

// The program's bitmap resources by name ("CBX_BMP_EDIT", "ESGLEAFCLOSE", ...);
// throws EResNotFound ("Resource NAME not found") for an unknown name.
QImage LoadBitmapResource(const QString& name);
void LoadBitmapResource(TBitmap* bitmap, const QString& name);

// The bitmap at its own size at r's top-left corner over the background colour,
// its top-left pixel's colour taken as transparent.
void DrawBitmapTransparent(TCanvas* canvas, const TBitmap* bitmap, TColor background, const TRect& r);
void DrawResourceBitmapTransparent(TCanvas* canvas, TColor background, const TRect& r, const QString& resourceName);
