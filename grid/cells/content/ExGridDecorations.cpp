// Cell decorations: pictures, images, progress bars, comments, shapes,
// ratings, cell scroll bars, markers, buttons, balloons, expand buttons,
// interfaced objects and rotated text. Each is one cell graphic of its kind;
// adding one replaces whatever graphic the cell had. Objects a Create member
// makes die with the graphic, objects given to an Add member stay the caller's.

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/pictures/ExObjFilePicture.h"
#include "platform/picture/Icon.h"
#include "platform/picture/Picture.h"

#include <QtWidgets/QScrollBar>

#include <cmath>
#include <utility>

namespace {

template <class T>
T* referenced(const TCellRef& ref)
{
    if (const auto* graphic = std::get_if<TGraphic*>(&ref))
        return dynamic_cast<T*>(*graphic);
    return nullptr;
}

TObject* referencedObject(const TCellRef& ref)
{
    const auto* object = std::get_if<TObject*>(&ref);
    return object ? *object : nullptr;
}

bool isButtonKind(TCellType kind) { return kind == ctButton || kind == ctBitButton; }

// A new graphic of the kind at its fixed placement, replacing the cell's.
TCellGraphic* placedGraphic(TExStringGrid& grid, int ACol, int ARow, TCellType kind, TCellHAlign hal,
                            TCellVAlign val)
{
    TCellGraphic* g = grid.CreateCellGraphic(ACol, ARow);
    g->CellType = kind;
    g->CellHAlign = hal;
    g->CellVAlign = val;
    return g;
}

}  // namespace

// ---- bitmaps, icons and pictures ---------------------------------------------------------

TBitmap* TExStringGrid::CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    auto* bitmap = new TBitmap;
    AddBitmap(ACol, ARow, bitmap, Transparent, hal, val);
    GetCellGraphic(ACol, ARow)->CellCreated = true;
    return bitmap;
}

void TExStringGrid::AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetBitmap(ABmp, Transparent, hal, val);
}

TBitmap* TExStringGrid::GetBitmap(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType == ctBitmap ? referenced<TBitmap>(g->CellBitmap) : nullptr;
}

bool TExStringGrid::HasBitmap(int ACol, int ARow) { return HasGraphicOfKind(ACol, ARow, {ctBitmap}); }

void TExStringGrid::RemoveBitmap(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitmap); }

TIcon* TExStringGrid::CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val)
{
    auto* icon = new TIcon;
    AddIcon(ACol, ARow, icon, hal, val);
    GetCellGraphic(ACol, ARow)->CellCreated = true;
    return icon;
}

void TExStringGrid::AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetIcon(AIcon, hal, val);
}

void TExStringGrid::RemoveIcon(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctIcon); }

TPicture* TExStringGrid::CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                       TCellHAlign hal, TCellVAlign val)
{
    auto* picture = new TPicture;
    AddPicture(ACol, ARow, picture, Transparent, StretchMode, Padding, hal, val);
    GetCellGraphic(ACol, ARow)->CellCreated = true;
    return picture;
}

void TExStringGrid::AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode,
                               int Padding, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetPicture(APicture, Transparent, StretchMode, Padding, hal, val);
}

TPicture* TExStringGrid::GetPicture(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    const auto* picture = g && g->CellType == ctPicture ? std::get_if<TPicture*>(&g->CellBitmap) : nullptr;
    return picture ? *picture : nullptr;
}

bool TExStringGrid::HasPicture(int ACol, int ARow) { return HasGraphicOfKind(ACol, ARow, {ctPicture}); }

void TExStringGrid::RemovePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctPicture); }

TFilePicture* TExStringGrid::CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode,
                                               int Padding, TCellHAlign hal, TCellVAlign val)
{
    auto* picture = new TFilePicture;
    AddFilePicture(ACol, ARow, picture, Transparent, StretchMode, Padding, hal, val);
    GetCellGraphic(ACol, ARow)->CellCreated = true;
    return picture;
}

void TExStringGrid::AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent,
                                   TStretchMode StretchMode, int Padding, TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetFilePicture(AFilePicture, Transparent, StretchMode, Padding, hal, val);
}

