#pragma once

// What the drawing steps of one cell share while RenderCellContent runs.

#include "grid/engine/ExGrid.h"
#include "grid/engine/paint/ExGridCellGraphic.h"
#include "platform/picture/Bitmap.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/Colors.h"

struct TExStringGrid::RenderContext {
    TCanvas* canvas;
    int displayCol;
    int col;  // the real column
    int row;
    TRect r;
    TGridDrawState state;
    bool fixedLook = false;
    TColor colorTo = clNone;
    TColor mirror = clNone;
    TColor mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd = GradientVertical;
    TColor keptBrush = clNone;
    TColor keptFont = clNone;
    int indicatorShift = 0;
    TColor linkColor = clNone;
    bool filterButton = false;
    TCellGraphicPlacement placement{};
    int sortGlyphOffset = 0;
};

// Draws a picture at (X, Y) leaving out its transparent colour (the colour of
// its bottom-left pixel).
inline void DrawTransparentPicture(TCanvas* Canvas, const TBitmap& Picture, int X, int Y)
{
    TBitmap copy;
    copy.Assign(&Picture);
    copy.SetTransparentMode(tmAuto);
    copy.SetTransparent(true);
    Canvas->Draw(X, Y, &copy);
}
