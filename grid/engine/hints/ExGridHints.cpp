// Cell hints, the balloon tooltips of cells and their cancelling, the owner
// form's resize, and the small services on selection counts.
//
// A tooltip event over the viewport fills a THintInfo for the cell under the
// mouse: the comment of a cell decoration, an anchor's hint, the cell text with
// HintShowCells, a text too large for its cell with HintShowLargeText, and
// OnGridHint last (not on a floating footer's row). Markup hints show in the
// grid's THTMLHintWindow, the others as platform tooltips. Balloon tooltips
// stand on the platform's TBalloonToolTip and ask GetBalloonText at each
// showing; the mouse movement cancels hints and balloons.

#include "grid/engine/hints/ExGridHints.h"
#include "grid/engine/hints/ExGridHintWindow.h"

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/markup/EsgHTMLE.h"
#include "grid/foundation/markup/EsgHTMLEUtil.h"
#include "grid/foundation/styles/ExUtilPaintLayered.h"
#include "grid/foundation/util/ExUtilText.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/window/BalloonToolTip.h"
#include "platform/ui/window/Dialogs.h"

#include <QtGui/QHelpEvent>
#include <QtWidgets/QToolTip>

// ---- the hint window choice -----------------------------------------------------------

namespace {

const QPoint TooltipOffset(2, 16);

THintWindowClass& defaultHintWindowClass()
{
    static THintWindowClass windowClass = hwcPlatformHint;
    return windowClass;
}

// Swaps a setting of the grid for a while and puts it back, also when a
// measurement fails.
class TEnhTextSizeOff {
public:
    explicit TEnhTextSizeOff(TExStringGrid& grid) : grid_(grid), old_(grid.EnhTextSize()) { grid_.SetEnhTextSize(false); }
    ~TEnhTextSizeOff() { grid_.SetEnhTextSize(old_); }
    TEnhTextSizeOff(const TEnhTextSizeOff&) = delete;
    TEnhTextSizeOff& operator=(const TEnhTextSizeOff&) = delete;

private:
    TExStringGrid& grid_;
    bool old_;
};

} // namespace

void UseHTMLHints() { defaultHintWindowClass() = hwcHTMLHint; }

THintWindowClass DefaultHintWindowClass() { return defaultHintWindowClass(); }

void ShowHintRequest(const THintInfo& Info)
{
    if (Info.HintStr.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, ToQColor(Info.HintColor));
    QToolTip::setPalette(palette);
    // The toolkit places its tooltip 2 pixels right of and 16 below the point
    // it is given; the hint's own position is where its corner goes.
    QToolTip::showText(ToQPoint(Info.HintPos) - TooltipOffset, Info.HintStr);
}

// ---- hint settings ----------------------------------------------------------------------

bool TExStringGrid::HintShowCells() const { return p->hints.hintShowCells; }
void TExStringGrid::SetHintShowCells(bool Value) { p->hints.hintShowCells = Value; }
bool TExStringGrid::HintShowLargeText() const { return p->hints.hintShowLargeText; }
void TExStringGrid::SetHintShowLargeText(bool Value) { p->hints.hintShowLargeText = Value; }
bool TExStringGrid::HTMLHint() const { return p->hints.htmlHint; }
void TExStringGrid::SetHTMLHint(bool Value) { p->hints.htmlHint = Value; }
QString TExStringGrid::LastAnchorHint() const { return p->hints.lastAnchorHint; }
TPoint TExStringGrid::LastHintCell() const { return TPoint{p->lastHintX, p->lastHintY}; }

// ---- the cell hint -----------------------------------------------------------------------

bool TExStringGrid::viewportEvent(QEvent* e)
{
    if (e->type() != QEvent::ToolTip)
        return TBaseGrid::viewportEvent(e);
    const auto* help = static_cast<QHelpEvent*>(e);
    THintInfo info;
    info.CursorPos = FromQPoint(help->pos());
    info.HintPos = FromQPoint(help->globalPos());
    info.HintWindowClass = DefaultHintWindowClass();
    info.HintStr = ShowHint() ? Hint() : QString();
    platform::RunReportingFaults([&] { HandleHintShow(info); });
    if (ShowHint())
        showHintRequest(info);
    return true;
}

// A markup hint shows in the grid's own hint window, any other as a platform
// tooltip; an empty request hides both.
void TExStringGrid::showHintRequest(const THintInfo& Info)
{
    THTMLHintWindow* window = p->scroll.hintWindow;
    if (Info.HintWindowClass != hwcHTMLHint || Info.HintStr.isEmpty()) {
        if (window && !p->move.sizingHintShown)
            window->hide();
        ShowHintRequest(Info);
        return;
    }
    QToolTip::hideText();
    window = GridHintWindow();
    TRect r = window->CalcHintRect(Info.HintMaxWidth > 0 ? Info.HintMaxWidth : 32000, Info.HintStr, this);
    OffsetRect(r, Info.HintPos.X, Info.HintPos.Y);
    window->SetColor(Info.HintColor);
    window->ActivateHint(r, Info.HintStr);
}

