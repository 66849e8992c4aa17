#pragma once

// The colours an owner gives the buttons inside its edit: the face normally,
// under the mouse and while pressed, the caption or arrow, and the border.
// clNone for Color keeps the button's classic look.

#include "platform/ui/paint/Colors.h"
#include "platform/ui/paint/Geometry.h"

class TCanvas;

struct TButtonColors {
    TColor Color = clNone;
    TColor ColorHot = clNone;
    TColor ColorDown = clNone;
    TColor TextColor = clNone;
    TColor TextColorHot = clNone;
    TColor TextColorDown = clNone;
    TColor BorderColor = clNone;

    bool Coloured() const { return Color != clNone; }
    // The face colour of a state; pressed wins over hot.
    TColor FaceColor(bool Pressed, bool Hot) const;
};

// Fills and outlines R in the face colour of the state.
void PaintColouredButtonFace(TCanvas* Canvas, const TRect& R, const TButtonColors& Colors, bool Pressed, bool Hot);
