#pragma once

#include "platform/ui/paint/Colors.h"
#include "platform/ui/paint/Geometry.h"

#include <QtCore/QString>

class TCanvas;

// Progress bar with its text, progress pie and range indicator of grid cells.

// The text of a progress bar and its percentage (kept to 0..100).
struct TCellProgressText {
  QString Text;
  int Percentage = 0;
};
TCellProgressText CellProgressText(const QString& format, double position, int minimum, int maximum);

// The bar with its text over it; the text takes the fill's text colour over the
// filled part and the rest's text colour over the rest. An empty format shows the
// rounded position with "%" and takes the position as the percentage. Otherwise
// the format's first directive decides the argument: the rounded position for
// d, u and x, the position itself for the others; the percentage is the
// position's place between minimum and maximum (0 when maximum is not above
// minimum). A format that does not fit falls back to the percentage with "%".
void DrawCellProgressBar(TCanvas* canvas, TRect r, TColor fillColor, TColor fillTextColor, TColor restColor,
                         TColor restTextColor, double position, int marginX, int marginY, int minimum, int maximum,
                         const QString& format, TColor borderColor, bool printing);

// A grey-outlined circle of r whose sector from twelve o'clock clockwise is
// filled with fillColor (percentage kept to 0..100).
void DrawProgressPie(TCanvas* canvas, const TRect& r, TColor fillColor, int percentage, bool printing);

// A bar from the middle of r to the left for negative values and to the right for
// positive ones, as far as value / range of the half width. A range of 0 or less
// draws no bar. With showValue the value is written over it.
void DrawRangeIndicator(TCanvas* canvas, TRect r, int value, int range, bool showValue, TColor negativeColor,
                        TColor positiveColor);
