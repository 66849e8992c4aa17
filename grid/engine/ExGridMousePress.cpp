// The left press: what the grid decides before the base grid selects, sizes
// or moves, and the state the press leaves for the moves and the release.

#include "grid/engine/ExGridPrivate.h"

#include "grid/foundation/EsgHTMLE.h"
#include "grid/foundation/ExUtilText.h"
#include "platform/ui/Canvas.h"
#include "platform/process/WebAddress.h"

#include <QtGui/QFontMetrics>
#include <QtGui/QImage>

#include <algorithm>

namespace {

// Where a press sizes a column instead of clicking its header.
constexpr int SizingBand = 4;
// Each step of a rating is half a star this many pixels wide.
constexpr int RatingStep = 9;

// Switches Navigation.AlwaysEdit off while the base grid handles a press.
class TAlwaysEditOff {
public:
    explicit TAlwaysEditOff(TNavigation* nav) : nav_(nav), old_(nav->AlwaysEdit()) { nav_->SetAlwaysEdit(false); }
    ~TAlwaysEditOff() { nav_->SetAlwaysEdit(old_); }
    TAlwaysEditOff(const TAlwaysEditOff&) = delete;
    TAlwaysEditOff& operator=(const TAlwaysEditOff&) = delete;

private:
    TNavigation* nav_;
    bool old_;
};

} // namespace

void TExStringGrid::WMLButtonDown(TShiftState Shift, int X, int Y) { HandleWmLButtonDown(Shift, X, Y); }

void TExStringGrid::HandleWmLButtonDown(TShiftState Shift, int X, int Y)
{
    TExGridPressState& ps = p->press;
    ps.keepDown = ps.doOnClick = ps.downMove = true;
    p->mouseDown = true;
    TGridCoord hit = MouseCoord(X, Y);

    bool allow = true;
    if (hit.X >= 0 && hit.Y >= 0 && OnCanClickCell)
        OnCanClickCell(this, hit.Y, hit.X, allow);
    if (!allow)
        return;

    // The probe cell a little left of and above the press, for the sizing paths.
    const TGridCoord probe = hit.Y == 0 ? MouseCoord(X - 5, Y) : hit.X == 0 ? MouseCoord(X, Y - 4) : MouseCoord(X - 5, Y - 4);
    ps.colClicked = probe.X;
    ps.rowClicked = probe.Y;
    if (probe.X >= 0 && probe.Y >= 0) {
        ps.colClickedSize = ColWidths(probe.X);
        ps.rowClickedSize = RowHeights(probe.Y);
    }
    ps.point = {X, Y};
    ps.selectStart = -1;
    ps.moveCell = -1;
    ps.pressRow = hit.Y;

    if (hit.X < 0 || hit.Y < 0) {
        HideEditor();
        if (!FixedRowAlways())
            TBaseGrid::WMLButtonDown(Shift, X, Y);
        return;
    }
    const TPoint base = BaseCell(hit.X, hit.Y);
    const TRect R = CellRect(base.X, base.Y);
    const bool fixedArea = hit.X < FixedCols() || hit.Y < FixedRows();
    const bool innerFixed = !fixedArea && IsFixed(hit.X, hit.Y);
    if (fixedArea || innerFixed)
        HideEditor();

    const bool inside = InsideGrid(hit);
    const int realCol = DisplayToRealCol(hit.X);
    if (inside) {
        if (IsRadio(realCol, hit.Y) && (p->controlLook->RadioAlwaysActive() || [&] {
                bool canEdit = true;
                QueryCellEditable(realCol, hit.Y, canEdit);
                return canEdit;
            }())) {
            HideEditor();
            ClickRadioOption(realCol, hit.Y, X - R.Left, Y - R.Top);
            setFocus(Qt::MouseFocusReason);
            return;
        }
        if (pressRating(hit.X, hit.Y, X))
            return;
    }

    if (probe.X >= 0 && probe.Y >= 0) {
        const TRect pr = CellRect(probe.X, probe.Y);
        ps.clickPosDx = pr.Right - X;
        ps.clickPosDy = pr.Bottom - Y;
    } else {
        ps.clickPosDx = ps.clickPosDy = 0;
    }

    if (followAnchor(hit.X, hit.Y, X, Y))
        return;

    if (hit.Y < FixedRows() && hit.X >= FixedCols()) {
        ps.moveCell = hit.X;
    } else if (hit.X < FixedCols() && hit.Y >= FixedRows()) {
        ps.moveCell = hit.Y;
    }
    if (ps.moveCell >= 0) {
        ps.moveOfsX = X - R.Left;
        ps.moveOfsY = Y - R.Top;
    }

    if (inside && pressCheckBox(hit.X, hit.Y, X, Y, Shift))
        return;

    if (innerFixed) {
        if (OnClickCell)
            OnClickCell(this, hit.Y, hit.X);
        return;
    }

    // The ordinary press: the base selects, sizes or moves.
    if (!p->selectionHidden) {
        TAlwaysEditOff alwaysEditOff(p->navigation.get());
        TBaseGrid::WMLButtonDown(Shift, X, Y);
    }
    const bool sizingBand = hit.Y < FixedRows() && Options().testFlag(goColSizing) &&
                            (X - R.Left < SizingBand || R.Right - X < SizingBand);
    if (!sizingBand && OnClickCell)
        OnClickCell(this, hit.Y, hit.X);
}