TFilePicture* TExStringGrid::GetFilePicture(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType == ctFilePicture ? dynamic_cast<TFilePicture*>(referencedObject(g->CellBitmap)) : nullptr;
}

void TExStringGrid::RemoveFilePicture(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctFilePicture); }

// ---- images of the image list ------------------------------------------------------------

void TExStringGrid::AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (p->gridImages)
        CreateCellGraphic(ACol, ARow)->SetImageIdx(Aidx, hal, val);
}

bool TExStringGrid::GetImageIdx(int ACol, int ARow, int& Idx)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!p->gridImages || !g || g->CellType != ctImageList)
        return false;
    Idx = g->CellIndex;
    return true;
}

void TExStringGrid::SetImageIdx(int ACol, int ARow, int Idx)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (p->gridImages && g && g->CellType == ctImageList)
        g->CellIndex = Idx;
}

void TExStringGrid::RemoveImageIdx(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImageList); }

void TExStringGrid::AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val)
{
    if (!p->gridImages)
        return;
    CreateCellGraphic(ACol, ARow)->SetDataImage(Aidx, hal, val);
    if (Cells(ACol, ARow).isEmpty())
        SetInts(ACol, ARow, Aidx);
}

bool TExStringGrid::HasDataImage(int ACol, int ARow) { return HasGraphicOfKind(ACol, ARow, {ctDataImage}); }

// The text is the image's data: it goes only with a data image.
void TExStringGrid::RemoveDataImage(int ACol, int ARow)
{
    if (RemoveCellGraphicOfType(ACol, ARow, ctDataImage))
        SetCells(ACol, ARow, QString());
}

void TExStringGrid::AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val)
{
    if (!p->gridImages)
        return;
    CreateCellGraphic(ACol, ARow)->SetMultiImage(ACol, ARow, Dir, hal, val, [this](TObject* list, int c, int r) {
        MultiImageChanged(list, c, r);
    });
}

void TExStringGrid::RemoveMultiImage(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctImages); }

TIntList* TExStringGrid::GetCellImages(int ACol, int ARow)
{
    if (GetCellType(ACol, ARow) != ctImages)
        return nullptr;
    return dynamic_cast<TIntList*>(referencedObject(GetCellGraphic(ACol, ARow)->CellBitmap));
}

void TExStringGrid::MultiImageChanged(TObject*, int ACol, int ARow) { repaintRealCell(ACol, ARow); }

qint64 TExStringGrid::GetCellImageKey(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return -1;
    switch (g->CellType) {
    case ctBitmap:
        return static_cast<qint64>(reinterpret_cast<quintptr>(referenced<TGraphic>(g->CellBitmap)));
    case ctIcon:
        return static_cast<qint64>(reinterpret_cast<quintptr>(referenced<TGraphic>(g->CellIcon)));
    case ctImageList:
        return g->CellIndex;
    default:
        return -1;
    }
}

// ---- progress bars and range indicators ------------------------------------------------------

void TExStringGrid::AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, clNone, BKColor, clNone, QString(), 0, 100);
    GetCellGraphic(ACol, ARow)->CellBoolean = false;
}

void TExStringGrid::AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                  TColor BKTextColor)
{
    AddProgressFormatted(ACol, ARow, FGColor, FGTextColor, BKColor, BKTextColor, QString(), 0, 100);
}

void TExStringGrid::AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                                         TColor BKTextColor, const QString& Fmt, int Min, int Max)
{
    TCellGraphic* g = placedGraphic(*this, ACol, ARow, ctProgress, haLeft, vaTop);
    g->CellBitmap = FGColor;
    g->CellIcon = BKColor;
    g->CellIndex = static_cast<qint32>(FGTextColor);
    g->CellAngle = static_cast<qint32>(BKTextColor);
    g->CellErrFrom = Min;
    g->CellErrLen = Max;
    g->CellText = Fmt;
    g->CellBoolean = true;
    if (p->autoNumAlign)
        SetAlignments(ACol, ARow, taRightJustify);
}

bool TExStringGrid::HasProgress(int ACol, int ARow) { return HasGraphicOfKind(ACol, ARow, {ctProgress}); }

void TExStringGrid::RemoveProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgress); }

