// The cell store's texts and objects (through merge redirection and the display
// hooks), the properties records of cells, the undo link and the neutral
// answers of the virtual operations.

#include "grid/foundation/cellstore/BaseGrid.h"

#include "grid/foundation/cellstore/BaseGridPrivate.h"
#include "grid/foundation/util/ExUtilText.h"
#include "platform/ui/paint/DrawText.h"

#include <algorithm>

namespace {

[[noreturn]] void GridIndexOutOfRange()
{
    throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
}

}  // namespace

TBaseGrid::TBaseGrid(QWidget* parent) : TStringGrid(parent), p(std::make_unique<Private>())
{
    TCustomGrid::SetGridLineWidth(0);
    TCustomGrid::SetDefaultDrawing(false);
}

TBaseGrid::~TBaseGrid()
{
    p->destroying = true;
    if (p->undoRedo)
        p->undoRedo->forgetGrid(this);
    FreeAllCellProperties();
}

// ---- cell texts ----

QString TBaseGrid::Cells(int c, int r)
{
    int bc = c;
    int br = r;
    ResolveBaseCell(c, r, bc, br);
    QString text = TStringGrid::Cells(bc, br);
    if (br < p->normalRowCount)
        text = displayText(bc, br, text);
    return text;
}

QString TBaseGrid::displayText(int c, int r, QString text)
{
    QueryDisplayText(c, r, text);
    if (OnGetDisplWideText) {
        QString wide = DecodeWideCellText(text);
        QueryDisplayWideText(c, r, wide);
        text = EncodeWideCellText(wide);
    }
    return text;
}

void TBaseGrid::SetCells(int c, int r, const QString& Value)
{
    if (HasCellProperties(c, r)) {
        int bc = c;
        int br = r;
        ResolveBaseCell(c, r, bc, br);
        TStringGrid::SetCells(bc, br, Value);
        CellContentChanged(bc, br);
        if (parentWidget())
            RepaintCell(c, r);
    } else {
        TStringGrid::SetCells(c, r, Value);
    }
    if (p->hideLastRow && RowCount() == r + 1)
        FooterRowChanged();
}

QString TBaseGrid::GridCells(int c, int r) const
{
    return TStringGrid::Cells(c, r);
}

void TBaseGrid::SetGridCells(int c, int r, const QString& Value)
{
    TStringGrid::SetCells(c, r, Value);
}

// ---- objects and properties ----

TCellProperties* TBaseGrid::propertiesAt(int c, int r) const
{
    return dynamic_cast<TCellProperties*>(TStringGrid::Objects(c, r));
}

TObject* TBaseGrid::Objects(int c, int r) const
{
    const TCellProperties* props = propertiesAt(c, r);
    return props ? props->CellObject() : nullptr;
}

// An empty cell holds a blank for the moment of the store, so that a grid that
// reacts to the cell's text sees a cell with content.
void TBaseGrid::SetObjects(int c, int r, TObject* Value)
{
    const bool wasEmpty = Cells(c, r).isEmpty();
    if (wasEmpty)
        SetCells(c, r, QStringLiteral(" "));
    CellProperties(c, r)->SetCellObject(Value);
    if (wasEmpty)
        SetCells(c, r, QString());
}

TObject* TBaseGrid::GridObjects(int c, int r) const
{
    return TStringGrid::Objects(c, r);
}

void TBaseGrid::SetGridObjects(int c, int r, TObject* Value)
{
    TStringGrid::SetObjects(c, r, Value);
    if (Value)
        noteStoredCell(c, r);
}

TObject* TBaseGrid::GraphicObjects(int c, int r) const
{
    const TCellProperties* props = propertiesAt(c, r);
    return props ? props->GraphicObject() : nullptr;
}

void TBaseGrid::SetGraphicObjects(int c, int r, TObject* Value)
{
    if (p->destroying)
        return;
    const bool wasEmpty = Cells(c, r).isEmpty();
    if (wasEmpty)
        SetCells(c, r, QStringLiteral(" "));
    CellProperties(c, r)->SetGraphicObject(Value);
    if (wasEmpty)
        SetCells(c, r, QString());
}

TObject* TBaseGrid::GraphicObjectOf(const TCellProperties* props)
{
    return props ? props->GraphicObject() : nullptr;
}

TCellProperties* TBaseGrid::CellProperties(int c, int r)
{
    if (c < 0 || r < 0)
        GridIndexOutOfRange();
    if (TCellProperties* props = propertiesAt(c, r))
        return props;
    return createCellProperties(c, r);
}

TCellProperties* TBaseGrid::createCellProperties(int c, int r)
{
    auto* props = new TCellProperties(this, c, r);
    TStringGrid::SetObjects(c, r, props);
    noteStoredCell(c, r);

    TFont font;
    TBrush brush;
    TColor colorTo = clNone;
    TColor mirror = clNone;
    TColor mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = p->wordWrap;
    TCellGradientDirection gd = GradientVertical;
    QueryDefaultCellProperties(c, r, &font, &brush, colorTo, mirror, mirrorTo, ha, va, ww, gd);

    props->SetCalcType(acNONE);
    props->SetAlignment(ha);
    props->SetVAlignment(va);
    props->SetWordWrap(ww);
    props->SetFontName(font.Name());
    props->SetFontSize(font.Size());
    props->SetFontStyle(font.Style());
    props->SetFontColor(font.Color());
    props->SetBrushColor(brush.Color());
    props->SetBrushColorTo(colorTo);
    props->SetGradientDirection(gd);
    return props;
}