// A check box (or a single radio button) under the press toggles; the current
// cell moves there and the click is reported.
bool TExStringGrid::pressCheckBox(int ACol, int ARow, int X, int Y, TShiftState Shift)
{
    const int realCol = DisplayToRealCol(ACol);
    bool mayEdit = Options().testFlag(goEditing) || p->mouseActions->RangeSelectAndEdit();
    if (mayEdit)
        QueryCellEditable(realCol, ARow, mayEdit);
    if (!mayEdit && !p->controlLook->CheckAlwaysActive() && !(ACol == 0 && p->mouseActions->HotmailRowSelect()))
        return false;
    if (!HasCheckBox(realCol, ARow) || !IsInCheckBox(realCol, ARow, X, Y))
        return false;
    HideEditor();
    setFocus(Qt::MouseFocusReason);
    ToggleCellCheck(realCol, ARow, true);
    bool state = false;
    GetCheckBoxState(realCol, DisplayToRealRow(ARow), state);
    if (!p->navigation->AlwaysEdit() && ACol >= FixedCols() && ARow >= FixedRows())
        MoveColRow(ACol, ARow, true, true);
    FireCheckBoxClick(ACol, ARow, state);
    if (OnMouseDown)
        OnMouseDown(this, mbLeft, Shift, X, Y);
    Click();
    return true;
}

// A press on an editable rating cell rates it by the half stars left of the press.
bool TExStringGrid::pressRating(int ACol, int ARow, int X)
{
    const int realCol = DisplayToRealCol(ACol);
    if (!HasRating(realCol, ARow))
        return false;
    bool canEdit = true;
    QueryCellEditable(realCol, ARow, canEdit);
    if (!canEdit)
        return false;
    HideEditor();
    int rate = (X - CellRect(ACol, ARow).Left) / RatingStep / 2;
    bool allow = true;
    if (OnRatingChange)
        OnRatingChange(this, ACol, ARow, rate, allow);
    if (allow) {
        SetFloats(realCol, ARow, rate);
        InvalidateCell(ACol, ARow);
    }
    return true;
}

// The anchor of a markup cell text under the client point, empty when none
// (a form control counts as none here).
QString TExStringGrid::markupAnchorAt(int ACol, int ARow, const QString& Text, int X, int Y)
{
    QImage surface(1, 1, QImage::Format_ARGB32_Premultiplied);
    TCanvas canvas(&surface);
    canvas.Font()->Assign(*GetCellFont(ACol, ARow));
    TRect r = CellRect(ACol, ARow);
    r.Left += p->xyOffset.X + 1;
    r.Top += p->xyOffset.Y + 1;
    r.Right -= p->xyOffset.X;
    if (HasCheckBox(DisplayToRealCol(ACol), ARow))
        r.Left += p->controlLook->CheckSize();
    QString anchor, plain, focusAnchor, title, controlID, controlValue, controlType;
    int width = 0, height = 0, anchors = 0, hitIndex = 0;
    TRect hitRect, controlRect;
    RenderMarkupText(&canvas, Text, r, nullptr, X, Y, -1, -1, 1, true, false, false, false, true, false, false,
                     true, 1.0, clBlue, clNone, clNone, clGray, anchor, plain, focusAnchor, title, width, height,
                     anchors, hitIndex, hitRect, controlRect, controlID, controlValue, controlType,
                     p->imageCache.get(), nullptr, this, bdLeftToRight);
    return controlID.isEmpty() ? anchor : QString();
}

