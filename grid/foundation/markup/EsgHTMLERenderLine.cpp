// One pass over one markup line: text runs and tags are taken off the text until
// the line is full, a tag breaks it, or the text ends.

#include "grid/foundation/markup/EsgHTMLERenderState.h"
#include "grid/foundation/markup/EsgHTMLESyntax.h"
#include "platform/ui/paint/Canvas.h"

#include <algorithm>

namespace esghtmle {

// Takes the tag at the start of text (which starts with "<"); false when the
// tag's object did not fit and the tag stays for the next line.
bool Renderer::takeTag(QString& text, LinePass& pass, LineMetrics& line) {
  if (text.size() <= 2) {
    text.clear();
    return true;
  }
  const int end = MarkupTagEnd(text);
  if (end < 0) {
    text.clear();
    return true;
  }
  if (!handleTag(text, pass, line)) {
    return false;
  }
  pass.markup += text.left(end + 1);
  text.remove(0, end + 1);
  return true;
}

QString Renderer::renderLine(QString& text, const TRect& rect, bool measuring, bool firstPass, LineMetrics& line) {
  LinePass pass;
  pass.rect = rect;
  pass.measuring = measuring;
  pass.firstPass = firstPass;
  pass.x = rect.Left;
  pass.textBottom = rect.Bottom - line.subRoom;
  line.width = 0;
  line.anchorHit = false;
  line.objectHit = false;

  if (drawing(pass)) {
    if (inFocusAnchor) {
      focusRect.Left = rect.Left;
      focusRect.Top = rect.Top;
    }
    if (band && brushColorOrNone() != clNone) {
      canvas->Pen()->SetColor(canvas->Brush()->Color());
      canvas->FillRect(Rect(a.bounds.Left, rect.Top, a.bounds.Right, rect.Top + line.height));
    }
  }

  while (!text.isEmpty() && !pass.lineBreak && !pass.itemDidNotFit) {
    if (!takeRun(text, pass, line)) {
      break;
    }
    if (text.startsWith(QLatin1Char('<')) && !takeTag(text, pass, line)) {
      pass.itemDidNotFit = true;
    }
  }

  line.width -= pass.trailingBlank;
  out.textWidth = std::max(out.textWidth, line.width);
  if (drawing(pass) && inFocusAnchor) {
    closeFocusRectAtLineEnd(pass);
  }
  return pass.markup;
}

bool Renderer::runFits(const LinePass& pass, const LineMetrics& line, int w) const {
  const int room = pass.rect.Width();
  // A word wider than the whole line stands on a line of its own.
  return line.width < room || (w >= room && pass.visible.isEmpty());
}

// Takes the text run at the start of text; false when it did not fit and ends
// the line (the run then stays in the text).
bool Renderer::takeRun(QString& text, LinePass& pass, LineMetrics& line) {
  const int length = MarkupRunLength(text, a.wordWrap);
  if (length <= 0) {
    return true;
  }
  const QString raw = text.left(length);
  const QString run = ReplaceMarkupRunEntities(raw);
  const int h = canvas->TextHeight(run);
  if (style.subscript) {
    line.subRoom = std::max(line.subRoom, h / 4);
  }
  if (style.superscript) {
    line.supRoom = std::max(line.supRoom, h / 4);
  }
  line.height = std::max(line.height, h);
  if (pass.firstPass) {
    out.plainText += run;
  }
  if (style.hidden) {
    text.remove(0, length);
    return true;
  }

  const int before = line.width;
  const int w = pass.measuring ? measureRun(run, pass) : drawRun(run, pass, line);
  line.width += w;
  if (pass.measuring) {
    testAnchorOnText(pass, line, before, line.width);
  }

  const bool fits = runFits(pass, line, w);
  const bool firstText = pass.visible.isEmpty();
  // The line is only cut where a blank ends the text before: the measuring pass
  // has already cut it, the second pass takes it whole.
  const bool accepted = !pass.firstPass || !a.wordWrap || fits ||
                        (!pass.visible.isEmpty() && !pass.visible.endsWith(QLatin1Char(' ')));
  if (!accepted) {
    line.width -= w;
    pass.itemDidNotFit = true;
    return false;
  }
  pass.markup += raw;
  pass.visible += run;
  text.remove(0, length);
  pass.trailingBlank = run.endsWith(QLatin1Char(' ')) ? canvas->TextWidth(QStringLiteral(" ")) : 0;
  if (!a.wordWrap && pass.firstPass && !fits && !firstText) {
    text.clear();
  }
  return true;
}

}  // namespace esghtmle