int TExStringGrid::HandleHintShow(THintInfo& Info)
{
    PrepareCellHint(Info.HintStr, Info);
    return 0;
}

void TExStringGrid::PrepareCellHint(QString& Hint, THintInfo& Info)
{
    const TGridCoord cell = MouseCoord(Info.CursorPos.X, Info.CursorPos.Y);
    if (p->controlLook->HintMaxWidth() > 0)
        Info.HintMaxWidth = p->controlLook->HintMaxWidth();
    SetHTMLHintFontName(Font().Name());
    if (cell.X >= 0 && cell.Y >= 0)
        prepareHintOfCell(cell.X, cell.Y, Hint, Info);
    Info.HintColor = p->hintColor;
}

void TExStringGrid::prepareHintOfCell(int c, int r, QString& Hint, THintInfo& Info)
{
    const TPoint base = BaseCell(c, r);
    c = base.X;
    r = base.Y;
    p->lastHintX = c;
    p->lastHintY = r;
    const TRect R = CellRect(c, r);
    const int rc = DisplayToRealCol(c);
    const QString stored = GridCells(rc, r);

    Info.HintPos = IsComment(rc, r, Hint) ? TPoint{R.Right, R.Top} : TPoint{Info.CursorPos.X, R.Bottom + 6};
    if (p->anchorHint && ClassifyCellText(stored, p->enableHTML) == ctMarkup)
        anchorHint(c, r, R, stored, Hint, Info);
    const int kind = ClassifyCellText(stored, true);
    if (p->hints.hintShowCells && c >= FixedCols() && c < ColCount() - FixedRightCols() && r >= FixedRows() &&
        r < RowCount() - FixedFooters()) {
        Info.HintPos.Y = R.Top;
        if (kind == ctWideEncoded)
            Hint = DecodeWideCellText(stored);
        else
            Hint = p->hints.htmlHint ? stored : GetStrippedCell(rc, r);
    }
    largeTextHint(rc, r, R, stored, Hint, Info);
    if (!(p->floatingFooter->Visible() && r == RowCount() - 1)) {
        QString wide;
        QueryCellHint(c, r, Hint, wide);
        if (!wide.isEmpty())
            Hint = wide;
    }
    const int hintKind = ClassifyCellText(Hint, true);
    if ((hintKind == ctMarkup || hintKind == ctWideEncoded) && p->useInternalHintClass) {
        Info.HintWindowClass = hwcHTMLHint;
        Info.HintData = this;
    }
    Info.HintPos = FromQPoint(viewport()->mapToGlobal(ToQPoint(Info.HintPos)));
}

void TExStringGrid::anchorHint(int c, int r, const TRect& R, const QString& Text, QString& Hint, THintInfo& Info)
{
    QImage surface(1, 1, QImage::Format_ARGB32_Premultiplied);
    TCanvas canvas(&surface);
    canvas.Font()->Assign(*GetCellFont(c, r));
    QString anchor, plain, focusAnchor, title, controlID, controlValue, controlType;
    int width = 0, height = 0, anchors = 0, hitIndex = 0;
    TRect hitRect, controlRect;
    bool measured = false;
    try {
        measured = RenderMarkupText(&canvas, Text, R, GridImages(), Info.CursorPos.X, Info.CursorPos.Y, -1, -1, 1,
                                    true, false, false, false, true, false, false, false, 1.0, p->urlColor, clNone,
                                    clNone, clGray, anchor, plain, focusAnchor, title, width, height, anchors,
                                    hitIndex, hitRect, controlRect, controlID, controlValue, controlType,
                                    p->imageCache.get(), nullptr, this, bdLeftToRight);
    } catch (const Exception&) {
        measured = false;
    }
    if (!measured || anchor.isEmpty())
        return;
    QString text = title.isEmpty() ? anchor : title;
    if (OnAnchorHint)
        OnAnchorHint(this, r, DisplayToRealCol(c), text);
    p->hints.lastAnchorHint = text;
    Hint = text;
    Info.HintPos = TPoint{Info.CursorPos.X + 8, Info.CursorPos.Y - 16};
}

void TExStringGrid::largeTextHint(int rc, int r, const TRect& R, const QString& Text, QString& Hint,
                                  THintInfo& Info)
{
    TSize size;
    {
        TEnhTextSizeOff exact(*this);
        size = GetCellTextSize(rc, r, false, false);
    }
    if (!p->hints.hintShowLargeText || (size.cx <= R.Right - R.Left && size.cy <= R.Bottom - R.Top))
        return;
    if (p->hintShowLargeTextPos == hpCell)
        Info.HintPos = TPoint{R.Left, R.Top};
    const int kind = ClassifyCellText(Text, true);
    Hint = kind == ctMarkup && !p->hints.htmlHint ? StripMarkupTags(Text) : Text;
}