// A link under the press: a cell reference moves the current cell, a web or
// mail address opens in the user's programs; any other target opens nothing.
bool TExStringGrid::followAnchor(int ACol, int ARow, int X, int Y)
{
    const QString text = Cells(DisplayToRealCol(ACol), ARow);
    const int kind = ClassifyCellText(text, EnableHTML());
    QString anchor;
    if (kind == ctMarkup)
        anchor = markupAnchorAt(ACol, ARow, text, X, Y);
    else if (URLShow() && ContainsUrlScheme(text))
        anchor = text;
    if (anchor.isEmpty())
        return false;
    bool follow = true;
    if (OnAnchorClick)
        OnAnchorClick(this, ARow, ACol, anchor, follow);
    if (!follow)
        return true;
    if (anchor.toUpper().contains(QStringLiteral("CELL://"))) {
        TPoint ref{0, 0};
        if (ParseRowColRef(anchor.mid(7), ref) && ref.X >= 0 && ref.Y >= 0 && ref.X < ColCount() &&
            ref.Y < RowCount()) {
            SetRow(ref.Y);
            SetCol(ref.X);
            ScrollInView(ref.X, ref.Y);
        }
    } else {
        platform::OpenWebAddress(anchor);
    }
    return true;
}

void TExStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    HandleMouseDown(Button, Shift, X, Y);
}

void TExStringGrid::HandleMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TExGridRenderState& r = *p->render;
    if (r.panning) {
        endPanning();
    } else if (Button == mbMiddle && r.intelliPan != ipNone && RowCount() > FixedRows()) {
        startPanning(X, Y);
    }
    TBaseGrid::MouseDown(Button, Shift, X, Y);

    const TGridCoord hit = MouseCoord(X, Y);
    if (hit.X < 0 || hit.Y < 0 || (hit.X >= FixedCols() && hit.Y >= FixedRows()))
        return;
    const TMouseActions* ma = p->mouseActions.get();
    const bool fixedRow = hit.Y < FixedRows();
    const bool fixedCol = hit.X < FixedCols();
    if (Button == mbLeft) {
        const bool rows = ma->FixedRowsEdit() == fceLeftClick && fixedRow;
        const bool cols = !rows && ma->FixedColsEdit() == fceLeftClick && fixedCol;
        if (!rows && !cols)
            return;
        const TRect R = CellRect(hit.X, hit.Y);
        const bool sizing = Options().testFlag(rows ? goColSizing : goRowSizing);
        const bool wellInside = X >= R.Left + SizingBand && X < R.Right - SizingBand && Y >= R.Top + SizingBand &&
                                Y < R.Bottom - SizingBand;
        if (sizing && !wellInside)
            return;
        ShowFixedCellEditor(hit.X, hit.Y);
    } else if (Button == mbRight) {
        if ((ma->FixedRowsEdit() == fceRightClick && fixedRow) || (ma->FixedColsEdit() == fceRightClick && fixedCol))
            ShowFixedCellEditor(hit.X, hit.Y);
    }
}

void TExStringGrid::ShowFixedCellEditor(int ACol, int ARow)
{
    bool canEdit = true;
    if (OnCanEditCell)
        OnCanEditCell(this, ARow, ACol, canEdit);
    if (!canEdit)
        return;
    p->press.fixedEditCell = {ACol, ARow};
    TGridFixedCellEditor kind = ACol == 0 ? p->mouseActions->FixedColsEditor() : p->mouseActions->FixedRowsEditor();
    TStringList values;
    values.Assign(*p->mouseActions->FixedComboValues());
    QueryFixedCellEditor(ACol, ARow, kind, &values);
}

TPoint TExStringGrid::FixedEditCell() const { return p->press.fixedEditCell; }

int TExStringGrid::RadioOptionAt(const QList<int>& Widths, bool Horizontal, int Spacing, int TextHeight, int X, int Y)
{
    int start = 0;
    for (int i = 0; i < Widths.size(); ++i) {
        const int span = Horizontal ? Widths[i] + Spacing : std::max(Spacing, TextHeight);
        const int pos = Horizontal ? X : Y;
        if (start < pos && pos < start + span)
            return i;
        start += span;
    }
    return -1;
}

void TExStringGrid::ClickRadioOption(int ACol, int ARow, int X, int Y)
{
    QStringList options;
    bool horizontal = false;
    if (!GetRadioOptions(ACol, ARow, options, horizontal))
        return;
    const int displayCol = RealToDisplayCol(ACol);
    const TPoint base = BaseCell(displayCol, ARow);
    if (!IsFixed(base.X, base.Y) && base.X >= FixedCols() && base.Y >= FixedRows())
        MoveColRow(base.X, base.Y, true, true);
    const int spacing =
        p->controlLook->ControlStyle() >= csWinXP ? 16 : p->controlLook->RadioSize();
    const QFontMetrics metrics(GetCellFont(displayCol, ARow)->ToQFont());
    QList<int> widths;
    for (const QString& option : options)
        widths.append(metrics.horizontalAdvance(option));
    const int index = RadioOptionAt(widths, horizontal, spacing, metrics.height(), X, Y);
    if (index < 0)
        return;
    SetCells(ACol, ARow, options[index]);
    if (OnRadioClick)
        OnRadioClick(this, ACol, ARow, index);
}
