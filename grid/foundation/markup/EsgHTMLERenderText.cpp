// Measuring and drawing the text runs of a markup line, with shadow, rotation,
// error marking and the anchor test on text.

#include "grid/foundation/markup/EsgHTMLERenderState.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/DrawText.h"

#include <QtGui/QFontMetrics>
#include <QtGui/QPainter>

namespace esghtmle {

int Renderer::measureRun(const QString& run, const LinePass& pass) {
  TRect r = pass.rect;
  DrawText(*canvas, run, r, textFlags | DT_CALCRECT);
  return r.Width();
}

// A rotated run turns about the top-left corner of where it would stand unrotated.
// Read right to left, runs are placed from the right end of the room left.
void Renderer::drawRunText(const QString& run, TRect r) {
  const unsigned flags = rightToLeftReading ? (textFlags & ~DT_CENTER) | DT_RIGHT : textFlags;
  if (style.rotation == 0) {
    DrawText(*canvas, run, r, flags);
    return;
  }
  QPainter* p = canvas->painter();
  if (!p) {
    return;
  }
  const QFontMetrics fm(canvas->qtFont());
  const int lineHeight = fm.height() + ((textFlags & DT_EXTERNALLEADING) ? fm.leading() : 0);
  p->save();
  p->translate(r.Left, r.Bottom - lineHeight);
  p->rotate(-style.rotation / 10.0);
  TRect local = Rect(0, 0, r.Width(), lineHeight);
  DrawText(*canvas, run, local, (flags & ~DT_END_ELLIPSIS) | DT_NOCLIP);
  p->restore();
}

// Draws the run at the pass's position and returns its width.
int Renderer::drawRun(const QString& run, LinePass& pass, const LineMetrics& line) {
  TRect r = Rect(pass.x, pass.rect.Top, pass.rect.Right, pass.textBottom);
  if (rightToLeftReading) {
    r.Left = pass.rect.Left;
    r.Right = pass.rect.Right - (pass.x - pass.rect.Left);
  }
  if (style.subscript) {
    OffsetRect(r, 0, line.subRoom);
  }
  if (style.superscript) {
    OffsetRect(r, 0, -line.supRoom);
  }
  OffsetRect(r, 0, -line.baseShift);
  if (style.shadow) {
    const TColor textColor = canvas->Font()->Color();
    setTextColor(a.shadowColor);
    TRect shadow = r;
    OffsetRect(shadow, a.shadowOffset, a.shadowOffset);
    drawRunText(run, shadow);
    setTextColor(textColor);
  }
  drawRunText(run, r);

  TRect extent = r;
  DrawText(*canvas, run, extent, textFlags | DT_CALCRECT);
  const int w = extent.Width();
  if (inFocusAnchor) {
    out.focusAnchorRef = anchorHref;
  }
  if (style.errorMark) {
    const int left = rightToLeftReading ? r.Right - w : r.Left;
    drawErrorZigzag(left, left + w, pass.textBottom);
  }
  pass.x += w;
  return w;
}

// The red zigzag under misspelt text, two pixels per step, in phase with x.
void Renderer::drawErrorZigzag(int left, int right, int textBottom) {
  const TColor penColor = canvas->Pen()->Color();
  const int penWidth = canvas->Pen()->Width();
  canvas->Pen()->SetColor(clRed);
  canvas->Pen()->SetWidth(1);
  int x = (left / 2) * 2;
  int offset = x % 4 == 0 ? 2 : 0;
  canvas->MoveTo(x, textBottom + offset - 1);
  while (x < right) {
    offset = offset == 0 ? 2 : 0;
    canvas->LineTo(x + 2, textBottom + offset - 1);
    x += 2;
  }
  canvas->Pen()->SetColor(penColor);
  canvas->Pen()->SetWidth(penWidth);
}

void Renderer::testAnchorOnText(const LinePass& pass, LineMetrics& line, int before, int after) {
  if (!inAnchor || !testsPoint()) {
    return;
  }
  const int offset = a.pointX - pass.rect.Left;
  const int upper = rightToLeftReading ? pass.rect.Right - a.pointX : offset;
  if (offset < before || upper > after) {
    return;
  }
  line.anchorHit = true;
  if (a.pointY > pass.rect.Top) {
    out.hitAnchor = anchorHref;
    out.hitAnchorTitle = anchorTitle;
    pendingAnchorHit = true;
  }
}

}  // namespace esghtmle
