// Face painting of the push button: background by style, edges, caption and
// glyph placement, pop-up arrow.

#include "app/shell/buttons/LbButtons.h"

#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/DrawText.h"
#include "platform/ui/paint/Font.h"

#include <QtGui/QImage>
#include <QtGui/QPainter>

#include <algorithm>

namespace {

const TColor kMagenta = RGB(255, 0, 255);

// The bottom-left pixel's colour becomes see-through.
QImage transparentByCorner(const QImage& source) {
  QImage image = source.convertToFormat(QImage::Format_ARGB32);
  if (image.isNull() || image.height() == 0 || image.width() == 0) {
    return image;
  }
  const QRgb key = image.pixel(0, image.height() - 1);
  for (int y = 0; y < image.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (line[x] == key) {
        line[x] = 0;
      }
    }
  }
  return image;
}

unsigned textFormat(TAlignment alignment) {
  switch (alignment) {
    case taLeftJustify:
      return DT_WORDBREAK | DT_LEFT;
    case taRightJustify:
      return DT_WORDBREAK | DT_RIGHT;
    case taCenter:
      break;
  }
  return DT_WORDBREAK | DT_CENTER;
}

void chopLastCharacter(QString& text) {
  const qsizetype n = text.size();
  if (n >= 2 && text.at(n - 1).isLowSurrogate() && text.at(n - 2).isHighSurrogate()) {
    text.chop(2);
  } else {
    text.chop(1);
  }
}

struct FaceGeometry {
  int d = 0;
  int gw = 0;
  int gh = 0;
  int sourceX = 0;
  int available = 0;
  int tw = 0;
  int th = 0;
  QString caption;
};

TColor faceColor(const TLbButtonFace& face, bool down) {
  TColor f = ColorToRGB(face.Color);
  if (face.Enabled && face.HotTrackColor != clNone) {
    f = BlendHotTrackColor(face.Color, face.HotTrackColor, face.HotTrackStep);
  }
  if (down && face.ColorWhenDown != clNone) {
    f = ColorToRGB(face.ColorWhenDown);
  }
  return f;
}

void paintBackground(TCanvas& canvas, const TLbButtonFace& face, TColor f, int d) {
  const int w = face.W;
  const int h = face.H;
  switch (face.Style) {
    case bsShape:
      canvas.Brush()->SetColor(kMagenta);
      canvas.Rectangle(-1, -1, w + 1, h + 1);
      break;
    case bsNormal:
    case bsEncarta:
    case bsOld:
      canvas.Brush()->SetColor(f);
      canvas.Rectangle(-1, -1, w + 1, h + 1);
      break;
    case bsModern:
      DrawGradientBar(canvas, face.LightColor, f, 2, w - 2, 2, h / 4 + d);
      DrawGradientBar(canvas, f, face.LightColor, 2, w - 2, h / 4 + d, h - 1);
      break;
    case bsQuicken:
      break;
  }
}

void pen(TCanvas& canvas, TColor color) {
  canvas.Pen()->SetStyle(psSolid);
  canvas.Pen()->SetColor(color);
}

bool hasClassicEdges(const TLbButtonFace& face, bool down) {
  if (face.Enabled) {
    return !face.Flat || face.Hot || down;
  }
  return !face.Flat;
}

void paintEdges(TCanvas& canvas, const TLbButtonFace& face, TColor f, bool down) {
  const int w = face.W;
  const int h = face.H;
  switch (face.Style) {
    case bsNormal:
    case bsEncarta:
      if (hasClassicEdges(face, down)) {
        pen(canvas, down ? face.ShadowColor : face.LightColor);
        canvas.MoveTo(0, h - 1);
        canvas.LineTo(0, 0);
        canvas.LineTo(w - 1, 0);
        pen(canvas, down ? face.LightColor : face.ShadowColor);
        canvas.LineTo(w - 1, h - 1);
        canvas.LineTo(0, h - 1);
      }
      break;
    case bsOld:
      if (hasClassicEdges(face, down)) {
        pen(canvas, face.ShadowColor);
        if (down) {
          canvas.MoveTo(1, h - 3);
          canvas.LineTo(1, 1);
          canvas.LineTo(w - 2, 1);
        } else {
          canvas.MoveTo(w - 2, 0);
          canvas.LineTo(w - 2, h - 2);
          canvas.LineTo(0, h - 2);
        }
        pen(canvas, down ? cl3DDkShadow : face.LightColor);
        canvas.MoveTo(0, h - 1);
        canvas.LineTo(0, 0);
        canvas.LineTo(w - 1, 0);
        pen(canvas, down ? face.LightColor : cl3DDkShadow);
        canvas.LineTo(w - 1, h - 1);
        canvas.LineTo(-1, h - 1);
      }
      break;
    case bsModern:
      pen(canvas, down ? face.ShadowColor : f);
      canvas.Rectangle(1, 1, w - 1, h - 1);
      pen(canvas, face.ShadowColor);
      canvas.RoundRect(0, 0, w, h, 6, 6);
      break;
    case bsQuicken:
      canvas.Pen()->SetStyle(psClear);
      canvas.Brush()->SetColor(f);
      canvas.RoundRect(0, 1, w, h, 4, 4);
      canvas.Brush()->SetStyle(bsClear);
      pen(canvas, face.ShadowColor);
      canvas.MoveTo(4, 0);
      canvas.LineTo(w - 5, 0);
      canvas.MoveTo(4, h - 1);
      canvas.LineTo(w - 5, h - 1);
      break;
    case bsShape:
      break;
  }
}