void TExStringGrid::AddExProgress(int ACol, int ARow, int Min, int Max)
{
    TCellGraphic* g = placedGraphic(*this, ACol, ARow, ctXPProgress, haLeft, vaTop);
    g->CellErrFrom = Min;
    g->CellErrLen = Max;
    g->CellBoolean = false;
}

void TExStringGrid::RemoveExProgress(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctXPProgress); }

void TExStringGrid::AddProgressPie(int ACol, int ARow, TColor Color, int Value)
{
    TCellGraphic* g = placedGraphic(*this, ACol, ARow, ctProgressPie, haBeforeText, vaTop);
    g->CellBitmap = Color;
    g->CellAngle = Value;
}

void TExStringGrid::SetProgressPie(int ACol, int ARow, int Value)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctProgressPie)
        return;
    g->CellAngle = Value;
    repaintRealCell(ACol, ARow);
}

void TExStringGrid::RemoveProgressPie(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctProgressPie); }

void TExStringGrid::AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue)
{
    TCellGraphic* g = placedGraphic(*this, ACol, ARow, ctRangeIndicator, haLeft, vaTop);
    g->CellIndex = Range;
    g->CellBitmap = NegColor;
    g->CellIcon = PosColor;
    g->CellBoolean = ShowValue;
}

void TExStringGrid::RemoveRangeIndicator(int ACol, int ARow)
{
    RemoveCellGraphicOfType(ACol, ARow, ctRangeIndicator);
}

// ---- comments ---------------------------------------------------------------------------------

void TExStringGrid::AddComment(int ACol, int ARow, const QString& Comment)
{
    AddColorComment(ACol, ARow, Comment, p->controlLook->CommentColor());
}

void TExStringGrid::AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color)
{
    TCellGraphic* g = placedGraphic(*this, ACol, ARow, ctComment, haLeft, vaTop);
    g->CellText = Comment;
    g->CellIndex = static_cast<qint32>(Color);
}

void TExStringGrid::SetComment(int ACol, int ARow, const QString& Value)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g) {
        AddComment(ACol, ARow, Value);
    } else if (g->CellType == ctComment) {
        g->CellText = Value;
        repaintRealCell(ACol, ARow);
    }
}

bool TExStringGrid::IsComment(int ACol, int ARow, QString& Comment)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType != ctComment)
        return false;
    Comment = g->CellText;
    return true;
}

QString TExStringGrid::GetComment(int ACol, int ARow)
{
    QString comment;
    IsComment(ACol, ARow, comment);
    return comment;
}

void TExStringGrid::RemoveComment(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctComment); }

void TExStringGrid::RemoveAllComments()
{
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            RemoveComment(c, r);
}

// ---- shapes and ratings -----------------------------------------------------------------------

void TExStringGrid::AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor,
                             TCellHAlign hal, TCellVAlign val)
{
    TCellGraphic* g = placedGraphic(*this, ACol, ARow, ctShape, hal, val);
    g->CellAngle = Shape;
    g->CellIndex = static_cast<qint32>(FillColor);
    g->CellBitmap = LineColor;
}

void TExStringGrid::SetShapeColor(int ACol, int ARow, TColor FillColor)
{
    if (GetCellType(ACol, ARow) != ctShape)
        return;
    GetCellGraphic(ACol, ARow)->CellIndex = static_cast<qint32>(FillColor);
    repaintRealCell(ACol, ARow);
}

TColor TExStringGrid::GetShapeColor(int ACol, int ARow)
{
    if (GetCellType(ACol, ARow) != ctShape)
        return clNone;
    return static_cast<TColor>(GetCellGraphic(ACol, ARow)->CellIndex);
}

void TExStringGrid::RemoveShape(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctShape); }

void TExStringGrid::AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor)
{
    TCellGraphic* g = placedGraphic(*this, ACol, ARow, ctRating, haFull, vaTop);
    g->CellAngle = Scale;
    g->CellIndex = static_cast<qint32>(FillColor);
    g->CellBitmap = EmptyColor;
}

bool TExStringGrid::HasRating(int ACol, int ARow) { return HasGraphicOfKind(ACol, ARow, {ctRating}); }

void TExStringGrid::RemoveRating(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRating); }

