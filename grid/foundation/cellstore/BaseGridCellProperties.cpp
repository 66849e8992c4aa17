// The properties record of a cell: its settings, what it refers to, copying
// and the repaint of its cell when a look changes.

#include "grid/foundation/cellstore/BaseGrid.h"
#include "grid/foundation/cellstore/BaseGridPrivate.h"

struct TCellProperties::Data {
    TBaseGrid* ownerGrid = nullptr;
    int ownerCol = 0;
    int ownerRow = 0;
    TObject* object = nullptr;
    TObject* graphicObject = nullptr;
    TBrushStyle brushStyle = bsSolid;
    TColor brushColor = clNone;
    TColor brushColorTo = clNone;
    int fontSize = 0;
    TColor fontColor = clNone;
    TFontStyles fontStyle;
    int cellSpanY = -1;
    int cellSpanX = -1;
    int borderWidth = 0;
    TColor borderColor = 0;
    TAlignment alignment = taLeftJustify;
    TVAlignment vAlignment = vtaTop;
    int paintID = 0;
    bool wordWrap = true;
    bool isBaseCell = true;
    TColumnCalcType calcType = acNONE;
    TObject* calcObject = nullptr;
    int nodeLevel = 0;
    TEditorType editor = edNormal;
    QString fontName;
    bool readOnly = false;
    TCellGradientDirection gradientDirection = GradientVertical;
    QWidget* control = nullptr;
};

TCellProperties::TCellProperties(TBaseGrid* AOwner, int ACol, int ARow) : d(std::make_unique<Data>())
{
    d->ownerGrid = AOwner;
    d->ownerCol = ACol;
    d->ownerRow = ARow;
    if (AOwner) {
        d->wordWrap = AOwner->WordWrap();
        AOwner->p->hasCellProps = true;
    }
}

TCellProperties::~TCellProperties()
{
    delete d->graphicObject;
}

void TCellProperties::Assign(const TCellProperties& Source)
{
    if (&Source == this)
        return;
    TBaseGrid* owner = d->ownerGrid;
    TObject* graphic = d->graphicObject;
    const TColumnCalcType calcType = d->calcType;
    TObject* calcObject = d->calcObject;
    const int paintID = d->paintID;
    *d = *Source.d;
    d->ownerGrid = owner;
    d->graphicObject = graphic;
    d->calcType = calcType;
    d->calcObject = calcObject;
    d->paintID = paintID;
}

TPoint TCellProperties::GetBaseCell(int c, int r) const
{
    if (!d->isBaseCell && d->cellSpanX != -1 && d->cellSpanY != -1)
        return {c - d->cellSpanX, r - d->cellSpanY};
    return {c, r};
}

void TCellProperties::repaintOwnerCell()
{
    if (d->ownerGrid)
        d->ownerGrid->RepaintCell(d->ownerCol, d->ownerRow);
}

TBaseGrid* TCellProperties::OwnerGrid() const { return d->ownerGrid; }
int TCellProperties::OwnerCol() const { return d->ownerCol; }
void TCellProperties::SetOwnerCol(int value) { d->ownerCol = value; }
int TCellProperties::OwnerRow() const { return d->ownerRow; }
void TCellProperties::SetOwnerRow(int value) { d->ownerRow = value; }
bool TCellProperties::IsBaseCell() const { return d->isBaseCell; }
void TCellProperties::SetIsBaseCell(bool value) { d->isBaseCell = value; }
int TCellProperties::CellSpanX() const { return d->cellSpanX; }
void TCellProperties::SetCellSpanX(int value) { d->cellSpanX = value; }
int TCellProperties::CellSpanY() const { return d->cellSpanY; }
void TCellProperties::SetCellSpanY(int value) { d->cellSpanY = value; }
TObject* TCellProperties::CellObject() const { return d->object; }
void TCellProperties::SetCellObject(TObject* value) { d->object = value; }
TObject* TCellProperties::GraphicObject() const { return d->graphicObject; }
void TCellProperties::SetGraphicObject(TObject* value) { d->graphicObject = value; }
TBrushStyle TCellProperties::BrushStyle() const { return d->brushStyle; }
void TCellProperties::SetBrushStyle(TBrushStyle value) { d->brushStyle = value; }
TColor TCellProperties::BrushColor() const { return d->brushColor; }

void TCellProperties::SetBrushColor(TColor value)
{
    d->brushColor = value;
    repaintOwnerCell();
}

TColor TCellProperties::BrushColorTo() const { return d->brushColorTo; }

void TCellProperties::SetBrushColorTo(TColor value)
{
    d->brushColorTo = value;
    repaintOwnerCell();
}

TCellGradientDirection TCellProperties::GradientDirection() const { return d->gradientDirection; }
void TCellProperties::SetGradientDirection(TCellGradientDirection value) { d->gradientDirection = value; }
int TCellProperties::FontSize() const { return d->fontSize; }
void TCellProperties::SetFontSize(int value) { d->fontSize = value; }
TColor TCellProperties::FontColor() const { return d->fontColor; }
void TCellProperties::SetFontColor(TColor value) { d->fontColor = value; }
TFontStyles TCellProperties::FontStyle() const { return d->fontStyle; }
void TCellProperties::SetFontStyle(TFontStyles value) { d->fontStyle = value; }
QString TCellProperties::FontName() const { return d->fontName; }
void TCellProperties::SetFontName(const QString& value) { d->fontName = value; }
int TCellProperties::BorderWidth() const { return d->borderWidth; }
void TCellProperties::SetBorderWidth(int value) { d->borderWidth = value; }
TColor TCellProperties::BorderColor() const { return d->borderColor; }
void TCellProperties::SetBorderColor(TColor value) { d->borderColor = value; }
TAlignment TCellProperties::Alignment() const { return d->alignment; }

void TCellProperties::SetAlignment(TAlignment value)
{
    d->alignment = value;
    repaintOwnerCell();
}

TVAlignment TCellProperties::VAlignment() const { return d->vAlignment; }

void TCellProperties::SetVAlignment(TVAlignment value)
{
    d->vAlignment = value;
    repaintOwnerCell();
}

bool TCellProperties::WordWrap() const { return d->wordWrap; }

void TCellProperties::SetWordWrap(bool value)
{
    d->wordWrap = value;
    repaintOwnerCell();
}

TColumnCalcType TCellProperties::CalcType() const { return d->calcType; }
void TCellProperties::SetCalcType(TColumnCalcType value) { d->calcType = value; }
TObject* TCellProperties::CalcObject() const { return d->calcObject; }
void TCellProperties::SetCalcObject(TObject* value) { d->calcObject = value; }
int TCellProperties::NodeLevel() const { return d->nodeLevel; }
void TCellProperties::SetNodeLevel(int value) { d->nodeLevel = value; }
TEditorType TCellProperties::Editor() const { return d->editor; }
void TCellProperties::SetEditor(TEditorType value) { d->editor = value; }
bool TCellProperties::ReadOnly() const { return d->readOnly; }
void TCellProperties::SetReadOnly(bool value) { d->readOnly = value; }
QWidget* TCellProperties::Control() const { return d->control; }
void TCellProperties::SetControl(QWidget* value) { d->control = value; }
int TCellProperties::PaintID() const { return d->paintID; }
void TCellProperties::SetPaintID(int value) { d->paintID = value; }
