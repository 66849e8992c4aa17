#include "grid/cells/editors/controls/EditButtonColors.h"

#include "platform/ui/paint/Canvas.h"

TColor TButtonColors::FaceColor(bool Pressed, bool Hot) const
{
    if (Pressed && ColorDown != clNone)
        return ColorDown;
    if (Hot && ColorHot != clNone)
        return ColorHot;
    return Color;
}

void PaintColouredButtonFace(TCanvas* Canvas, const TRect& R, const TButtonColors& Colors, bool Pressed, bool Hot)
{
    const TColor face = Colors.FaceColor(Pressed, Hot);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(face);
    Canvas->Pen()->SetColor(face);
    Canvas->Rectangle(R);
}
