// Pictures in markup lines (IMG) and the tiled background picture of BODY: from
// the image list, the desktop's file icons, the picture container or the cache
// of located pictures.

#include "grid/foundation/markup/EsgHTMLERenderState.h"
#include "grid/foundation/pictures/PictureContainer.h"
#include "platform/picture/Bitmap.h"
#include "platform/picture/ImageList.h"
#include "platform/ui/paint/Canvas.h"

#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <algorithm>
#include <cmath>

namespace esghtmle {

namespace {

// Nearest integer, ties to even.
int roundEven(double value) { return int(std::lrint(value)); }

struct Resolution {
  int x = platform::ScreenPixelsPerInch;
  int y = platform::ScreenPixelsPerInch;
};

Resolution deviceResolution(const TCanvas* canvas) {
  Resolution r;
  if (const QImage* image = canvas->image()) {
    r.x = image->logicalDpiX();
    r.y = image->logicalDpiY();
  }
  return r;
}

// A picture of the container or of the cache of located pictures; a location
// the cache does not know yet is added to it and loaded once.
THTMLPicture* namedOrLocatedPicture(const RenderArgs& a, const MarkupPictureSource& source) {
  if (source.Kind == MarkupPictureKind::ContainerName) {
    return a.container ? a.container->FindPicture(source.Name) : nullptr;
  }
  if (source.Kind != MarkupPictureKind::Location || !a.pictureCache) {
    return nullptr;
  }
  if (!a.pictureCache->FindPicture(source.Name)) {
    THTMLPicture* added = a.pictureCache->AddPicture();
    added->SetAsynch(false);
    try {
      added->LoadFromURL(source.Name);
    } catch (...) {
      // Data that is no picture leaves it empty: it draws nothing.
    }
    if (added->ID().isEmpty()) {
      added->SetID(source.Name);
    }
  }
  return a.pictureCache->FindPicture(source.Name);
}

}  // namespace

bool Renderer::placeObject(LinePass& pass, LineMetrics& line, int width, int height) {
  const int room = pass.rect.Width();
  if (pass.firstPass && line.width + width > room && width < room) {
    return false;
  }
  line.width += width;
  pass.x += width;
  line.height = std::max(line.height, height);
  return true;
}

bool Renderer::picture(const QString& tagText, LinePass& pass, LineMetrics& line) {
  ++pictureCounter;
  const MarkupImageAttributes img = ParseImageTag(tagText);
  const MarkupPictureSource& source =
      img.HoverSource && pictureUnderPoint == pictureCounter ? *img.HoverSource : img.Source;
  const Resolution dpi = deviceResolution(canvas);
  const int top = pass.rect.Top;
  int layoutWidth = 0;
  int layoutHeight = 0;

  switch (source.Kind) {
    case MarkupPictureKind::ImageListIndex:
      if (a.images && source.Number >= 0 && source.Number < a.images->Count()) {
        layoutWidth = platform::MulDiv(a.images->Width(), dpi.x, platform::ScreenPixelsPerInch);
        layoutHeight = platform::MulDiv(a.images->Height(), dpi.y, platform::ScreenPixelsPerInch);
        if (drawing(pass)) {
          if (!a.scaleImages) {
            a.images->Draw(canvas, pass.x, top, source.Number);
          } else {
            TBitmap bitmap;
            a.images->GetBitmap(source.Number, &bitmap);
            canvas->StretchDraw(Bounds(pass.x, top, roundEven(a.images->Width() * a.imageScale),
                                       roundEven(a.images->Height() * a.imageScale)),
                                &bitmap);
          }
        }
      }
      break;
    case MarkupPictureKind::SmallSystemIcon:
    case MarkupPictureKind::LargeSystemIcon:
      // The desktop's numbered icons do not exist here: no picture, no room.
      break;
    case MarkupPictureKind::ContainerName:
    case MarkupPictureKind::Location: {
      THTMLPicture* pic = namedOrLocatedPicture(a, source);
      if (!pic || pic->Empty() || pic->Width() <= 0 || pic->Height() <= 0) {
        break;
      }
      const int pw = pic->Width();
      const int ph = pic->Height();
      int dw = pw;
      int dh = ph;
      if (img.Width > 0 && img.Height > 0) {
        dw = img.Width;
        dh = img.Height;
      } else if (img.Width > 0) {
        dw = img.Width;
        dh = roundEven(double(ph) * img.Width / pw);
      } else if (img.Height > 0) {
        dw = roundEven(double(pw) * img.Height / ph);
        dh = img.Height;
      }
      const bool sized = img.Width > 0 || img.Height > 0;
      if (drawing(pass)) {
        if (sized) {
          pic->SetStretch(true);
          pic->RenderToCanvas(*canvas, Bounds(pass.x, top, dw, dh));
        } else {
          if (pic->FrameCount() > 1) {
            const TColor penColor = canvas->Pen()->Color();
            const TColor brushColor = brushColorOrNone();
            canvas->Pen()->SetColor(entryBrushColor);
            canvas->Brush()->SetColor(entryBrushColor);
            canvas->FillRect(Bounds(pass.x, top, pic->MaxWidth(), pic->MaxHeight()));
            canvas->Pen()->SetColor(penColor);
            setBrushColor(brushColor);
          }
          pic->RenderToCanvas(*canvas, Bounds(pass.x + pic->FrameXPos(), top + pic->FrameYPos(), pw, ph));
        }
      }
      layoutWidth = platform::MulDiv(sized ? dw : pic->MaxWidth(), dpi.x, platform::ScreenPixelsPerInch);
      layoutHeight = platform::MulDiv(sized ? dh : pic->MaxHeight(), dpi.y, platform::ScreenPixelsPerInch);
      break;
    }
    case MarkupPictureKind::None: break;
  }

  const int offset = a.pointX - pass.rect.Left;
  if (testsPoint() && inAnchor && offset > line.width && offset < line.width + layoutWidth && a.pointY > top &&
      a.pointY < top + layoutHeight) {
    line.objectHit = true;
    out.hitAnchor = anchorHref;
    out.hitAnchorTitle = anchorTitle;
    pictureUnderPoint = pictureCounter;
  }

  if (!placeObject(pass, line, layoutWidth, layoutHeight)) {
    return false;
  }
  // The text of the line rises to the picture's top or middle.
  const int rise = std::max(0, line.height - ghHeight());
  if (img.Align == MarkupImageAlign::Top) {
    line.baseShift = rise;
  } else if (img.Align == MarkupImageAlign::Middle) {
    line.baseShift = rise / 2;
  }
  return true;
}

void Renderer::tileBackground(const MarkupPictureSource& source) {
  THTMLPicture* pic = namedOrLocatedPicture(a, source);
  QPainter* p = canvas->painter();
  if (!pic || !p || pic->Width() <= 0 || pic->Height() <= 0) {
    return;
  }
  p->save();
  p->setClipRect(ToQRect(a.bounds), Qt::IntersectClip);
  for (int y = a.bounds.Top; y < a.bounds.Bottom; y += pic->Height()) {
    for (int x = a.bounds.Left; x < a.bounds.Right; x += pic->Width()) {
      pic->RenderToCanvas(*canvas, Bounds(x, y, pic->Width(), pic->Height()));
    }
  }
  p->restore();
}

}  // namespace esghtmle