void TExStringGrid::CancelHintsAndBalloons(int X, int Y)
{
    const TGridCoord cell = MouseCoord(X, Y);
    const TPoint base = cell.X >= 0 && cell.Y >= 0 ? BaseCell(cell.X, cell.Y) : TPoint{-1, -1};
    if (p->lastHintX != -1 && (base.X != p->lastHintX || base.Y != p->lastHintY)) {
        QToolTip::hideText();
        if (p->scroll.hintWindow && !p->move.sizingHintShown)
            p->scroll.hintWindow->hide();
        p->lastHintX = -1;
        p->lastHintY = -1;
    }
    const TPoint balloon = p->lastBalloonCell;
    if (p->balloon->Enable() && balloon.X != -1 && (base.X != balloon.X || base.Y != balloon.Y)) {
        if (p->hints.toolTip)
            p->hints.toolTip->Pop();
        p->lastBalloonCell = TPoint{-1, -1};
    }
}

// ---- balloon tooltips -----------------------------------------------------------------------

void SetWindowOpacity(QWidget* Window, TColor Key, quint8 Opacity, const TRect& R)
{
    CallSetLayeredWindowAttributes(Window, Key, Opacity, LWA_ALPHA);
    // The platform refuses this update for a window with layered attributes;
    // the constant opacity is what stays.
    const TPoint origin{R.Left, R.Top};
    const TSize size{R.Right - R.Left, R.Bottom - R.Top};
    TBlendFunction blend;
    blend.SourceConstantAlpha = 0;
    CallUpdateLayeredWindow(Window, nullptr, &origin, &size, nullptr, &origin, Key, &blend, ULW_ALPHA);
}

platform::TBalloonToolTip* TExStringGrid::BalloonWindow() const { return p->hints.toolTip.data(); }

void TExStringGrid::BalloonInit()
{
    if (p->hints.balloonInitialised)
        return;
    p->hints.balloonInitialised = true;
    CreateBalloonWindow();
    AddBalloonTool(3, QStringLiteral("ToolTipText"));
    platform::TBalloonToolTip* tip = p->hints.toolTip.data();
    if (!tip)
        return;
    const TBalloonSettings& b = *p->balloon;
    if (b.InitialDelay() != -1)
        tip->SetInitialDelay(b.InitialDelay());
    if (b.ReshowDelay() != -1)
        tip->SetReshowDelay(b.ReshowDelay());
    if (b.AutoHideDelay() != -1)
        tip->SetAutoPopDelay(b.AutoHideDelay());
    if (b.Transparency() != 0)
        SetWindowOpacity(tip, 0, quint8(255 - b.Transparency()), Rect(0, 0, 100, 100));
}

void TExStringGrid::BalloonDone()
{
    if (p->hints.toolTip)
        DestroyBalloonWindow();
    p->hints.balloonInitialised = false;
}

void TExStringGrid::BalloonEnableChanged()
{
    if (IsLoading())
        return;
    if (p->balloon->Enable())
        BalloonInit();
    else
        BalloonDone();
}

void TExStringGrid::CreateBalloonWindow() { p->hints.toolTip = new platform::TBalloonToolTip(this, viewport()); }

void TExStringGrid::DestroyBalloonWindow() { delete p->hints.toolTip.data(); }

void TExStringGrid::AddBalloonTool(int AIcon, const QString& AText)
{
    platform::TBalloonToolTip* tip = p->hints.toolTip.data();
    if (!tip)
        return;
    tip->OnNeedText = [this](platform::TBalloonText& request) { return balloonText(request); };
    tip->SetTitle(AText.left(255), AIcon);
}

bool TExStringGrid::balloonText(platform::TBalloonText& Request)
{
    QString title, text;
    int icon = 1;
    if (!GetBalloonText(Request.Point.x(), Request.Point.y(), title, text, icon))
        return false;
    const TBalloonSettings& b = *p->balloon;
    platform::TBalloonToolTip* tip = p->hints.toolTip.data();
    tip->SetMaxTipWidth(300);
    tip->SetTipColors(b.TextColor(), b.BackgroundColor());
    Request.Title = title;
    Request.Text = text;
    Request.Icon = icon;
    return true;
}

// ---- the search footer ------------------------------------------------------------------------

// The grid has no search panel until the search footer brings it, so there
// is nothing to copy the settings into yet.
void TExStringGrid::ApplySearchFooter() {}

