#pragma once

#include "platform/ui/paint/Colors.h"
#include "platform/ui/paint/Geometry.h"

class TCanvas;

// Banded gradients, colour helpers, cell backgrounds and selection boxes of the
// grid family. The painters change the canvas pen and brush and keep no state.

void FillGradient(TCanvas* canvas, TColor fromColor, TColor toColor, int steps, TRect r, bool horizontal);
void FillRectColor(TCanvas* canvas, const TRect& r, TColor color);
// Equal range ends give the start colour.
TColor InterpolateColor(TColor fromColor, TColor toColor, int rangeStart, int rangeEnd, int position);
TColor HalveColor(TColor color);
// Each channel grows or shrinks by the percentage, kept within 0..255.
TColor ScaleColorPercent(TColor color, int percentage);
void PaintCellBackground(TCanvas* canvas, const TRect& r, TColor color, TColor colorTo, TColor mirrorColor,
                         TColor mirrorColorTo, bool vertical, TColor borderColor, bool sideBordersOnly, bool fill);

// Which ends of a selection box a cell's piece closes.
enum TSelectionBoxPart { sbpSingle = 0, sbpLeftEnd = 1, sbpRightEnd = 2, sbpMiddle = 3 };
void DrawSelectionBox(TCanvas* canvas, TColor color, TColor colorTo, TColor mirrorColor, TColor mirrorColorTo,
                      TColor innerTopColor, TColor innerBottomColor, TColor borderColor, TColor cornerColor,
                      TColor backgroundColor, const TRect& r, int part);

// The stepped gradient of pop-up backgrounds, header and footer strips; a band
// count of 0 is taken as 1.
void PaintStepGradient(TCanvas* canvas, TColor fromColor, TColor toColor, int steps, const TRect& r,
                       bool horizontal);