bool TExStringGrid::FireRatingChange(int ACol, int ARow, int& NewRate)
{
    bool allow = true;
    if (OnRatingChange)
        OnRatingChange(this, ACol, ARow, NewRate, allow);
    return allow;
}

// ---- cell scroll bars -------------------------------------------------------------------------

namespace {

TCellGraphic* baseGraphicOfKind(TExStringGrid& grid, int ACol, int ARow, TCellType kind)
{
    if (!grid.HasGraphicOfKind(ACol, ARow, {kind}))
        return nullptr;
    const TPoint base = grid.BaseCell(ACol, ARow);
    return grid.GetCellGraphic(base.X, base.Y);
}

}  // namespace

void TExStringGrid::AddScrollBar(int ACol, int ARow, bool AutoRange)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->CellType = ctScrollbar;
    g->CellIndex = 0;
    g->CellAngle = 0;
    g->CellErrFrom = 100;
    g->CellBoolean = AutoRange;
    if (AutoRange)
        CellContentChanged(ACol, ARow);
}

bool TExStringGrid::HasScrollBar(int ACol, int ARow) { return HasGraphicOfKind(ACol, ARow, {ctScrollbar}); }

bool TExStringGrid::HasAutoRangeScrollBar(int ACol, int ARow)
{
    const TCellGraphic* g = baseGraphicOfKind(*this, ACol, ARow, ctScrollbar);
    return g && g->CellBoolean;
}

void TExStringGrid::SetScrollPosition(int ACol, int ARow, int Pos)
{
    if (TCellGraphic* g = baseGraphicOfKind(*this, ACol, ARow, ctScrollbar)) {
        g->CellIndex = Pos;
        repaintRealCell(ACol, ARow);
    }
}

int TExStringGrid::GetScrollPosition(int ACol, int ARow)
{
    const TCellGraphic* g = baseGraphicOfKind(*this, ACol, ARow, ctScrollbar);
    return g ? g->CellIndex : -1;
}

void TExStringGrid::SetScrollProp(int ACol, int ARow, TScrollProp Prop)
{
    if (TCellGraphic* g = baseGraphicOfKind(*this, ACol, ARow, ctScrollbar)) {
        g->CellAngle = Prop.PageSize;
        g->CellErrFrom = Prop.Range;
    }
}

TScrollProp TExStringGrid::GetScrollProp(int ACol, int ARow)
{
    const TCellGraphic* g = baseGraphicOfKind(*this, ACol, ARow, ctScrollbar);
    return g ? TScrollProp{g->CellAngle, g->CellErrFrom} : TScrollProp{-1, -1};
}

void TExStringGrid::RemoveScrollBar(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctScrollbar); }

// The grid's one in-cell bar, while it serves a cell whose range follows its text.
QScrollBar* TExStringGrid::CellScrollBarWithAutoRange(int ACol, int ARow)
{
    if (!HasAutoRangeScrollBar(ACol, ARow) || p->scroll.cellBarCol != RealToDisplayCol(ACol) ||
        p->scroll.cellBarRow != ARow)
        return nullptr;
    return CellScrollBar();
}

// ---- markers ----------------------------------------------------------------------------------

void TExStringGrid::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    // a shared check box stands for a whole column: it carries no marker
    if (g && IsLentKind(g->CellType))
        return;
    if (!g) {
        g = CreateCellGraphic(ACol, ARow);
        g->CellType = ctEmpty;
    }
    g->CellErrFrom = ErrPos;
    g->CellErrLen = ErrLen;
    InvalidateCell(RealToDisplayCol(ACol), ARow);
}

void TExStringGrid::GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    ErrPos = g ? g->CellErrFrom : 0;
    ErrLen = g ? g->CellErrLen : 0;
}

void TExStringGrid::RemoveMarker(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return;
    if (g->CellType == ctEmpty) {
        RemoveCellGraphic(ACol, ARow);
        return;
    }
    g->CellErrFrom = 0;
    g->CellErrLen = 0;
}

void TExStringGrid::RemoveAllMarkers()
{
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            RemoveMarker(c, r);
}

// ---- buttons ----------------------------------------------------------------------------------

void TExStringGrid::AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                              TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetButton(bw, bh, Caption, hal, val);
}

