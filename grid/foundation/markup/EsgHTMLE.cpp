// The markup renderer's entry and the state of one call: the canvas saved and
// restored, the text prepared, and the lines laid out one after another in
// their two passes.

#include "grid/foundation/markup/EsgHTMLE.h"

#include "grid/foundation/markup/EsgHTMLERenderState.h"
#include "grid/foundation/markup/EsgHTMLESyntax.h"
#include "grid/foundation/markup/EsgHTMLEUtil.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/DrawText.h"
#include "platform/ui/paint/VisualStyles.h"

#include <algorithm>

namespace esghtmle {

namespace {

// Bottom-aligned single line with tabs and external leading; the "&" prefixes stay on.
constexpr unsigned BaseTextFlags = DT_BOTTOM | DT_SINGLELINE | DT_EXPANDTABS | DT_EXTERNALLEADING;

}  // namespace

Renderer::Renderer(const RenderArgs& args, RenderOutputs& outputs) : a(args), out(outputs), canvas(args.canvas) {}

Renderer::~Renderer() = default;

void Renderer::begin() {
  savedPenColor = canvas->Pen()->Color();
  savedPenWidth = canvas->Pen()->Width();
  savedBrushColor = brushColorOrNone();
  entryBrushColor = canvas->Brush()->Color();
  initialFont.Assign(*canvas->Font());
  measureFont.Assign(initialFont);
  drawFont.Assign(initialFont);
  setBrushColor(clNone);
  canvas->SetBkMode(TRANSPARENT);

  out.plainText.clear();
  out.focusAnchorRef.clear();
  out.hitAnchorTitle.clear();
  out.controlValue.clear();
  out.controlType.clear();
  if (!a.hitTestOnly) {
    out.controlID.clear();
  }
  out.controlRect = TRect{};
  out.textWidth = 0;
  out.textHeight = 0;
  out.anchorCount = 0;
  out.hitAnchorIndex = -1;

  unsigned flags = BaseTextFlags;
  if (!a.wordWrap) {
    flags |= DT_END_ELLIPSIS;
  }
  textFlags = BiDiTextFlags(flags, a.biDiMode);
  rightToLeftReading = (textFlags & MarkupRtlReadingFlag) != 0;
  themed = MarkupIsWinXP() && platform::VisualStylesActive();
}

void Renderer::finish() {
  canvas->Pen()->SetColor(savedPenColor);
  canvas->Pen()->SetWidth(savedPenWidth);
  setBrushColor(savedBrushColor);
  // A rotation or font left open by the markup ends with the text.
  style.rotation = 0;
  canvas->Font()->Assign(initialFont);
  if (out.textHeight == 0) {
    out.textHeight = ghHeight();
  }
}

int Renderer::alignedLeft(int width) const {
  int x = a.bounds.Left + 1;
  if (alignment == 1) {
    if (a.bounds.Right - width > x) {
      x = a.bounds.Right - width;
    }
  } else if (alignment == 2) {
    const int room = a.bounds.Right - x - width;
    if (room > 0) {
      x += room / 2;
    }
  }
  return x + indent;
}

// Both passes of one line: the measuring pass cuts the line off the text, the
// second pass draws or hit-tests it at its aligned position. Returns whether the
// second pass hit something.
bool Renderer::renderOneLine(QString& text, int& y) {
  canvas->Font()->Assign(measureFont);
  const bool keptInAnchor = inAnchor;
  const QString keptHref = anchorHref;
  const QString keptTitle = anchorTitle;
  const int anchorsBefore = out.anchorCount;
  const int levelBefore = listLevel;
  const int picturesBefore = pictureCounter;

  LineMetrics line;
  line.height = ghHeight();
  const int startHeight = line.height;
  style.subscript = false;
  style.superscript = false;
  const StyleSwitches switchesBefore = style;

  const qsizetype lengthBefore = text.size();
  QString markup = renderLine(text, Rect(a.bounds.Left + 1, y, a.bounds.Right, a.bounds.Bottom), true, true, line);
  if (text.size() == lengthBefore) {
    text.clear();  // nothing could be taken: never loop on the same text
  }

  inAnchor = keptInAnchor;
  anchorHref = keptHref;
  anchorTitle = keptTitle;
  measureFont.Assign(*canvas->Font());

  const int lineBottom = y + line.height + line.subRoom + line.supRoom;
  bool hit = false;
  if (!a.measureOnly) {
    const TRect drawRect = Rect(alignedLeft(line.width), y, a.bounds.Right, lineBottom);
    canvas->Font()->Assign(drawFont);
    out.anchorCount = anchorsBefore;
    listLevel = levelBefore;
    pictureCounter = picturesBefore;
    // The second pass starts with the switches the measuring pass started with,
    // so a switch opened late in the line does not reach back to its start.
    style = switchesBefore;
    renderLine(markup, drawRect, a.hitTestOnly, false, line);
    drawFont.Assign(*canvas->Font());
    const int textBottom = drawRect.Bottom - line.baseShift;
    hit = (line.anchorHit && a.pointY > textBottom - ghHeight() && a.pointY < textBottom) || line.objectHit;
  }

  const int lineHeight = line.height + line.subRoom + line.supRoom;
  y += lineHeight;
  out.textHeight += lineHeight;
  if (y + startHeight > a.bounds.Bottom && !a.measureOnly) {
    text.clear();
  }
  return hit;
}

bool Renderer::run(const QString& source) {
  begin();
  QString text = PreprocessMarkupText(source);
  bool result = false;
  int y = a.bounds.Top;
  while (!text.isEmpty()) {
    if (renderOneLine(text, y)) {
      result = true;
    }
  }
  finish();
  return result && !a.measureOnly;
}

// ---------------------------------------------------------------------------
// Canvas helpers

void Renderer::setBrushColor(TColor color) {
  if (color == clNone) {
    canvas->Brush()->SetStyle(bsClear);
  } else {
    canvas->Brush()->SetColor(color);
  }
}

TColor Renderer::brushColorOrNone() const {
  return canvas->Brush()->Style() == bsClear ? clNone : canvas->Brush()->Color();
}

void Renderer::setTextColor(TColor color) { canvas->Font()->SetColor(color); }

int Renderer::ghHeight() const { return canvas->TextHeight(QStringLiteral("gh")); }

}  // namespace esghtmle