// ---- the owner form's resize ------------------------------------------------------------------

void TExStringGrid::HandleFormResize(QWidget* AForm)
{
    if (p->destroying || QueryDesignMode())
        return;
    if (p->sizeWithForm && AForm) {
        const int newWidth = AForm->width() + Width() - p->prevSizeX;
        const int newHeight = AForm->height() + Height() - p->prevSizeY;
        if (newWidth > 0 && newHeight > 0) {
            SetWidth(newWidth);
            SetHeight(newHeight);
            p->prevSizeX = AForm->width();
            p->prevSizeY = AForm->height();
        }
    }
    applyAutomaticStretch();
}

// ---- selection counts ---------------------------------------------------------------------------

namespace {

int CellKey(int ACol, int ARow) { return ARow * 65536 + (ACol & 0xFFFF); }

} // namespace

void TExStringGrid::ClearSelectedCells()
{
    SetSelection(TGridRect{FixedCols(), FixedRows(), FixedCols(), FixedRows()});
    p->selectedCells.Clear();
    Invalidate();
}

void TExStringGrid::ClearModifiedRows()
{
    p->modifiedRows->Clear();
    Invalidate();
}

void TExStringGrid::InitOrigColSizes()
{
    p->originalColWidths->Clear();
    for (int c = 0; c < ColCount(); ++c)
        p->originalColWidths->Add(ColWidths(c));
    p->scaleGridWidth = Width();
}

TGridCoord TExStringGrid::SelectedCell(int Index) const
{
    const auto entry = quint32(p->selectedCells.GetInteger(Index));
    return TGridCoord{int(entry & 0xFFFF), int(entry >> 16)};
}

int TExStringGrid::SelectedCellsCount()
{
    if (p->mouseActions->DisjunctCellSelect())
        return p->selectedCells.Count();
    TIntList& cells = p->selectedCells;
    cells.Clear();
    const TGridRect s = Selection();
    if (s.Left == s.Right && s.Top == s.Bottom) {
        cells.Add(CellKey(Col(), Row()));
        return cells.Count();
    }
    for (int c = s.Left; c <= s.Right; ++c)
        for (int r = s.Top; r <= s.Bottom; ++r)
            if (!cells.HasValue(CellKey(c, r)))
                cells.Add(CellKey(c, r));
    return cells.Count();
}

bool TExStringGrid::SelectedCells(int ACol, int ARow) const
{
    if (p->mouseActions->DisjunctCellSelect())
        return p->selectedCells.HasValue(CellKey(ACol, ARow));
    const TGridRect s = Selection();
    return ACol >= std::min(s.Left, s.Right) && ACol <= std::max(s.Left, s.Right) &&
           ARow >= std::min(s.Top, s.Bottom) && ARow <= std::max(s.Top, s.Bottom);
}

void TExStringGrid::SetSelectedCells(int ACol, int ARow, bool Value)
{
    TIntList& cells = p->selectedCells;
    const int key = CellKey(ACol, ARow);
    if (Value == cells.HasValue(key))
        return;
    if (Value)
        cells.Add(key);
    else
        cells.DeleteValue(key);
    RepaintCell(ACol, ARow);
}

int TExStringGrid::SelectedRowCount()
{
    if (p->mouseActions->DisjunctRowSelect())
        return int(p->selectedRows.size());
    TGridRect s = Selection();
    s.Bottom = std::min(s.Bottom, RowCount() - FixedFooters() - 1);
    const int spanTop = CellSpan(s.Left, s.Top).Y;
    if (IsMergedCell(s.Left, s.Top) && s.Bottom < s.Top + spanTop)
        return spanTop + 1;
    return std::abs(s.Top - s.Bottom) + 1 + (IsMergedCell(s.Left, s.Bottom) ? CellSpan(s.Left, s.Bottom).Y : 0);
}

int TExStringGrid::SelectedColCount()
{
    if (p->mouseActions->DisjunctColSelect())
        return ColSelectCount();
    const TGridRect s = Selection();
    const int spanLeft = CellSpan(s.Left, s.Top).X;
    if (IsMergedCell(s.Left, s.Top) && s.Right < s.Left + spanLeft)
        return spanLeft + 1;
    return std::abs(s.Left - s.Right) + 1 + (IsMergedCell(s.Right, s.Top) ? CellSpan(s.Right, s.Top).X : 0);
}

int TExStringGrid::SelectedRow(int Index) const
{
    if (p->mouseActions->DisjunctRowSelect())
        return Index >= 0 && Index < int(p->selectedRows.size()) ? p->selectedRows[size_t(Index)] : -1;
    const TGridRect s = Selection();
    const int row = std::min(s.Top, s.Bottom) + Index;
    return Index >= 0 && row <= std::max(s.Top, s.Bottom) ? row : -1;
}