void TExStringGrid::AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TBitmap* Glyph,
                                 TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TBitmap* TExStringGrid::CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                                        TCellVAlign val)
{
    auto* glyph = new TBitmap;
    AddBitButton(ACol, ARow, bw, bh, Caption, glyph, hal, val);
    GetCellGraphic(ACol, ARow)->CellCreated = true;
    return glyph;
}

void TExStringGrid::SetButtonText(int ACol, int ARow, const QString& Caption)
{
    TCellGraphic* g = GetCellGraphic(DisplayToRealCol(ACol), ARow);
    if (!g || !isButtonKind(g->CellType))
        return;
    g->CellText = Caption;
    RepaintCell(ACol, ARow);
}

QString TExStringGrid::GetButtonText(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(DisplayToRealCol(ACol), ARow);
    return g && isButtonKind(g->CellType) ? g->CellText : QString();
}

void TExStringGrid::PushButton(int ACol, int ARow, bool Pushed)
{
    TCellGraphic* g = GetCellGraphic(DisplayToRealCol(ACol), ARow);
    if (!g || !isButtonKind(g->CellType))
        return;
    g->CellBoolean = Pushed;
    RepaintCell(ACol, ARow);
}

bool TExStringGrid::HasButton(int ACol, int ARow) { return HasGraphicOfKind(ACol, ARow, {ctButton, ctBitButton}); }

void TExStringGrid::RemoveButton(int ACol, int ARow)
{
    if (!RemoveCellGraphicOfType(ACol, ARow, ctButton))
        RemoveCellGraphicOfType(ACol, ARow, ctBitButton);
}

void TExStringGrid::RemoveBitButton(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctBitButton); }

void TExStringGrid::RemoveAllButtons()
{
    for (int c = 0; c < ColCount(); ++c)
        for (int r = 0; r < RowCount(); ++r)
            if (HasButton(c, r))
                RemoveButton(c, r);
}

// The offset the drawing stored, the packed size, and full-cell placement.
TRect TExStringGrid::GetCellButtonRect(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(DisplayToRealCol(ACol), ARow);
    if (!g)
        return TRect{};
    const auto offset = static_cast<qint64>(std::nearbyint(g->CellValue));
    const TRect cell = CellRect(ACol, ARow);
    TRect r;
    r.Left = cell.Left + static_cast<int>(offset & 0xFFFF);
    r.Top = cell.Top + static_cast<int>((offset >> 16) & 0xFFFF);
    r.Right = r.Left + (g->CellIndex & 0xFFFF);
    r.Bottom = r.Top + ((g->CellIndex >> 16) & 0xFFFF);
    if (g->CellVAlign == vaFull) {
        r.Top = cell.Top;
        r.Bottom = cell.Bottom;
    }
    if (g->CellHAlign == haFull) {
        r.Left = cell.Left;
        r.Right = cell.Right;
    }
    return r;
}

// ---- balloons ---------------------------------------------------------------------------------

void TExStringGrid::AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text,
                               platform::TBalloonIcon Icon)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g && !CarriesBalloon(g->CellType))
        return;
    auto* texts = new TStringList;
    texts->Add(Title);
    texts->Add(Text);
    if (!g) {
        g = CreateCellGraphic(ACol, ARow);
        g->CellType = ctBalloon;
        g->CellAngle = 0;
    } else {
        // a balloon attached before is replaced, not leaked
        if (g->CellAngle == 1)
            FreeCellRef(g->CellBitmap);
        g->CellAngle = 1;
    }
    g->CellIndex = Icon;
    g->CellBitmap = static_cast<TObject*>(texts);
}

void TExStringGrid::RemoveBalloon(int ACol, int ARow)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (g && CarriesBalloon(g->CellType) && g->CellAngle == 1) {
        FreeCellRef(g->CellBitmap);
        g->CellAngle = 0;
        return;
    }
    RemoveCellGraphicOfType(ACol, ARow, ctBalloon);
}

bool TExStringGrid::HasBalloon(int ACol, int ARow) { return HasGraphicOfKind(ACol, ARow, {ctBalloon}); }