int glyphSourceX(const TLbButtonFace& face, int gw, bool down) {
  if (!face.Enabled) {
    return gw;
  }
  int sourceX = 0;
  if (face.Hot && face.NumGlyphs > 3) {
    sourceX = 3 * gw;
  }
  if (down && face.NumGlyphs > 2) {
    sourceX = 2 * gw;
  }
  return sourceX;
}

// Cuts the caption to the available width (unless it wraps) and measures it.
void measureCaption(TCanvas& canvas, const TLbButtonFace& face, FaceGeometry& g) {
  const bool sideGlyph = face.Layout == blGlyphLeft || face.Layout == blGlyphRight;
  if (face.Style != bsShape && sideGlyph && g.gw > 0) {
    g.available = face.W - 8 - (g.gw + 4);
  } else {
    g.available = face.W - 8;
  }
  g.available = std::max(g.available, 0);
  g.caption = face.Caption;
  if (!face.WordWrap) {
    while (!g.caption.isEmpty() && canvas.TextWidth(g.caption) > g.available) {
      chopLastCharacter(g.caption);
    }
  }
  TRect bounds = Rect(0, 0, g.available, 0);
  DrawText(canvas, g.caption, bounds, textFormat(face.Alignment) | DT_CALCRECT);
  g.tw = bounds.Width();
  g.th = bounds.Height();
}

// "&x" shows x underlined; the text is clipped to r.
void drawCaption(TCanvas& canvas, TRect r, unsigned format, const QString& caption, TColor color) {
  canvas.Font()->SetColor(color);
  canvas.Brush()->SetStyle(bsClear);
  DrawText(canvas, caption, r, format);
}

void paintShapeContent(TCanvas& canvas, const TLbButtonFace& face, const FaceGeometry& g, TColor fontColor) {
  DrawGlyphFrame(canvas, face.Glyph, (face.W - g.gw) / 2, (face.H - g.gh) / 2, g.sourceX, g.gw, g.gh);
  const int top = (face.H - g.th) / 2 + g.d;
  drawCaption(canvas, Rect(g.d, top, face.W, face.H), textFormat(taCenter), g.caption, fontColor);
}

struct Placement {
  int textLeft = 0;
  int textTop = 0;
  int glyphLeft = 0;
  int glyphTop = 0;
};

// Glyph beside the caption; without word wrap the glyph follows the alignment.
Placement placeSideBySide(const TLbButtonFace& face, const FaceGeometry& g) {
  const int w = face.W;
  const int d = g.d;
  const int s = g.caption.isEmpty() ? 0 : g.tw + 4;
  Placement p;
  p.textTop = (face.H - g.th) / 2 + d;
  p.textLeft = d + 4;
  p.glyphTop = (face.H - g.gh) / 2 + d;
  if (face.Layout == blGlyphLeft) {
    if (g.gw > 0) {
      p.textLeft += g.gw + 4;
    }
    p.glyphLeft = d + 4;
    if (!face.WordWrap && face.Alignment == taRightJustify) {
      p.glyphLeft = w - 4 - g.gw - s + d;
    } else if (!face.WordWrap && face.Alignment == taCenter) {
      p.glyphLeft = (w - g.gw) / 2 + d - s / 2;
    }
  } else {
    p.glyphLeft = p.textLeft + s;
    if (!face.WordWrap && face.Alignment == taRightJustify) {
      p.glyphLeft = w - 4 - g.gw + d;
    } else if (!face.WordWrap && face.Alignment == taCenter) {
      p.glyphLeft = (w - g.gw) / 2 + d + s / 2;
    }
  }
  return p;
}

