// Form controls embedded in markup lines (CONTROL): their size in the line, their
// classic look, and the test of the point against them.

#include "grid/foundation/markup/EsgHTMLERenderState.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/DrawText.h"
#include "platform/ui/paint/FrameControls.h"

#include <algorithm>

namespace esghtmle {

namespace {

constexpr int DefaultControlHeight = 25;
constexpr int BoxControlSize = 16;
constexpr TColor ThemedBorderColor = 0xB99D7F;  // red 127, green 157, blue 185

struct ControlDraw {
  MarkupControlKind kind = MarkupControlKind::Unknown;
  int x = 0;
  int bottom = 0;      // the text bottom of the line
  int lineHeight = 0;  // the height the control gave the line
  int width = 0;       // the number read from WIDTH
  int height = 0;      // HEIGHT, 25 by default
  bool hot = false;
};

void drawTextBox(TCanvas* canvas, const ControlDraw& c, TColor border, const QString& value, bool combo) {
  canvas->Pen()->SetColor(border);
  canvas->Brush()->SetColor(clWhite);
  canvas->Rectangle(c.x, c.bottom - c.lineHeight + 4, c.x + c.width, c.bottom + 2);
  canvas->Brush()->SetStyle(bsClear);
  TRect text = combo ? Rect(c.x + 4, c.bottom - c.lineHeight + 4, c.x + c.width - 18, c.bottom)
                     : Rect(c.x + 2, c.bottom - c.lineHeight + 4, c.x + c.width, c.bottom);
  DrawText(*canvas, value, text, DT_SINGLELINE | DT_VCENTER);
  if (combo) {
    const TRect button = Rect(c.x + c.width - 18, c.bottom - c.lineHeight + 5, c.x + c.width - 1, c.bottom + 1);
    platform::DrawFrameControl(canvas, button, platform::FrameKind::ComboArrow,
                               c.hot ? platform::FrameStates(platform::fsHot) : platform::FrameStates());
  }
}

void drawCheckOrRadio(TCanvas* canvas, const ControlDraw& c, bool checked) {
  canvas->Brush()->SetStyle(bsClear);
  const bool radio = c.kind == MarkupControlKind::Radio;
  const TRect box = radio ? Rect(c.x + 2, c.bottom - 14, c.x + 14, c.bottom)
                          : Rect(c.x + 2, c.bottom - 15, c.x + 15, c.bottom);
  platform::FrameStates states = platform::fsFlat;
  if (checked) {
    states |= platform::fsChecked;
  }
  platform::DrawFrameControl(canvas, box, radio ? platform::FrameKind::RadioButton : platform::FrameKind::CheckBox,
                             states);
}

void drawPushButton(TCanvas* canvas, const ControlDraw& c, bool mouseDown, const QString& caption) {
  TRect box = Rect(c.x + 2, c.bottom - c.height, c.x + c.width - 2, c.bottom);
  platform::FrameStates states;
  if (c.hot && mouseDown) {
    states |= platform::fsPushed;
  }
  platform::DrawFrameControl(canvas, box, platform::FrameKind::PushButton, states);
  canvas->Brush()->SetStyle(bsClear);
  InflateRect(box, -2, -2);
  DrawText(*canvas, caption, box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

}  // namespace

bool Renderer::formControl(const QString& tagText, LinePass& pass, LineMetrics& line) {
  const MarkupControlTag tag = ParseControlTag(tagText);
  if (tag.Width.isEmpty()) {
    return true;
  }
  const MarkupNumber heightNumber = ReadMarkupNumber(tag.Height);
  const MarkupNumber widthNumber = ReadMarkupNumber(tag.Width);
  ControlDraw c;
  c.kind = MarkupControlKindOf(tag.Type);
  c.height = heightNumber.Readable ? heightNumber.Value : DefaultControlHeight;
  c.width = widthNumber.Value;
  if (widthNumber.Readable) {
    controlWidth = widthNumber.Value;
    controlHeight = ghHeight() + 10;
  }
  const bool box = c.kind == MarkupControlKind::Check || c.kind == MarkupControlKind::Radio;
  line.height = box ? 16 : 23;
  if (c.height > DefaultControlHeight) {
    line.height = c.height - 2;
  }

  if (drawing(pass)) {
    c.x = pass.x;
    c.bottom = pass.textBottom;
    c.lineHeight = line.height;
    c.hot = a.pointX > c.x - 2 && a.pointX < c.x - 2 + controlWidth && a.pointY > c.bottom - controlHeight - 2 &&
            a.pointY < c.bottom - 2;
    canvas->Pen()->SetColor(themed ? ThemedBorderColor : clGray);
    switch (c.kind) {
      case MarkupControlKind::Edit:
      case MarkupControlKind::Mask: drawTextBox(canvas, c, canvas->Pen()->Color(), tag.Value, false); break;
      case MarkupControlKind::Password:
        drawTextBox(canvas, c, canvas->Pen()->Color(), PasswordMask(tag.Value), false);
        break;
      case MarkupControlKind::Combo: drawTextBox(canvas, c, canvas->Pen()->Color(), tag.Value, true); break;
      case MarkupControlKind::Check:
      case MarkupControlKind::Radio: drawCheckOrRadio(canvas, c, MarkupControlChecked(tag.Value)); break;
      case MarkupControlKind::Button:
        controlHeight = 24;
        drawPushButton(canvas, c, a.mouseDown, tag.Value);
        break;
      case MarkupControlKind::Unknown: break;
    }
  }
  if (c.kind == MarkupControlKind::Button || c.kind == MarkupControlKind::Combo) {
    controlHeight = DefaultControlHeight;
  } else if (box) {
    controlWidth = BoxControlSize;
    controlHeight = BoxControlSize;
  }

  const int offset = a.pointX - pass.rect.Left;
  const bool underPoint = offset > line.width && offset < line.width + controlWidth &&
                          a.pointY > pass.rect.Top && a.pointY < pass.rect.Top + controlHeight;
  // An empty ID names no control: controls written without one are found by the point only.
  const bool named = a.hitTestOnly && !out.controlID.isEmpty() && out.controlID == tag.ID;
  if (testsPoint() && (underPoint || named)) {
    line.objectHit = true;
    out.hitAnchor = QStringLiteral("ctrl");
    pictureUnderPoint = pictureCounter;
    const int left = pass.rect.Left + line.width;
    out.controlRect = Rect(left, pass.rect.Top, left + controlWidth, pass.rect.Top + controlHeight);
    out.controlValue = tag.Value;
    out.controlID = tag.ID;
    out.controlType = tag.Type;
  }
  return placeObject(pass, line, controlWidth, controlHeight);
}

}  // namespace esghtmle
