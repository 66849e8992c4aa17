#pragma once

// Drawing routines of the tab page control: banded gradients and transparent,
// partly stretched bitmaps for tab backgrounds.

#include "grid/foundation/pagecontrol/ExPageControl.h"
#include "platform/ui/paint/Colors.h"
#include "platform/ui/paint/Geometry.h"

class TBitmap;
class TCanvas;

// Fills r with bands from fromColor to toColor (system colours resolved). Band
// n takes fromColor plus n times the colour step, rounded halves to even; bands
// overlap their successor by one pixel. A band count of 0 is taken as 1.
void DrawGradient(TCanvas* canvas, TColor fromColor, TColor toColor, int bands,
                  ExPageControl::TGradientDirection direction, const TRect& r);

// Copies the width by height region of bitmap at (sourceX, sourceY) to (x, y),
// leaving the target where the bitmap has the transparent colour.
void DrawTransparentBitmap(TCanvas* target, const TBitmap* bitmap, int x, int y, TColor transparentColor, int sourceX,
                           int sourceY, int width, int height);
// The same with the source region sourceWidth by sourceHeight stretched to width by height.
void StretchTransparentBitmap(TCanvas* target, const TBitmap* bitmap, int x, int y, int width, int height,
                              TColor transparentColor, int sourceX, int sourceY, int sourceWidth, int sourceHeight);

// Draws bitmap at (x, y) stretched to the given height (width) by repeating its
// middle: the first half, the two middle rows (columns) stretched, the second
// half. The bottom-left pixel's colour is transparent.
void DrawBitmapStretchedVertically(const TBitmap* bitmap, TCanvas* canvas, int x, int height, int y);
void DrawBitmapStretchedHorizontally(const TBitmap* bitmap, TCanvas* canvas, int x, int width, int y);
