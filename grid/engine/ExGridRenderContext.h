#pragma once

// What the drawing steps of one cell share while RenderCellContent runs.

#include "grid/engine/ExGrid.h"
#include "platform/ui/Colors.h"

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
};
