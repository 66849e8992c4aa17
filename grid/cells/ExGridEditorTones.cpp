// The button colours a tone set gives the grid's in-place editors.

#include "grid/cells/GridEditors.h"
#include "grid/engine/ExGridPrivate.h"

// The combo paints its own button in these colours once one is set.
void TGridCombo::SetButtonTones(const TEditButtonTones& Value)
{
    buttonTones_ = Value;
    SetButtonColor(Value.Color);
    SetButtonColorHot(Value.ColorHot);
    SetButtonColorDown(Value.ColorDown);
    SetButtonBorderColor(Value.BorderColor);
    SetFlatLineColor(Value.FlatLineColor);
    SetFlat(Value.Flat);
}

void TExStringGrid::applyEditorTones(const TColorTones& Tones)
{
    TEditButtonTones tones;
    tones.Color = Tones.Background.BrushColor;
    tones.ColorHot = Tones.Hover.BrushColor;
    tones.ColorDown = Tones.Selected.BrushColor;
    tones.BorderColor = Tones.Background.BorderColor;
    tones.Flat = true;
    tones.FlatLineColor = Color();
    EditCombo()->SetButtonTones(tones);
}