void TBaseGrid::SetCellProperties(int c, int r, TCellProperties* Value)
{
    if (c < 0 || r < 0)
        GridIndexOutOfRange();
    TCellProperties* old = propertiesAt(c, r);
    if (old == Value)
        return;
    TStringGrid::SetObjects(c, r, Value);
    if (Value)
        noteStoredCell(c, r);
    delete old;
}

bool TBaseGrid::HasCellProperties(int c, int r) const
{
    return c >= 0 && c < TotalColCount() && r >= 0 && r < RowCount() && propertiesAt(c, r) != nullptr;
}

void TBaseGrid::noteStoredCell(int c, int r)
{
    p->storedCols = std::max(p->storedCols, c + 1);
    p->storedRows = std::max(p->storedRows, r + 1);
}

// ---- resets and frees ----

void TBaseGrid::ResetColumnCells(int ACol)
{
    for (int r = 0; r < RowCount(); ++r) {
        TStringGrid::SetObjects(ACol, r, nullptr);
        SetCells(ACol, r, QString());
    }
}

void TBaseGrid::ResetRowCells(int ARow)
{
    for (int c = 0; c < ColCount(); ++c) {
        TStringGrid::SetObjects(c, ARow, nullptr);
        SetCells(c, ARow, QString());
    }
}

void TBaseGrid::ResetCell(int ACol, int ARow)
{
    SetCells(ACol, ARow, QString());
    TStringGrid::SetObjects(ACol, ARow, nullptr);
}

void TBaseGrid::FreeCellProperties(int ACol, int ARow)
{
    if (TCellProperties* props = propertiesAt(ACol, ARow)) {
        TStringGrid::SetObjects(ACol, ARow, nullptr);
        delete props;
    }
}

void TBaseGrid::FreeCellPropertiesInRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    if (!p->hasCellProps)
        return;
    for (int c = std::max(ACol1, 0); c <= ACol2; ++c)
        for (int r = std::max(ARow1, 0); r <= ARow2; ++r)
            FreeCellProperties(c, r);
}

void TBaseGrid::FreeAllCellProperties()
{
    const int cols = std::max({p->storedCols, ColCount(), TotalColCount()});
    const int rows = std::max(p->storedRows, RowCount());
    FreeCellPropertiesInRect(0, 0, cols - 1, rows - 1);
}

void TBaseGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    p->storedCols = std::max({p->storedCols, FromIndex + 1, ToIndex + 1});
    TStringGrid::ColumnMoved(FromIndex, ToIndex);
}

void TBaseGrid::RowMoved(int FromIndex, int ToIndex)
{
    p->storedRows = std::max({p->storedRows, FromIndex + 1, ToIndex + 1});
    TStringGrid::RowMoved(FromIndex, ToIndex);
}

// ---- undo link ----

TExGridUndoRedo* TBaseGrid::UndoRedo() const
{
    return p->undoRedo;
}

void TBaseGrid::SetUndoRedo(TExGridUndoRedo* value)
{
    if (p->undoRedo == value)
        return;
    if (p->undoRedo)
        p->undoRedo->forgetGrid(this);
    p->undoRedo = value;
    if (!value)
        return;
    if (value->Grid() && value->Grid() != this)
        value->Grid()->forgetUndoRedo(value);
    value->SetGrid(this);
}

void TBaseGrid::forgetUndoRedo(TExGridUndoRedo* component)
{
    if (p->undoRedo == component)
        p->undoRedo = nullptr;
}

// ---- hooks with their neutral answers ----

bool TBaseGrid::IsFixed(int, int)
{
    return false;
}

int TBaseGrid::RowNodeIndent(int)
{
    return 0;
}

bool TBaseGrid::HasNodeRows()
{
    return false;
}

void TBaseGrid::RenderCellContent(TCanvas* Canvas, int ACol, int ARow, const TRect& ARect, TGridDrawState)
{
    TRect r = ARect;
    DrawText(Canvas, Cells(ACol, ARow), r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TBaseGrid::FooterRowChanged() {}

void TBaseGrid::QueryDisplayText(int ACol, int ARow, QString& Value)
{
    if (OnGetDisplText)
        OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::QueryDisplayWideText(int ACol, int ARow, QString& Value)
{
    if (OnGetDisplWideText)
        OnGetDisplWideText(this, ACol, ARow, Value);
}

void TBaseGrid::QueryDefaultCellProperties(int, int, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                           TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                           TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    AFont->Assign(Font());
    ABrush->SetColor(Color());
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;
    HA = taLeftJustify;
    VA = vtaTop;
    WW = p->wordWrap;
    GD = GradientVertical;
}

void TBaseGrid::CellContentChanged(int, int) {}

bool TBaseGrid::HasCellBorderEvent()
{
    return false;
}

bool TBaseGrid::QueryUseStyles()
{
    return false;
}

void TBaseGrid::GetVisualProperties(int, int, TGridDrawState&, bool, bool, bool, TBrush*, TColor&, TColor&, TColor&,
                                    TFont*, TAlignment&, TVAlignment&, bool&, TCellGradientDirection&)
{
}

int TBaseGrid::DisplColIndex(int ACol)
{
    return ACol;
}

int TBaseGrid::TotalColCount() const
{
    return ColCount();
}

// ---- platform hooks ----

bool TBaseGrid::SelectCell(int ACol, int ARow)
{
    RepaintCell(Col(), Row());
    const bool allowed = TStringGrid::SelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    return allowed;
}
