// How the grid decides the colours, font and alignment of one cell before it
// is drawn or printed: the cell's own colours, the bands, the fixed look and its
// gradient, the colour and gradient events, the selection colours of the range
// and of the disjunct selections, and the font of a disabled row.

#include "grid/engine/ExGridPrivate.h"
#include "grid/engine/ExGridPrintSettings.h"
#include "grid/foundation/util/ExUtilNumber.h"
#include "grid/foundation/styles/ExUtilPaint.h"

#include <algorithm>
#include <cmath>

namespace {

// Kinds of cell whose own brush colour keeps the fixed-cell colouring off.
bool isPlainKind(TCellType kind) { return kind == ctNone || kind == ctRotated || kind == ctEmpty; }

// A formula, plain or wide-encoded ("|\" and a formula from the fourth character).
bool isFormulaText(const QString& text)
{
    return text.startsWith(QLatin1Char('=')) ||
           (text.size() > 3 && text.startsWith(QLatin1String("|\\")) && text.at(3) == QLatin1Char('='));
}

int mixChannel(int a, int b, int percent)
{
    const double mixed = std::nearbyint(percent / 100.0 * a + (1.0 - percent / 100.0) * b);
    return std::min(255, static_cast<int>(mixed));
}

} // namespace

// The colours of a cell that the selection may change.
struct TExStringGrid::TCellLook {
    TColor brush;
    TColor colorTo;
    TColor mirror;
    TColor mirrorTo;
    TColor font;
};

TColor TExStringGrid::MixColors(TColor AColor, TColor BColor, int APercent)
{
    if (APercent >= 100)
        return AColor;
    if (APercent < 1 || AColor == clNone)
        return BColor;
    if (BColor == clNone)
        return AColor;
    const TColor a = ColorToRGB(AColor);
    const TColor b = ColorToRGB(BColor);
    return RGB(mixChannel(GetRValue(a), GetRValue(b), APercent), mixChannel(GetGValue(a), GetGValue(b), APercent),
               mixChannel(GetBValue(a), GetBValue(b), APercent));
}

TColor TExStringGrid::MixSelectionColor(TColor ACellColor) const
{
    if (p->selectionColorMixer)
        return MixColors(p->selectionColor, ACellColor, p->selectionColorMixerFactor);
    return p->selectionColor;
}

TIntList* TExStringGrid::SelectedCells() const { return &p->selectedCells; }

bool TExStringGrid::MouseIsDown() const { return p->mouseDown; }

void TExStringGrid::SetMouseIsDown(bool Value) { p->mouseDown = Value; }

bool TExStringGrid::IsSelected(int ACol, int ARow)
{
    if (ACol < FixedCols() || ARow < FixedRows())
        return false;
    const TMouseActions& actions = *p->mouseActions;
    if (actions.DisjunctCellSelect())
        return p->selectedCells.HasValue((ARow << 16) | ACol);
    if (actions.DisjunctRowSelect())
        return IsFlagSet(*p->rowSelect, actions.RowSelectPersistent() ? RealRowIndex(ARow) : ARow);
    if (actions.DisjunctColSelect())
        return IsFlagSet(*p->colSelect, ACol);
    const TGridRect sel = Selection();
    return ACol >= sel.Left && ACol <= sel.Right && ARow >= sel.Top && ARow <= sel.Bottom;
}

void TExStringGrid::ComputeCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    HAlign = p->defaultAlignment;
    VAlign = p->vAlignment;
    QString text = Cells(ACol, ARow);
    const bool formula = isFormulaText(text);
    if (p->autoNumAlign) {
        if (formula)
            GetCellValueText(ACol, ARow, text);
        const int kind = DetectNumberKind(text.trimmed());
        if (kind == nkInteger || kind == nkFloat || kind == nkScientific)
            HAlign = taRightJustify;
    }
    if (HasCellProperties(ACol, ARow) && !formula)
        HAlign = CellProperties(ACol, ARow)->Alignment();
    QueryCellAlignment(ACol, ARow, HAlign, VAlign);
}

