// The button colours a tone set gives the grid's in-place editors.

#include "grid/cells/editors/GridEditors.h"
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
    // The spin, edit-with-button and date editors take the same colours for
    // their buttons; the picker's border takes the tone's border.
    TButtonColors colors;
    colors.Color = tones.Color;
    colors.ColorHot = tones.ColorHot;
    colors.ColorDown = tones.ColorDown;
    colors.BorderColor = tones.BorderColor;
    colors.TextColor = Tones.Background.TextColor;
    colors.TextColorHot = Tones.Hover.TextColor;
    colors.TextColorDown = Tones.Selected.TextColor;
    SpinEdit()->Button()->Colors() = colors;
    EditBtn()->Button()->Colors() = colors;
    UnitEditBtn()->Button()->Colors() = colors;
    DateTimePicker()->ButtonColors() = colors;
    DateTimePicker()->SetMetroStyle(true);
    DateTimePicker()->SetBorderColor(tones.BorderColor);
}