// Glyph above or below the caption, the two centred as one block.
Placement placeStacked(const TLbButtonFace& face, const FaceGeometry& g) {
  const int d = g.d;
  const int blockTop = (face.H - (g.th + (g.gh > 0 ? g.gh + 4 : 0))) / 2;
  Placement p;
  p.textLeft = d + 4;
  if (face.Layout == blGlyphTop) {
    p.textTop = blockTop + g.gh + d;
    p.glyphTop = blockTop + d;
  } else {
    p.textTop = blockTop + d;
    p.glyphTop = blockTop + g.th + d;
  }
  switch (face.Alignment) {
    case taLeftJustify:
      p.glyphLeft = d + 4;
      break;
    case taRightJustify:
      p.glyphLeft = face.W - g.gw - 4 + d;
      break;
    case taCenter:
      p.glyphLeft = (face.W - g.gw) / 2 + d;
      break;
  }
  return p;
}

void paintLaidOutContent(TCanvas& canvas, const TLbButtonFace& face, const FaceGeometry& g, TColor fontColor) {
  const bool side = face.Layout == blGlyphLeft || face.Layout == blGlyphRight;
  const Placement p = side ? placeSideBySide(face, g) : placeStacked(face, g);
  const TColor color = face.Enabled ? fontColor : RGB(128, 128, 128);
  drawCaption(canvas, Rect(p.textLeft, p.textTop, p.textLeft + g.available, p.textTop + g.th),
              textFormat(face.Alignment), g.caption, color);
  DrawGlyphFrame(canvas, face.Glyph, p.glyphLeft, p.glyphTop, g.sourceX, g.gw, g.gh);
}

void paintPopupArrow(TCanvas& canvas, int w, int h) {
  static const QImage arrow = transparentByCorner(LoadLbButtonGlyph(QStringLiteral("LBARROW")));
  if (QPainter* painter = canvas.painter()) {
    painter->drawImage(w - 11, h / 2 - 1, arrow);
  }
}

}  // namespace

void DrawGradientBar(TCanvas& canvas, TColor from, TColor to, int left, int right, int top, int bottom) {
  const TPenStyle penStyle = canvas.Pen()->Style();
  canvas.Pen()->SetStyle(psClear);
  const TColor a = ColorToRGB(from);
  const TColor b = ColorToRGB(to);
  double red = GetRValue(a);
  double green = GetGValue(a);
  double blue = GetBValue(a);
  const double stepRed = (GetRValue(b) - GetRValue(a)) / 31.0;
  const double stepGreen = (GetGValue(b) - GetGValue(a)) / 31.0;
  const double stepBlue = (GetBValue(b) - GetBValue(a)) / 31.0;
  const int span = bottom - top;
  const int band = span / 31 + 1;
  for (int i = 0; i <= 31; ++i) {
    canvas.Brush()->SetColor(RGB(int(red), int(green), int(blue)));
    const int y0 = top + (i * span) / 31;
    canvas.FillRect(Rect(left, y0, right, std::min(y0 + band, bottom)));
    red += stepRed;
    green += stepGreen;
    blue += stepBlue;
  }
  canvas.Pen()->SetStyle(penStyle);
}

void DrawGlyphFrame(TCanvas& canvas, const QImage& glyph, int x, int y, int sourceX, int gw, int gh) {
  QPainter* painter = canvas.painter();
  if (!painter || gw <= 0 || gh <= 0 || glyph.isNull()) {
    return;
  }
  QImage frame = glyph.copy(0, 0, gw, gh).convertToFormat(QImage::Format_ARGB32);
  {
    QPainter framePainter(&frame);
    framePainter.setCompositionMode(QPainter::CompositionMode_Source);
    framePainter.drawImage(QPoint(-sourceX, 0), glyph);
  }
  painter->drawImage(x, y, transparentByCorner(frame));
}

void DrawLbButtonFace(TCanvas& canvas, const TLbButtonFace& face) {
  const bool down = face.Enabled && face.Down;
  FaceGeometry g;
  g.d = (down && face.Style != bsEncarta) ? 1 : 0;
  const TColor f = faceColor(face, down);
  paintBackground(canvas, face, f, g.d);
  canvas.Brush()->SetStyle(bsClear);
  paintEdges(canvas, face, f, down);

  if (face.Font) {
    canvas.Font()->Assign(*face.Font);
  }
  if (face.Style == bsEncarta && down) {
    canvas.Font()->SetStyle(canvas.Font()->Style() | fsBold);
  }
  const TColor fontColor = canvas.Font()->Color();

  g.gw = face.NumGlyphs > 0 ? face.Glyph.width() / face.NumGlyphs : 0;
  g.gh = face.Glyph.height();
  g.sourceX = glyphSourceX(face, g.gw, down);
  measureCaption(canvas, face, g);

  if (face.Style == bsShape) {
    paintShapeContent(canvas, face, g, fontColor);
  } else {
    paintLaidOutContent(canvas, face, g, fontColor);
  }
  if (face.HasPopup) {
    paintPopupArrow(canvas, face.W, face.H);
  }
}
