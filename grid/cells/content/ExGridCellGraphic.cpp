// The cell graphic record, attaching and removing it, finding a cell's graphic
// and kind, measuring graphics on screen and for printing, and the display
// text hook that turns addresses into links (URLShowInText) and adds the group
// count to node rows. A new graphic takes the cell's slot before the old one is
// freed; the graphics a grid lends out (the row check box and the column grid's
// shared check box) are never freed by a cell. The record itself is declared in grid/engine (ExGridCellGraphic.h).

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/pictures/ExObjFilePicture.h"
#include "grid/foundation/util/ExUtilClipboard.h"
#include "platform/core/Format.h"
#include "platform/core/Exceptions.h"
#include "platform/picture/Graphic.h"
#include "platform/picture/ImageList.h"
#include "platform/picture/Picture.h"
#include "platform/ui/paint/Canvas.h"

#include <QtGui/QImage>

#include <algorithm>
#include <cmath>

// ---- the record -----------------------------------------------------------------

void FreeCellRef(TCellRef& Ref)
{
    if (auto* object = std::get_if<TObject*>(&Ref))
        delete *object;
    else if (auto* graphic = std::get_if<TGraphic*>(&Ref))
        delete *graphic;
    else if (auto* picture = std::get_if<TPicture*>(&Ref))
        delete *picture;
    Ref = std::monostate{};
}

bool IsCheckBoxKind(TCellType Kind)
{
    return Kind == ctCheckBox || Kind == ctDataCheckBox || Kind == ctVirtCheckBox || Kind == ctRowCheckBox ||
           Kind == ctTriStateCheckBox;
}

namespace {

// The kinds whose main object belongs to the graphic only when the grid made it.
bool ownsCreatedBitmap(TCellType kind)
{
    return kind == ctBitmap || kind == ctRadio || kind == ctPicture || kind == ctFilePicture || kind == ctBitButton;
}

}  // namespace

TCellGraphic::~TCellGraphic()
{
    const bool freeBitmap = (ownsCreatedBitmap(CellType) && CellCreated) || CellType == ctImages ||
                            CellType == ctBalloon || (CarriesBalloon(CellType) && CellAngle == 1);
    if (freeBitmap)
        FreeCellRef(CellBitmap);
    if (CellType == ctIcon && CellCreated)
        FreeCellRef(CellIcon);
}

void TCellGraphic::Assign(const TCellGraphic& Source)
{
    CellType = Source.CellType;
    CellVAlign = Source.CellVAlign;
    CellHAlign = Source.CellHAlign;
    CellIndex = Source.CellIndex;
    CellTransparent = Source.CellTransparent;
    CellValue = Source.CellValue;
    CellAngle = Source.CellAngle;
    CellBoolean = Source.CellBoolean;
    CellErrFrom = Source.CellErrFrom;
    CellErrLen = Source.CellErrLen;
    CellText = Source.CellText;
    CellCreated = Source.CellCreated;
}

