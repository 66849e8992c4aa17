// What each markup tag does to the line being laid out and to the drawing state.
// Effects on colours, bands, focus and rules happen only in the drawing pass.

#include "grid/foundation/markup/EsgHTMLERenderState.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/DrawText.h"

namespace esghtmle {

namespace {

constexpr int ListStep = 12;

}  // namespace

bool Renderer::handleTag(const QString& rest, LinePass& pass, LineMetrics& line) {
  const MarkupTagKind kind = RecognizeMarkupTag(rest);
  if (kind.Closing) {
    handleClosingTag(kind.Tag, pass, line);
    return true;
  }
  return handleOpeningTag(kind.Tag, MarkupTagText(rest), pass, line);
}

void Renderer::setFontStyle(TFontStyle bit, bool on) {
  TFontStyles styles = canvas->Font()->Style();
  styles.setFlag(bit, on);
  canvas->Font()->SetStyle(styles);
}

void Renderer::lineBreak(LinePass& pass) { pass.lineBreak = true; }

bool Renderer::handleOpeningTag(MarkupTag tag, const QString& tagText, LinePass& pass, LineMetrics& line) {
  switch (tag) {
    case MarkupTag::A: openAnchor(tagText, pass, line); break;
    case MarkupTag::B: setFontStyle(fsBold, true); break;
    case MarkupTag::I: setFontStyle(fsItalic, true); break;
    case MarkupTag::U: setFontStyle(fsUnderline, true); break;
    case MarkupTag::S: setFontStyle(fsStrikeOut, true); break;
    case MarkupTag::BR:
      lineBreak(pass);
      if (pass.firstPass) {
        out.plainText += QLatin1Char('\r');
      }
      break;
    case MarkupTag::BLINK:
      if (!a.blinkVisible) {
        setTextColor(entryBrushColor);
      }
      break;
    case MarkupTag::BODY:
      if (drawing(pass)) {
        applyBody(tagText, pass);
      }
      break;
    case MarkupTag::CONTROL: return formControl(tagText, pass, line);
    case MarkupTag::IMG: return picture(tagText, pass, line);
    case MarkupTag::E:
      if (drawing(pass)) {
        style.errorMark = true;
      }
      break;
    case MarkupTag::FONT: applyFont(tagText, pass); break;
    case MarkupTag::HI: highlight(pass, true); break;
    case MarkupTag::HR:
      lineBreak(pass);
      horizontalRule(pass);
      break;
    case MarkupTag::IN: indentTo(tagText, pass, line); break;
    case MarkupTag::LI: return listItem(pass, line);
    case MarkupTag::P: applyParagraph(tagText, pass); break;
    case MarkupTag::R: style.rotation = ParseRotationTag(tagText) * 10; break;
    case MarkupTag::SH: style.shadow = true; break;
    case MarkupTag::SUB: style.subscript = true; break;
    case MarkupTag::SUP: style.superscript = true; break;
    case MarkupTag::UL:
      ++listLevel;
      lineBreak(pass);
      break;
    case MarkupTag::Z: style.hidden = true; break;
    case MarkupTag::Unknown: break;
  }
  return true;
}

void Renderer::handleClosingTag(MarkupTag tag, LinePass& pass, LineMetrics& line) {
  switch (tag) {
    case MarkupTag::A: closeAnchor(pass, line); break;
    case MarkupTag::B: setFontStyle(fsBold, false); break;
    case MarkupTag::I: setFontStyle(fsItalic, false); break;
    case MarkupTag::U: setFontStyle(fsUnderline, false); break;
    case MarkupTag::S: setFontStyle(fsStrikeOut, false); break;
    case MarkupTag::BLINK:
    case MarkupTag::BODY: setTextColor(initialFont.Color()); break;
    case MarkupTag::E:
      if (drawing(pass)) {
        style.errorMark = false;
      }
      break;
    case MarkupTag::FONT: closeFont(pass); break;
    case MarkupTag::HI: highlight(pass, false); break;
    case MarkupTag::LI: lineBreak(pass); break;
    case MarkupTag::P: closeParagraph(pass); break;
    case MarkupTag::R: style.rotation = 0; break;
    case MarkupTag::SUB:
    case MarkupTag::SUP:
      style.subscript = false;
      style.superscript = false;
      break;
    case MarkupTag::SH: style.shadow = false; break;
    case MarkupTag::UL:
      if (listLevel > 0) {
        --listLevel;
      } else {
        setFontStyle(fsUnderline, false);
      }
      break;
    case MarkupTag::Z: style.hidden = false; break;
    default: break;
  }
}

// ---------------------------------------------------------------------------
// Anchors

void Renderer::openAnchor(const QString& tagText, LinePass& pass, const LineMetrics& line) {
  if (drawing(pass) && out.anchorCount == a.focusAnchor) {
    inFocusAnchor = true;
    focusRect = Rect(pass.x, pass.rect.Top, pass.x, pass.rect.Top);
  }
  ++out.anchorCount;
  anchorNumber = out.anchorCount;
  const bool hovered = out.anchorCount == a.hoverAnchor;
  if (drawing(pass) && (!a.hoverOnly || hovered)) {
    setFontStyle(fsUnderline, true);
    if (a.hoverBackColor != clNone) {
      hoverSavedBrush = brushColorOrNone();
      setBrushColor(a.hoverBackColor);
    }
    if (a.hoverTextColor != clNone) {
      hoverSavedText = canvas->Font()->Color();
      setTextColor(a.hoverTextColor);
    }
  }
  const bool hoverTextApplies = a.hoverTextColor != clNone && a.hoverOnly && hovered;
  if (!a.keepColors && !hoverTextApplies) {
    setTextColor(a.anchorColor);
  }
  const MarkupAnchorAttributes anchor = ParseAnchorTag(tagText);
  inAnchor = anchor.HasHref;
  anchorHref = anchor.Href;
  anchorTitle = anchor.Title;
  anchorStartOffset = line.width;
  anchorStartTop = pass.rect.Top;
  pass.anchorStartedHere = true;
}

void Renderer::closeAnchor(LinePass& pass, const LineMetrics& line) {
  const bool hovered = out.anchorCount == a.hoverAnchor;
  if (drawing(pass) && (!a.hoverOnly || hovered)) {
    setFontStyle(fsUnderline, false);
    if (a.hoverBackColor != clNone) {
      setBrushColor(hoverSavedBrush);
    }
    if (a.hoverTextColor != clNone) {
      setTextColor(hoverSavedText);
    }
  }
  if (!a.keepColors) {
    setTextColor(initialFont.Color());
  }
  inAnchor = false;
  if (pendingAnchorHit) {
    const int left = pass.anchorStartedHere ? pass.rect.Left + anchorStartOffset : pass.rect.Left;
    const int top = pass.anchorStartedHere ? anchorStartTop : pass.rect.Top;
    out.hitAnchorRect = Rect(left, top, pass.rect.Left + line.width, pass.textBottom);
    out.hitAnchorIndex = anchorNumber;
    pendingAnchorHit = false;
  }
  if (drawing(pass) && inFocusAnchor) {
    focusRect.Right = pass.x;
    focusRect.Bottom = pass.textBottom - line.baseShift;
    focusRect.Top = focusRect.Bottom - ghHeight();
    InflateRect(focusRect, 1, 0);
    canvas->DrawFocusRect(focusRect);
    inFocusAnchor = false;
  }
}

// The focused anchor goes on past the line end: its rectangle is drawn up to
// here and starts again on the next line.
void Renderer::closeFocusRectAtLineEnd(LinePass& pass) {
  focusRect.Right = pass.x;
  focusRect.Bottom = pass.textBottom;
  focusRect.Top = focusRect.Bottom - ghHeight();
  TRect r = focusRect;
  InflateRect(r, 1, 0);
  canvas->DrawFocusRect(r);
}

// ---------------------------------------------------------------------------
// Fonts, colours and backgrounds

void Renderer::applyFont(const QString& tagText, const LinePass& pass) {
  const MarkupFontAttributes font = ParseFontTag(tagText);
  if (font.Face) {
    canvas->Font()->SetName(*font.Face);
  }
  if (font.SizePoints && *font.SizePoints > 0) {
    canvas->Font()->SetSize(*font.SizePoints);
  }
  if (a.keepColors) {
    return;
  }
  if (font.Color) {
    setTextColor(*font.Color);
  }
  if (drawing(pass) && font.BackColor) {
    fontBackSaved = brushColorOrNone();
    setBrushColor(*font.BackColor);
  }
}

void Renderer::closeFont(const LinePass& pass) {
  canvas->Font()->SetName(initialFont.Name());
  canvas->Font()->SetHeight(initialFont.Height());
  if (!a.keepColors && drawing(pass)) {
    setTextColor(initialFont.Color());
    setBrushColor(fontBackSaved);
  }
}

void Renderer::applyBody(const QString& tagText, const LinePass&) {
  const MarkupBodyAttributes body = ParseBodyTag(tagText);
  if (body.Background) {
    tileBackground(*body.Background);
  }
  if (body.BackColor) {
    setBrushColor(*body.BackColor);
    fontBackSaved = *body.BackColor;
    if (*body.BackColor != clNone) {
      const TColor penColor = canvas->Pen()->Color();
      canvas->Pen()->SetColor(*body.BackColor);
      canvas->FillRect(a.bounds);
      canvas->Pen()->SetColor(penColor);
    }
  }
}

void Renderer::highlight(const LinePass& pass, bool on) {
  if (!drawing(pass)) {
    return;
  }
  if (on) {
    highlightSavedText = canvas->Font()->Color();
    highlightSavedBrush = brushColorOrNone();
    setTextColor(MarkupHighlightTextColor());
    setBrushColor(MarkupHighlightBackColor());
  } else {
    setTextColor(highlightSavedText);
    setBrushColor(highlightSavedBrush);
  }
}

// ---------------------------------------------------------------------------
// Paragraphs, lists, rules and indents

void Renderer::applyParagraph(const QString& tagText, const LinePass& pass) {
  const MarkupParagraphAttributes paragraph = ParseParagraphTag(tagText);
  if (paragraph.Alignment) {
    alignment = *paragraph.Alignment;
  }
  if (paragraph.Indent) {
    indent = *paragraph.Indent;
  }
  if (!drawing(pass) || !paragraph.BackColor) {
    return;
  }
  band = true;
  paragraphSavedBrush = brushColorOrNone();
  setBrushColor(*paragraph.BackColor);
  if (*paragraph.BackColor != clNone) {
    canvas->Pen()->SetColor(*paragraph.BackColor);
    canvas->FillRect(Rect(a.bounds.Left, pass.rect.Top, a.bounds.Right, pass.textBottom));
  }
}

void Renderer::closeParagraph(LinePass& pass) {
  lineBreak(pass);
  if (drawing(pass)) {
    setBrushColor(paragraphSavedBrush);
    band = false;
  }
}

// A bullet at the list level; a second item on one line starts the next line.
bool Renderer::listItem(LinePass& pass, LineMetrics& line) {
  if (pass.listItemSeen) {
    lineBreak(pass);
    return false;
  }
  pass.listItemSeen = true;
  line.width += listLevel * ListStep;
  pass.x += listLevel * ListStep - ListStep;
  if (drawing(pass)) {
    const QString bullet = listLevel % 2 == 1 ? QString(QChar(0x2022)) : QStringLiteral("o");
    TRect r = Rect(pass.x, pass.rect.Top, pass.rect.Right, pass.textBottom - line.baseShift);
    DrawText(*canvas, bullet, r, (textFlags & ~DT_END_ELLIPSIS) | DT_NOPREFIX);
  }
  pass.x += ListStep;
  return true;
}

void Renderer::horizontalRule(const LinePass& pass) {
  if (!drawing(pass)) {
    return;
  }
  const TColor penColor = canvas->Pen()->Color();
  canvas->Pen()->SetColor(clBlack);
  canvas->MoveTo(pass.rect.Left, pass.textBottom + 1);
  canvas->LineTo(a.bounds.Right, pass.textBottom + 1);
  canvas->Pen()->SetColor(penColor);
}

void Renderer::indentTo(const QString& tagText, LinePass& pass, LineMetrics& line) {
  const std::optional<int> offset = ParseIndentTag(tagText);
  if (offset && *offset > line.width) {
    line.width = *offset;
    pass.x = a.bounds.Left + *offset;
  }
}

}  // namespace esghtmle