void TExStringGrid::GetFontProperties(int ACol, int ARealCol, bool Remap, TBrush* ABrush, TFont* AFont,
                                      TGridDrawState AState, int ARow)
{
    const bool fixedArea = ACol < FixedCols() || ARow < FixedRows();
    AFont->Assign(fixedArea ? *p->fixedFont : Font());
    QueryCellColor(Remap ? ARealCol : ACol, ARow, AState, ABrush, AFont);
}

void TExStringGrid::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                        bool Remap, TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                        TColor& AMirrorColorTo, TFont* AFont, TAlignment& HA, TVAlignment& VA,
                                        bool& WW, TCellGradientDirection& GD)
{
    const TMouseActions& actions = *p->mouseActions;
    const bool fixedArea = ACol < FixedCols() || ARow < FixedRows();
    if (Print && !p->printSettings->UseDisplayFont())
        AFont->Assign(fixedArea ? *p->printSettings->FixedFont() : *p->printSettings->Font());
    else
        AFont->Assign(fixedArea ? *p->fixedFont : Font());

    const int realCol = Remap ? RealColIndex(ACol) : ACol;
    const bool disabledRowsInUse = p->disabledRows->Count() > 0;
    const int selectRow = (actions.DisjunctRowSelect() && actions.RowSelectPersistent()) || disabledRowsInUse
                              ? RealRowIndex(ARow)
                              : ARow;

    ABrush->SetColor(clNone);
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;
    WW = WordWrap();
    GD = GradientVertical;

    bool ownPlainColor = false;
    if (HasCellProperties(realCol, ARow)) {
        TCellProperties* props = CellProperties(realCol, ARow);
        ABrush->SetColor(props->BrushColor());
        if (isPlainKind(GetCellType(realCol, ARow)) && props->BrushColor() != clNone)
            ownPlainColor = true;
        if (props->FontColor() != clNone)
            AFont->SetColor(props->FontColor());
        if (props->FontStyle() != TFontStyles())
            AFont->SetStyle(props->FontStyle());
        if (props->FontSize() != 0)
            AFont->SetSize(props->FontSize());
        if (!props->FontName().isEmpty())
            AFont->SetName(props->FontName());
        WW = props->WordWrap();
        AColorTo = props->BrushColorTo();
        GD = props->GradientDirection();
    }
    if (AState.testFlag(gdSelected))
        GD = GradientVertical;

    if (ABrush->Color() == clNone)
        applyDefaultBrush(ACol, ARow, Print, ABrush);

    const bool fixedLook = IsFixed(ACol, ARow) || fixedArea;
    if (fixedLook && !ownPlainColor) {
        if (!Print) {
            ABrush->SetColor(FixedColor());
            AFont->Assign(*p->fixedFont);
            AState |= gdFixed;
        }
        if (p->look > glClassic) {
            ABrush->SetColor(p->exGradientFrom);
            AColorTo = p->exGradientTo;
            AMirrorColor = p->exGradientMirrorFrom;
            AMirrorColorTo = p->exGradientMirrorTo;
        }
    }

    if (Print)
        QueryCellPrintColor(realCol, ARow, AState, ABrush, AFont);
    else
        QueryCellColor(realCol, ARow, AState, ABrush, AFont);
    if (OnGetCellGradient) {
        TColor color = ABrush->Color();
        OnGetCellGradient(this, ARow, ACol, color, AColorTo, AMirrorColor, AMirrorColorTo, GD);
        ABrush->SetColor(color);
    }

    TCellLook unselected{ABrush->Color(), AColorTo, AMirrorColor, AMirrorColorTo, AFont->Color()};
    TCellLook look = unselected;
    applySelectionLook(ACol, ARow, selectRow, Print, Select, fixedLook, AState, look);
    ABrush->SetColor(look.brush);
    AColorTo = look.colorTo;
    AMirrorColor = look.mirror;
    AMirrorColorTo = look.mirrorTo;
    AFont->SetColor(look.font);
    if (AState.testFlag(gdSelected))
        GD = GradientVertical;

    if (p->useDisabledFont && ((disabledRowsInUse && IsFlagSet(*p->disabledRows, selectRow)) || !isEnabled()))
        AFont->SetColor(p->disabledFontColor);

    if (AState.testFlag(gdSelected) && ARow != Row() && actions.DisjunctRowSelect() &&
        p->selectionColorTo == clNone)
        ABrush->SetColor(ScaleColorPercent(ABrush->Color(), 7));

    QueryWordWrap(realCol, ARow, WW);
    ComputeCellAlignment(realCol, ARow, HA, VA);
}