bool TExStringGrid::IsBalloon(int ACol, int ARow, QString& Title, QString& Text, platform::TBalloonIcon& Icon)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || !(g->CellType == ctBalloon || (CarriesBalloon(g->CellType) && g->CellAngle == 1)))
        return false;
    const auto* texts = dynamic_cast<const TStringList*>(referencedObject(g->CellBitmap));
    if (!texts || texts->Count() < 2)
        return false;
    Title = texts->Strings(0);
    Text = texts->Strings(1);
    Icon = static_cast<platform::TBalloonIcon>(g->CellIndex);
    return true;
}

// ---- expand buttons ---------------------------------------------------------------------------

void TExStringGrid::AddExpand(int ACol, int ARow, int ExpandedHeight)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->CellType = ctExpand;
    g->CellAngle = ExpandedHeight;
    g->CellIndex = RowHeights(ARow);
    g->CellVar = false;
}

bool TExStringGrid::HasExpand(int ACol, int ARow) { return HasGraphicOfKind(ACol, ARow, {ctExpand}); }

void TExStringGrid::RemoveExpand(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctExpand); }

namespace {

TCellGraphic* baseGraphic(TExStringGrid& grid, int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return nullptr;
    const TPoint base = grid.BaseCell(ACol, ARow);
    return grid.GetCellGraphic(base.X, base.Y);
}

}  // namespace

bool TExStringGrid::ToggleExpand(int ACol, int ARow)
{
    TCellGraphic* g = baseGraphic(*this, ACol, ARow);
    if (!g)
        return false;
    g->CellVar = !g->CellVar.toBool();
    return g->CellVar.toBool();
}

bool TExStringGrid::GetExpandState(int ACol, int ARow)
{
    const TCellGraphic* g = baseGraphic(*this, ACol, ARow);
    return g && g->CellVar.toBool();
}

int TExStringGrid::GetExpandHeight(int ACol, int ARow, bool Expanded)
{
    const TCellGraphic* g = baseGraphic(*this, ACol, ARow);
    if (!g)
        return DefaultRowHeight();
    return Expanded ? g->CellAngle : g->CellIndex;
}

// The 11 by 11 square at the cell's top right.
TRect TExStringGrid::GetExpandButtonRect(int ACol, int ARow)
{
    if (!HasExpand(DisplayToRealCol(ACol), ARow))
        return TRect{};
    const TRect cell = CellRect(ACol, ARow);
    return TRect{cell.Right - 13, cell.Top + 2, cell.Right - 2, cell.Top + 13};
}

// ---- interfaced objects and rotated text ----------------------------------------------------------

void TExStringGrid::AddInterfacedCell(int ACol, int ARow, TObject* AObject)
{
    CreateCellGraphic(ACol, ARow)->SetInterfacedCell(AObject);
}

TObject* TExStringGrid::GetInterfacedCell(int ACol, int ARow)
{
    const TCellGraphic* g = GetCellGraphic(ACol, ARow);
    return g && g->CellType == ctInterface ? referencedObject(g->CellBitmap) : nullptr;
}

void TExStringGrid::RemoveInterfacedCell(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctInterface); }

void TExStringGrid::AddRotated(int ACol, int ARow, qint16 AAngle, const QString& s)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->CellType = ctRotated;
    g->SetAngle(AAngle);
    SetCells(ACol, ARow, s);
}

// A graphic of another kind becomes rotated text; what it owned is freed
// first, as a rotated graphic refers to nothing.
void TExStringGrid::SetRotated(int ACol, int ARow, int AAngle)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || IsLentKind(g->CellType)) {
        g = CreateCellGraphic(ACol, ARow);
    } else if (g->CellType != ctRotated) {
        TCellGraphic former;
        former.CellType = g->CellType;
        former.CellCreated = g->CellCreated;
        former.CellAngle = g->CellAngle;
        former.CellBitmap = std::exchange(g->CellBitmap, std::monostate{});
        former.CellIcon = std::exchange(g->CellIcon, std::monostate{});
        g->CellCreated = false;
    }
    g->CellType = ctRotated;
    g->SetAngle(AAngle);
    repaintRealCell(ACol, ARow);
}

bool TExStringGrid::IsRotated(int ACol, int ARow, int& aAngle)
{
    if (GetCellType(ACol, ARow) != ctRotated)
        return false;
    aAngle = GetCellGraphic(ACol, ARow)->CellAngle;
    return true;
}

void TExStringGrid::RemoveRotated(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRotated); }