bool RenderMarkupText(TCanvas* Canvas, const QString& Text, TRect Bounds, TImageList* Images, int PointX,
                      int PointY, int FocusAnchor, int HoverAnchor, int ShadowOffset, bool HitTestOnly,
                      bool MeasureOnly, bool ScaleImages, bool KeepColors, bool BlinkVisible, bool HoverOnly,
                      bool WordWrap, bool MouseDown, double ImageScale, TColor AnchorColor, TColor HoverBackColor,
                      TColor HoverTextColor, TColor ShadowColor, QString& HitAnchor, QString& PlainText,
                      QString& FocusAnchorRef, QString& HitAnchorTitle, int& TextWidth, int& TextHeight,
                      int& AnchorCount, int& HitAnchorIndex, TRect& HitAnchorRect, TRect& ControlRect,
                      QString& ControlID, QString& ControlValue, QString& ControlType,
                      THTMLPictureCache* PictureCache, TPictureContainer* Container, QWidget* OwnerWindow,
                      TBiDiMode BiDiMode) {
  if (!Canvas) {
    return false;
  }
  esghtmle::RenderArgs args;
  args.canvas = Canvas;
  args.bounds = Bounds;
  args.images = Images;
  args.pointX = PointX;
  args.pointY = PointY;
  args.focusAnchor = FocusAnchor;
  args.hoverAnchor = HoverAnchor;
  args.shadowOffset = ShadowOffset;
  args.hitTestOnly = HitTestOnly;
  args.measureOnly = MeasureOnly;
  args.scaleImages = ScaleImages;
  args.keepColors = KeepColors;
  args.blinkVisible = BlinkVisible;
  args.hoverOnly = HoverOnly;
  args.wordWrap = WordWrap;
  args.mouseDown = MouseDown;
  args.imageScale = ImageScale;
  args.anchorColor = AnchorColor;
  args.hoverBackColor = HoverBackColor;
  args.hoverTextColor = HoverTextColor;
  args.shadowColor = ShadowColor;
  args.pictureCache = PictureCache;
  args.container = Container;
  args.ownerWindow = OwnerWindow;
  args.biDiMode = BiDiMode;
  esghtmle::RenderOutputs outputs{HitAnchor,      PlainText,    FocusAnchorRef, HitAnchorTitle, TextWidth,
                                  TextHeight,     AnchorCount,  HitAnchorIndex, HitAnchorRect,  ControlRect,
                                  ControlID,      ControlValue, ControlType};
  esghtmle::Renderer renderer(args, outputs);
  return renderer.run(Text);
}