// The grid colour, a band colour for a banded data cell, and FixedColor for the
// fixed columns and rows, the right fixed columns and the footer rows.
void TExStringGrid::applyDefaultBrush(int ACol, int ARow, bool Print, TBrush* ABrush)
{
    ABrush->SetColor(Color());
    const TBands& bands = *p->bands;
    const bool dataCell = ACol >= FixedCols() && ACol < TotalColCount() - p->fixedRightCols && ARow >= FixedRows() &&
                          ARow < RowCount() - p->fixedFooters;
    if (bands.Active() && (!Print || bands.Print()) && dataCell && bands.TotalLength() > 0) {
        const bool primary = (ARow - FixedRows()) % bands.TotalLength() < bands.PrimaryLength();
        ABrush->SetColor(primary ? bands.PrimaryColor() : bands.SecondaryColor());
    }
    if (ACol < FixedCols() || ARow < FixedRows() || ACol >= ColCount() - p->fixedRightCols ||
        ARow >= RowCount() - p->fixedFooters)
        ABrush->SetColor(FixedColor());
}

// The selection colours of the disjunct row, column and cell selections and of
// the range selection.
void TExStringGrid::applySelectionLook(int ACol, int ARow, int ASelectRow, bool Print, bool Select, bool FixedLook,
                                       TGridDrawState& AState, TCellLook& Look)
{
    const TMouseActions& actions = *p->mouseActions;
    const bool allowed = !Print && Select && ShowSel() && !FixedLook;
    const bool selected = AState.testFlag(gdSelected);
    const TCellLook unselected = Look;
    // Without a selection colour an unfocused selected cell takes the system
    // highlight and the focused one keeps its own colour.
    auto takeSelectionColors = [&] {
        Look.brush = p->selectionColor;
        if (Look.brush == clNone)
            Look.brush = AState.testFlag(gdFocused) ? unselected.brush : clHighlight;
        Look.colorTo = p->selectionColorTo;
        Look.mirror = p->selectionMirrorColor;
        Look.mirrorTo = p->selectionMirrorColorTo;
        if (p->selectionTextColor != clNone)
            Look.font = p->selectionTextColor;
    };

    if (allowed && actions.DisjunctRowSelect()) {
        const bool inRowSelection = IsFlagSet(*p->rowSelect, ASelectRow);
        if (((p->mouseDown && ARow == Row()) || !inRowSelection) && (!p->mouseDown || inRowSelection || !selected)) {
            AState &= ~TGridDrawState(gdSelected);
        } else {
            AState = gdSelected;
            takeSelectionColors();
        }
    } else if (allowed && actions.DisjunctColSelect()) {
        const bool inColSelection = IsFlagSet(*p->colSelect, ACol);
        if ((inColSelection && (!p->mouseDown || ACol != Col())) || (p->mouseDown && selected && !inColSelection)) {
            AState = gdSelected;
            takeSelectionColors();
        }
    } else if (!actions.DisjunctRowSelect() && !actions.DisjunctColSelect() &&
               ((allowed && IsSelected(ACol, ARow)) || (selected && p->mouseDown && ShowSel()))) {
        const TColor brush = Look.brush;
        takeSelectionColors();
        if (p->selectionColor != clNone && brush != Color())
            Look.brush = MixSelectionColor(brush);
        AState |= gdSelected;
    }

    if (actions.DisjunctCellSelect() && ShowSel()) {
        if (p->selectedCells.HasValue((ARow << 16) | ACol)) {
            takeSelectionColors();
            AState |= gdSelected;
        } else if (ACol == Col() && ARow == Row()) {
            AState &= ~TGridDrawState(gdSelected);
            Look = unselected;
        }
    }
}
