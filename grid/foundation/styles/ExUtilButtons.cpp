#include "grid/foundation/styles/ExUtilButtons.h"

#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/FrameControls.h"

using platform::DrawFrameControl;
using platform::FrameKind;
using platform::FrameStates;

namespace {

void penAndBrush(TCanvas* canvas, TColor color) {
  canvas->Pen()->SetColor(color);
  canvas->Brush()->SetColor(color);
}

void triangle(TCanvas* canvas, TColor color, TPoint a, TPoint b, TPoint c) {
  penAndBrush(canvas, color);
  canvas->Polygon({a, b, c});
}

// The frame-control looks; the themed look falls back to classic here, since no
// visual-style library exists on this platform.
bool isFrameStyle(int style) {
  return style == ButtonStyleThemed || style == ButtonStyleClassic || style == ButtonStyleFlat;
}

FrameStates frameStates(int style, FrameStates states) {
  if (style == ButtonStyleFlat) states |= platform::fsFlat;
  return states;
}

FrameStates disabledOnly(int state) {
  return state == ButtonStateDisabled ? FrameStates(platform::fsInactive) : FrameStates();
}

}  // namespace

const TColorTone& ButtonStateTone(const TColorTones& tones, int state) {
  switch (state) {
    case ButtonStateHot:
      return tones.Hover;
    case ButtonStatePressed:
      return tones.Selected;
    case ButtonStateDisabled:
      return tones.Disabled;
    default:
      return tones.Background;
  }
}

void DrawComboButton(TCanvas* canvas, TWindowHandle, const TRect& r, int style, int state,
                     const TColorTones& tones) {
  TRect b = Rect(r.Right - 17, r.Top + 1, r.Right, r.Bottom - 1);
  OffsetRect(b, -2, 0);
  if (isFrameStyle(style)) {
    DrawFrameControl(canvas, b, FrameKind::ComboArrow, frameStates(style, disabledOnly(state)));
    return;
  }
  if (style != ButtonStyleCustom) return;
  b.Left += 3;
  penAndBrush(canvas, ButtonStateTone(tones, state).BrushColor);
  canvas->Rectangle(b);
  canvas->Pen()->SetColor(tones.Background.BorderColor);
  canvas->MoveTo(b.Left + 1, b.Top);
  canvas->LineTo(b.Left + 1, b.Bottom);
  triangle(canvas, tones.Background.TextColor, {b.Left + 5, b.Top + 8}, {b.Left + 11, b.Top + 8},
           {b.Left + 8, b.Top + 11});
}

void DrawButtonFace(TCanvas* canvas, TWindowHandle, const TRect& r, int style, int state,
                    const TColorTones& tones) {
  if (isFrameStyle(style)) {
    FrameStates states;
    if (state == ButtonStateHot) states |= platform::fsHot;
    if (state == ButtonStatePressed) states |= platform::fsPushed;
    if (state == ButtonStateDisabled) states |= platform::fsInactive;
    DrawFrameControl(canvas, r, FrameKind::PushButton, frameStates(style, states));
    return;
  }
  if (style != ButtonStyleCustom) return;
  const TColorTone& tone = ButtonStateTone(tones, state);
  canvas->Brush()->SetColor(tone.BrushColor);
  canvas->Pen()->SetColor(tone.BorderColor);
  canvas->Rectangle(r);
}

void DrawSpinButtons(TCanvas* canvas, TWindowHandle, const TRect& r, int style, int state,
                     const TColorTones& tones) {
  TRect b = Rect(r.Right - 15, r.Top, r.Right, r.Bottom);
  OffsetRect(b, -1, -1);
  const int middle = b.Top + (b.Bottom - b.Top) / 2;
  if (isFrameStyle(style)) {
    const FrameStates states = frameStates(style, disabledOnly(state));
    DrawFrameControl(canvas, Rect(b.Left, b.Top, b.Right, middle), FrameKind::ScrollUp, states);
    DrawFrameControl(canvas, Rect(b.Left, middle + 1, b.Right, b.Bottom), FrameKind::ScrollDown, states);
    return;
  }
  if (style != ButtonStyleCustom) return;
  penAndBrush(canvas, ButtonStateTone(tones, state).BrushColor);
  canvas->Rectangle(b.Left, b.Top, b.Right, middle);
  canvas->Rectangle(b.Left, middle + 1, b.Right, b.Bottom);
  triangle(canvas, clBlack, {b.Left + 5, b.Top + 5}, {b.Left + 9, b.Top + 5}, {b.Left + 7, b.Top + 3});
  triangle(canvas, clBlack, {b.Left + 5, middle + 2}, {b.Left + 9, middle + 2}, {b.Left + 7, middle + 4});
}
