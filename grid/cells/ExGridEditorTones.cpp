// The button colours a tone set gives the grid's in-place editors.

#include "grid/cells/GridEditors.h"
#include "grid/engine/ExGridPrivate.h"

#include <QtGui/QPalette>

void TGridCombo::SetButtonTones(const TEditButtonTones& Value)
{
    buttonTones_ = Value;
    QPalette colors = palette();
    if (Value.Color != clNone)
        colors.setColor(QPalette::Button, ToQColor(Value.Color));
    if (Value.ColorDown != clNone)
        colors.setColor(QPalette::Highlight, ToQColor(Value.ColorDown));
    if (Value.ColorHot != clNone)
        colors.setColor(QPalette::Midlight, ToQColor(Value.ColorHot));
    if (Value.BorderColor != clNone)
        colors.setColor(QPalette::Dark, ToQColor(Value.BorderColor));
    setPalette(colors);
    setFrame(!Value.Flat);
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
