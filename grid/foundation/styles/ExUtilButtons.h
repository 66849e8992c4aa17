#pragma once

#include "grid/foundation/styles/ExStyleIF.h"
#include "platform/ui/paint/Geometry.h"

class TCanvas;

// Button-like parts of the grid family (push buttons, drop-down buttons and spin
// buttons) in one of four looks. The painters change the canvas pen and brush.

// Looks: through the visual styles, classic or flat frame controls, or the
// colours of a tone set. This platform has no visual styles: the themed look is
// drawn as the classic one.
enum : int { ButtonStyleThemed = 0, ButtonStyleClassic = 1, ButtonStyleFlat = 2, ButtonStyleCustom = 3 };
// States; in the custom look they pick the tone: Background, Hover, Selected, Disabled.
enum : int { ButtonStateNormal = 0, ButtonStateHot = 1, ButtonStatePressed = 2, ButtonStateDisabled = 3 };

// The tone of a state in the custom look (Background for an unknown state).
const TColorTone& ButtonStateTone(const TColorTones& tones, int state);

// window is the control being painted. An unknown style paints nothing.
// The drop-down button: 17 pixels at the right edge of r, moved 2 pixels left and
// 1 pixel in from top and bottom.
void DrawComboButton(TCanvas* canvas, TWindowHandle window, const TRect& r, int style, int state,
                     const TColorTones& tones);
// A push button over the whole of r.
void DrawButtonFace(TCanvas* canvas, TWindowHandle window, const TRect& r, int style, int state,
                    const TColorTones& tones);
// Up and down buttons: 15 pixels at the right edge of r, moved 1 pixel left and up.
void DrawSpinButtons(TCanvas* canvas, TWindowHandle window, const TRect& r, int style, int state,
                     const TColorTones& tones);