void TCellGraphic::SetCheckBox(bool Value, bool Data, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    CellType = Data ? ctDataCheckBox : ctCheckBox;
    CellBoolean = Value;
    CellTransparent = Flat;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetCheckBox(TCheckBoxState Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctTriStateCheckBox;
    CellCheckBoxState = Value;
    CellBoolean = false;
    CellTransparent = Flat;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetRadioButton(bool Value, bool Flat, TCellHAlign hal, TCellVAlign val)
{
    SetCheckBox(Value, false, Flat, hal, val);
    CellType = ctRadioButton;
}

void TCellGraphic::SetBitmap(TGraphic* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctBitmap;
    CellBitmap = ABmp;
    CellTransparent = Transparent;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetIcon(TGraphic* AIcon, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctIcon;
    CellIcon = AIcon;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetImageIdx(int idx, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctImageList;
    CellIndex = idx;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetDataImage(int idx, TCellHAlign hal, TCellVAlign val)
{
    SetImageIdx(idx, hal, val);
    CellType = ctDataImage;
}

void TCellGraphic::SetMultiImage(int Col, int Row, int dir, TCellHAlign hal, TCellVAlign val,
                                 std::function<void(TObject*, int, int)> Notifier)
{
    CellType = ctImages;
    auto* list = new TIntList(Col, Row);
    list->OnChange = std::move(Notifier);
    CellBitmap = static_cast<TObject*>(list);
    CellCreated = true;
    CellBoolean = dir == 0;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetPicture(TPicture* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                              TCellHAlign hal, TCellVAlign val)
{
    CellType = ctPicture;
    CellBitmap = APicture;
    CellTransparent = Transparent;
    CellAngle = StretchMode;
    CellIndex = padding;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetFilePicture(TObject* APicture, bool Transparent, TStretchMode StretchMode, int padding,
                                  TCellHAlign hal, TCellVAlign val)
{
    SetPicture(nullptr, Transparent, StretchMode, padding, hal, val);
    CellType = ctFilePicture;
    CellBitmap = APicture;
}

void TCellGraphic::SetButton(int bw, int bh, const QString& caption, TCellHAlign hal, TCellVAlign val)
{
    CellType = ctButton;
    CellIndex = (bw & 0xFFFF) | ((bh & 0xFFFF) << 16);
    CellText = caption;
    CellBoolean = false;
    CellHAlign = hal;
    CellVAlign = val;
}

void TCellGraphic::SetBitButton(int bw, int bh, const QString& caption, TGraphic* Glyph, TCellHAlign hal,
                                TCellVAlign val)
{
    SetButton(bw, bh, caption, hal, val);
    CellType = ctBitButton;
    CellBitmap = Glyph;
}

void TCellGraphic::SetInterfacedCell(TObject* AObject)
{
    CellType = ctInterface;
    CellBitmap = AObject;
}

void TCellGraphic::SetAngle(int AAngle)
{
    while (AAngle < 0)
        AAngle += 360;
    while (AAngle > 360)
        AAngle -= 360;
    CellAngle = AAngle;
}

TPoint TCellGraphic::PictureExtent() const
{
    if (auto* picture = std::get_if<TPicture*>(&CellBitmap); picture && *picture)
        return {(*picture)->Width(), (*picture)->Height()};
    if (auto* graphic = std::get_if<TGraphic*>(&CellBitmap); graphic && *graphic)
        return {(*graphic)->Width(), (*graphic)->Height()};
    if (auto* object = std::get_if<TObject*>(&CellBitmap)) {
        if (auto* file = dynamic_cast<TFilePicture*>(*object))
            return {file->Width(), file->Height()};
    }
    return {0, 0};
}

void TCellGraphic::GetPictureSize(int cw, int rh, bool, TPoint& Size) const
{
    if (CellType != ctPicture && CellType != ctFilePicture)
        return;
    const TPoint own = PictureExtent();
    const int boxW = cw - CellIndex;
    const int boxH = rh - CellIndex;
    const bool fits = boxW >= own.X && boxH >= own.Y;
    auto withAspect = [&](bool capAtOne) {
        double rw = own.X > 0 ? double(boxW) / own.X : 1.0;
        double rhr = own.Y > 0 ? double(boxH) / own.Y : 1.0;
        if (capAtOne) {
            rw = std::min(rw, 1.0);
            rhr = std::min(rhr, 1.0);
        }
        if (rw >= rhr)
            Size = {static_cast<int>(std::nearbyint(own.X * rhr)), boxH};
        else
            Size = {boxW, static_cast<int>(std::nearbyint(own.Y * rw))};
    };
    switch (static_cast<TStretchMode>(CellAngle)) {
    case noStretch:
        Size = own;
        break;
    case Stretch:
        Size = {boxW, boxH};
        break;
    case StretchWithAspectRatio:
        withAspect(false);
        break;
    case Shrink:
        Size = fits ? own : TPoint{boxW, boxH};
        break;
    case ShrinkWithAspectRatio:
        if (fits)
            Size = own;
        else
            withAspect(true);
        break;
    }
}

// ---- finding a cell's graphic ------------------------------------------------------

// Column 0 of a grid with row check boxes lends the grid's one row check box,
// set from the row selection: row 0 stands for all rows, with the partial mark
// while only some are selected.
TCellGraphic* TExStringGrid::GetCellGraphic(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return nullptr;
    TObject* object = GraphicObjects(ACol, ARow);
    if (ACol != 0 || !p->mouseActions->HotmailRowSelect() || (object && !dynamic_cast<TCellGraphic*>(object)))
        return dynamic_cast<TCellGraphic*>(object);
    TCellGraphic& g = *p->rowCheckGraphic;
    g.CellType = ctRowCheckBox;
    g.CellTransparent = p->controlLook->ControlStyle() == csFlat;
    g.CellAngle = 0;
    if (ARow == 0) {
        const int selected = static_cast<int>(SelectedRows().size());
        const int rows = RowCount() - FixedRows();
        g.CellBoolean = selected >= rows;
        g.CellAngle = selected > 0 && selected < rows ? 1 : 0;
    } else {
        g.CellBoolean = ARow < RowCount() && RowSelect(DisplayToRealRow(ARow));
    }
    return &g;
}

TCellType TExStringGrid::GetCellType(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return ctEmpty;
    if (ACol == 0 && p->mouseActions->HotmailRowSelect())
        return ctRowCheckBox;
    const auto* graphic = dynamic_cast<const TCellGraphic*>(GraphicObjects(ACol, ARow));
    return graphic ? graphic->CellType : ctEmpty;
}

bool TExStringGrid::HasGraphicOfKind(int ACol, int ARow, std::initializer_list<TCellType> Kinds)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint base = BaseCell(ACol, ARow);
    const TCellGraphic* graphic = GetCellGraphic(base.X, base.Y);
    return graphic && std::find(Kinds.begin(), Kinds.end(), graphic->CellType) != Kinds.end();
}

bool TExStringGrid::HasClickableGraphic(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint base = BaseCell(ACol, ARow);
    switch (GetCellType(base.X, base.Y)) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadio:
    case ctButton:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRadioButton:
    case ctTriStateCheckBox:
        return true;
    default:
        return false;
    }
}

bool TExStringGrid::HasDataDrivenGraphic(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return false;
    const TPoint base = BaseCell(ACol, ARow);
    const TCellType kind = GetCellType(base.X, base.Y);
    return kind == ctDataCheckBox || kind == ctDataImage || kind == ctVirtCheckBox || kind == ctRowCheckBox;
}

// ---- attaching and removing ----------------------------------------------------------

// The old graphic leaves the slot before it is freed: storing the new one may
// write into the cell, and the change hooks and repaints that follow read the
// slot.
TCellGraphic* TExStringGrid::CreateCellGraphic(int ACol, int ARow)
{
    auto* old = dynamic_cast<TCellGraphic*>(GraphicObjects(ACol, ARow));
    if (old) {
        CellProperties(ACol, ARow)->SetGraphicObject(nullptr);
        delete old;
    }
    auto* graphic = new TCellGraphic;
    SetGraphicObjects(ACol, ARow, graphic);
    const int displayCol = RealToDisplayCol(ACol);
    if (NumHiddenColumns() > 0 && displayCol != ACol)
        RepaintCell(displayCol, ARow);
    return graphic;
}

bool TExStringGrid::RemoveCellGraphic(int ACol, int ARow)
{
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic)
        return false;
    if (GraphicObjects(ACol, ARow) == graphic)
        CellProperties(ACol, ARow)->SetGraphicObject(nullptr);
    if (!IsLentKind(graphic->CellType))
        delete graphic;
    if (!p->destroying)
        RepaintCell(RealToDisplayCol(ACol), ARow);
    return true;
}

bool TExStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType Kind)
{
    return GetCellType(ACol, ARow) == Kind && RemoveCellGraphic(ACol, ARow);
}

// ---- measuring ------------------------------------------------------------------------

namespace {

// Text sizes on a scratch surface in the given font.
class TextMeter {
public:
    explicit TextMeter(const TFont& font) : surface_(1, 1, QImage::Format_ARGB32_Premultiplied), canvas_(&surface_)
    {
        canvas_.Font()->Assign(font);
    }
    int Width(const QString& text) const { return canvas_.TextWidth(text); }
    int LineHeight() const { return canvas_.TextHeight(QStringLiteral("gh")); }

private:
    QImage surface_;
    TCanvas canvas_;
};

const TStringList* radioOptions(const TCellGraphic& g)
{
    const auto* object = std::get_if<TObject*>(&g.CellBitmap);
    return object ? dynamic_cast<const TStringList*>(*object) : nullptr;
}

const TIntList* imageIndexes(const TCellGraphic& g)
{
    const auto* object = std::get_if<TObject*>(&g.CellBitmap);
    return object ? dynamic_cast<const TIntList*>(*object) : nullptr;
}

TPoint graphicExtent(const TCellRef& ref)
{
    if (const auto* graphic = std::get_if<TGraphic*>(&ref); graphic && *graphic)
        return {(*graphic)->Width(), (*graphic)->Height()};
    return {0, 0};
}

bool besideText(const TCellGraphic& g) { return g.CellHAlign == haBeforeText || g.CellHAlign == haAfterText; }
bool aboveOrUnderText(const TCellGraphic& g) { return g.CellVAlign == vaUnderText || g.CellVAlign == vaAboveText; }

// A picture, icon or image placed beside, above or under text, or alone in
// its cell, takes its own size in that direction.
TPoint placedExtent(const TCellGraphic& g, TPoint own, bool hasText, bool heightAlways)
{
    return {besideText(g) || !hasText ? own.X : 0, heightAlways || aboveOrUnderText(g) || !hasText ? own.Y : 0};
}

TPoint radioExtent(const TCellGraphic& g, const TextMeter& meter, bool minimumLine)
{
    const TStringList* options = radioOptions(g);
    const int count = options ? options->Count() : 0;
    if (g.CellBoolean) {
        int width = 0;
        for (int i = 0; i < count; ++i)
            width += meter.Width(options->Strings(i)) + 12;
        return {width, meter.LineHeight()};
    }
    int widest = 0;
    for (int i = 0; i < count; ++i)
        widest = std::max(widest, meter.Width(options->Strings(i)));
    const int line = minimumLine ? std::max(16, meter.LineHeight()) : meter.LineHeight();
    return {12 + std::max(widest, 12), line * count};
}

TPoint imagesExtent(const TCellGraphic& g, const TImageList* images)
{
    const TIntList* list = imageIndexes(g);
    if (!images || !list)
        return {0, 0};
    const int n = list->Count();
    return g.CellBoolean ? TPoint{n * images->Width(), images->Height()} : TPoint{images->Width(), n * images->Height()};
}

// The size an interfaced object reports; a 0 answer takes the cell's.
TPoint interfaceExtent(const TCellGraphic& g, const TRect& cell)
{
    const auto* object = std::get_if<TObject*>(&g.CellBitmap);
    auto* cellInterface = object ? dynamic_cast<IGridCell*>(*object) : nullptr;
    if (!cellInterface)
        return {0, 0};
    const int w = cellInterface->GetExtentX();
    const int h = cellInterface->GetExtentY();
    return {w == 0 ? cell.Right - cell.Left : w, h == 0 ? cell.Bottom - cell.Top : h};
}

}  // namespace

TPoint TExStringGrid::GetCellGraphicSize(int ACol, int ARow)
{
    TPoint size{0, 0};
    MeasureCellGraphic(ACol, ARow, 0, size);
    return size;
}

void TExStringGrid::MeasureCellGraphic(int ACol, int ARow, int ReservedHeight, TPoint& Size)
{
    Size = {0, 0};
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return;
    const bool hasText = !Cells(ACol, ARow).isEmpty();
    const int check = p->controlLook->CheckSize();
    const int radio = p->controlLook->RadioSize();
    const TImageList* images = GetCellImageList();
    const TextMeter meter(Font());
    const int displayCol = RealToDisplayCol(ACol);
    const TRect cell = CellRect(displayCol, ARow);
    switch (g->CellType) {
    case ctBitmap:
        Size = placedExtent(*g, graphicExtent(g->CellBitmap), hasText, false);
        break;
    case ctIcon:
        Size = placedExtent(*g, graphicExtent(g->CellIcon), hasText, true);
        break;
    case ctImageList:
    case ctDataImage:
        if (images)
            Size = placedExtent(*g, {images->Width(), images->Height()}, hasText, false);
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
        Size = {check, check};
        break;
    case ctRadioButton:
        Size = {radio, radio};
        break;
    case ctRadio:
        Size = radioExtent(*g, meter, true);
        break;
    case ctImages:
        Size = imagesExtent(*g, images);
        break;
    case ctPicture:
    case ctFilePicture: {
        const TPoint area = CellSize(displayCol, ARow);
        const int factor = p->render->xyOffsetTopLeftOnly ? 1 : 2;
        g->GetPictureSize(area.X - factor * p->xyOffset.X - 1, area.Y - factor * p->xyOffset.Y - ReservedHeight - 1,
                          hasText, Size);
        break;
    }
    case ctButton:
    case ctBitButton: {
        const int storedW = g->CellIndex & 0xFFFF;
        const int storedH = (g->CellIndex >> 16) & 0xFFFF;
        if (hasText) {
            const int w = g->CellHAlign == haCenter ? 0
                          : g->CellHAlign == haFull ? meter.Width(g->CellText) + 4
                          : aboveOrUnderText(*g)    ? 0
                                                    : storedW;
            Size = {w, aboveOrUnderText(*g) ? storedH : 0};
        } else {
            Size = {g->CellHAlign == haFull ? meter.Width(g->CellText) + 4 : storedW, storedH};
        }
        break;
    }
    case ctInterface:
        Size = interfaceExtent(*g, cell);
        break;
    case ctProgressPie:
        Size = {20, 20};
        break;
    case ctRating:
        Size = {g->CellAngle * 18, 16};
        break;
    default:
        break;
    }
    if (g->CellVAlign == vaFull)
        Size.Y = cell.Bottom - cell.Top;
    const bool keepsWidth = g->CellType == ctRating ||
                            ((g->CellType == ctButton || g->CellType == ctBitButton) && !hasText && !g->CellText.isEmpty());
    if (g->CellHAlign == haFull && !keepsWidth)
        Size.X = cell.Right - cell.Left;
}

void TExStringGrid::MeasureCellGraphicInCell(int ACol, int ARow, int BoxWidth, int BoxHeight, double Scale,
                                             TPoint& Size)
{
    Size = {0, 0};
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return;
    const int check = p->controlLook->CheckSize();
    const int radio = p->controlLook->RadioSize();
    const TImageList* images = GetCellImageList();
    const TextMeter meter(Font());
    const int displayCol = RealToDisplayCol(ACol);
    switch (g->CellType) {
    case ctBitmap:
        Size = graphicExtent(g->CellBitmap);
        break;
    case ctIcon:
        Size = graphicExtent(g->CellIcon);
        break;
    case ctImageList:
        if (images)
            Size = {besideText(*g) || Cells(ACol, ARow).isEmpty() ? images->Width() : 0, images->Height()};
        break;
    case ctDataImage:
        if (images)
            Size = {images->Width(), images->Height()};
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
        Size = {check, check};
        break;
    case ctRadioButton:
        Size = {radio, radio};
        break;
    case ctNode:
    case ctProgressPie:
        Size = {20, 20};
        break;
    case ctRadio:
        Size = radioExtent(*g, meter, false);
        break;
    case ctImages:
        Size = imagesExtent(*g, images);
        break;
    case ctPicture:
    case ctFilePicture: {
        TPoint fitted{0, 0};
        g->GetPictureSize(BoxWidth, BoxHeight, false, fitted);
        const double scale = Scale > 0 ? Scale : 1.0;
        Size = {static_cast<int>(std::nearbyint(fitted.X / scale)), static_cast<int>(std::nearbyint(fitted.Y / scale))};
        break;
    }
    case ctProgress:
    case ctXPProgress:
        Size = {ColWidths(displayCol), RowHeights(ARow)};
        break;
    case ctButton:
    case ctBitButton:
        Size = {g->CellIndex & 0xFFFF, (g->CellIndex >> 16) & 0xFFFF};
        break;
    case ctInterface:
        Size = interfaceExtent(*g, CellRect(displayCol, ARow));
        break;
    case ctShape: {
        const int edge = RowHeights(ARow) - 2 * p->xyOffset.Y;
        Size = {edge, edge};
        break;
    }
    default:
        break;
    }
}

TImageList* TExStringGrid::GetCellImageList() { return p->gridImages; }
TImageList* TExStringGrid::GridImages() const { return p->gridImages; }

void TExStringGrid::SetGridImages(TImageList* Value)
{
    p->gridImages = Value;
    Invalidate();
}

// ---- display text ----------------------------------------------------------------------

GRID_REPAINTING_PROPERTY(bool, bool, URLShowInText, urlShowInText)

void TExStringGrid::QueryDisplayText(int ACol, int ARow, QString& Value)
{
    TBaseGrid::QueryDisplayText(ACol, ARow, Value);
    if (p->urlShowInText) {
        static const char* const prefixes[] = {"HTTP://", "WWW.", "MAILTO:", "HTTPS://", "NNTP://", "FILE://",
                                               "FTP://"};
        for (const char* prefix : prefixes) {
            QString linked;
            if (WrapUrlInAnchor(Value, QString::fromLatin1(prefix), linked)) {
                Value = linked;
                break;
            }
        }
    }
    // a group header shows how many member rows its node holds
    if (ACol == 1 && p->grouping->ShowGroupCount() && IsNode(ARow)) {
        const int members = GetNodeSpan(ARow) - GetSubNodeCount(ARow) - 1;
        const QString format = p->grouping->GroupCountFormat();
        if (format.isEmpty()) {
            Value += QStringLiteral(" (%1)").arg(members);
        } else {
            // a format that does not take one whole number shows no count
            try {
                Value += Format(format, {members});
            } catch (const EConvertError&) {
            }
        }
    }
}

bool TExStringGrid::IsWideCell(int ACol, int ARow) { return Cells(ACol, ARow).startsWith(QStringLiteral("|\\")); }

void TExStringGrid::RichEditSelectionChanged(TObject* Sender)
{
    if (OnRichEditSelectionChange)
        OnRichEditSelectionChange(Sender);
}
