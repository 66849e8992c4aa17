// The left press: what the grid decides before the base grid selects, sizes
// or moves, and the state the press leaves for the moves and the release.
//
// The base grid's viewport calls the button messages (WMLButtonDown, ...); the
// grid answers them in HandleWm... and hands a message to the base body at most
// once. The press goes through, in order: the selection grip (SelectionResizer:
// the selection is copied here and pasted into the dragged range on the release,
// between OnSelectionResize and OnSelectionResized), OnCanClickCell, fixed
// sizing, node glyphs (whose before-events may refuse), radio options, ratings,
// cell and expand buttons, links, check boxes, the inner fixed cells, the base
// press and direct editing. A link found in a plain URL or by hit-testing the
// markup either moves the current cell ("CELL://") or opens only through
// platform::OpenWebAddress. OnClickCell is not raised inside the header's sizing
// band; a left, right or double click may ask for the fixed-cell editor.

#include "grid/engine/ExGridPrivate.h"

#include "grid/foundation/markup/EsgHTMLE.h"
#include "grid/foundation/util/ExUtilText.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/process/WebAddress.h"

#include <QtGui/QFontMetrics>
#include <QtGui/QImage>

#include <algorithm>
#include <memory>

namespace {

// Each step of a rating is half a star this many pixels wide.
constexpr int RatingStep = 9;

// The shift state the grid passes when it fires OnMouseDown itself: one key,
// Alt before Shift before Ctrl.
TShiftState SingleShiftKey(TShiftState Shift)
{
    for (const TShiftStateFlag key : {ssAlt, ssShift, ssCtrl})
        if (Shift.testFlag(key))
            return TShiftState(key);
    return TShiftState();
}

} // namespace

void TExStringGrid::WMLButtonDown(TShiftState Shift, int X, int Y) { HandleWmLButtonDown(Shift, X, Y); }

void TExStringGrid::HandleWmLButtonDown(TShiftState Shift, int X, int Y)
{
    TExGridPressState& ps = p->press;
    ps.keepDown = ps.doOnClick = ps.downMove = true;
    p->mouseDown = true;
    TGridCoord hit = MouseCoord(X, Y);
    const TGridRect s0 = Selection();
    const TMouseActions* ma = p->mouseActions.get();
    if (pressGrip(Shift, X, Y, true))
        return;
    const auto inSelection = [](const TGridRect& r, const TGridCoord& c) {
        return c.X >= r.Left && c.X <= r.Right && c.Y >= r.Top && c.Y <= r.Bottom;
    };
    if (Options().testFlag(goEditing) && ma->RangeSelectAndEdit() && !inSelection(s0, hit))
        SetOptions(Options() & ~TGridOptions(goEditing));

    bool allow = true;
    if (hit.X >= 0 && hit.Y >= 0 && OnCanClickCell)
        OnCanClickCell(this, hit.Y, hit.X, allow);
    if (!allow || (p->mouseSelectMode == msResize && pressGrip(Shift, X, Y, false)))
        return;

    SetSearchInc(QString());
    notePress(hit, X, Y);

    if (hit.X < 0 || hit.Y < 0) {
        HideInplaceEdit();
        if (!FixedRowAlways())
            TBaseGrid::WMLButtonDown(Shift, X, Y);
        return;
    }
    const TPoint base = BaseCell(hit.X, hit.Y);
    hit = {base.X, base.Y};
    const TRect R = CellRect(base.X, base.Y);
    if (startFixedSizing(X, Y))
        return;
    const bool fixedArea = hit.X < FixedCols() || hit.Y < FixedRows();
    const bool innerFixed = !fixedArea && IsFixed(hit.X, hit.Y);
    if (fixedArea || innerFixed)
        HideInplaceEdit();

    const bool inside = InsideGrid(hit);
    const int realCol = DisplayToRealCol(hit.X);
    if (inside && ma->DisjunctCellSelect() && !Shift.testFlag(ssCtrl) && !fixedArea && !innerFixed) {
        p->selectedCells.Clear();
        Invalidate();
    }
    if (inside && pressOleDragCandidate(hit, R, Shift, X, Y))
        return;
    if ((inside && pressCellContent(hit, R, Shift, X, Y)) || followAnchor(hit.X, hit.Y, X, Y))
        return;
    if (inside)
        pressHeaderSelection(hit, Shift);
    if (hit.Y < FixedRows() && hit.X >= FixedCols())
        ps.moveCell = hit.X;
    else if (hit.X < FixedCols() && hit.Y >= FixedRows())
        ps.moveCell = hit.Y;
    if (ps.moveCell >= 0) {
        ps.moveOfsX = X - R.Left;
        ps.moveOfsY = Y - R.Top;
    }
    if (inside && pressCheckBox(hit.X, hit.Y, X, Y, Shift))
        return;

    const bool normal = hit.X >= FixedCols() && hit.Y >= FixedRows();
    const bool hasCombo = normal && p->controlLook->DropDownAlwaysVisible() && QueryHasComboBox(realCol, hit.Y);
    bool mayEdit = Options().testFlag(goEditing) || ma->RangeSelectAndEdit();
    if (mayEdit)
        QueryCellEditable(realCol, hit.Y, mayEdit);
    const bool directEdit = normal && (mayEdit || (ma->EditOnDblClickOnly() && hasCombo)) &&
                            (ma->DirectEdit() || (p->controlLook->DropDownAlwaysVisible() && hasCombo));
    if (directEdit) {
        HideInplaceEdit();
        setFocus(Qt::MouseFocusReason);
    }
    const TGridRect sel = Selection();
    const bool onCurrent = X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom && sel.Left == base.X &&
                           sel.Right == base.X && sel.Top == base.Y && sel.Bottom == base.Y;
    bool selectAtEnd = false;
    if (!onCurrent && ma->RangeSelectAndEdit() && !innerFixed && !mayEdit) {
        SetOptions(Options() & ~TGridOptions(goEditing));
        selectAtEnd = true;
    }

    if (innerFixed) {
        if (OnClickCell)
            OnClickCell(this, hit.Y, hit.X);
        return;
    }
    ordinaryPress(hit, base, R, Shift, X, Y, onCurrent || ma->DirectEdit(), mayEdit, directEdit);
    if (selectAtEnd)
        SetGridState(gsSelecting);
}

// A press on the grip at the selection's far corner starts resizing the
// selection from the copied cells; the release fills the new selection.
bool TExStringGrid::pressGrip(TShiftState Shift, int X, int Y, bool testGrip)
{
    if (!SelectionResizer() || !SelectionRectangle())
        return false;
    const TGridRect s0 = Selection();
    if (testGrip) {
        const TRect c = CellRect(s0.Right, s0.Bottom);
        const int left = isRightToLeft() ? c.Left : c.Right - 6;
        if (!(X >= left && X < left + 6 && Y >= c.Bottom - 6 && Y < c.Bottom))
            return false;
    }
    TExGridPressState& ps = p->press;
    SetGridState(gsSelecting);
    ps.dropSelection = s0;
    CopySelectionToClipboard();
    ps.mouseResize = true;
    const int col = Col();
    const int row = Row();
    if (!Options().testFlag(goEditing) && !p->mouseActions->RangeSelectAndEdit())
        TBaseGrid::WMLButtonDown(Shift, X, Y);
    SetSelection(s0);
    SetGridState(gsSelecting);
    if (Col() != col || Row() != row)
        MoveColRow(col, row, false, false);
    MouseMove(TShiftState(), X, Y);
    return true;
}

// The sizing probe cell a little left of and above the press, with its size
// and the press distance from its right and bottom edges, and the press point.
void TExStringGrid::notePress(const TGridCoord& hit, int X, int Y)
{
    TExGridPressState& ps = p->press;
    const TGridCoord probe = hit.Y == 0 ? MouseCoord(X - 5, Y) : hit.X == 0 ? MouseCoord(X, Y - 4)
                                                                             : MouseCoord(X - 5, Y - 4);
    ps.colClicked = probe.X;
    ps.rowClicked = probe.Y;
    ps.clickPosDx = ps.clickPosDy = 0;
    if (probe.X >= 0 && probe.Y >= 0) {
        ps.colClickedSize = ColWidths(probe.X);
        ps.rowClickedSize = RowHeights(probe.Y);
        const TRect pr = CellRect(probe.X, probe.Y);
        ps.clickPosDx = pr.Right - X;
        ps.clickPosDy = pr.Bottom - Y;
    }
    ps.point = {X, Y};
    ps.selectStart = -1;
    ps.moveCell = -1;
    ps.pressRow = hit.Y;
}

// Radio options, ratings, cell buttons and the node column answer a press
// in place of selecting.
bool TExStringGrid::pressCellContent(const TGridCoord& hit, const TRect& R, TShiftState Shift, int X, int Y)
{
    if (hit.X == 0 && pressNodeGlyph(hit.Y, Shift, X, Y))
        return true;
    const int realCol = DisplayToRealCol(hit.X);
    if (IsRadio(realCol, hit.Y)) {
        bool canEdit = true;
        QueryCellEditable(realCol, hit.Y, canEdit);
        if (canEdit || p->controlLook->RadioAlwaysActive()) {
            HideInplaceEdit();
            ClickRadioOption(realCol, hit.Y, X - R.Left, Y - R.Top);
            setFocus(Qt::MouseFocusReason);
            return true;
        }
    }
    if (pressRating(hit.X, hit.Y, X) || pressCellButton(hit.X, hit.Y, X, Y))
        return true;
    // column 0 of a grid with nodes belongs to the node glyphs: it clicks
    // without moving the selection
    if (hit.X == 0 && hit.Y >= FixedRows() && HasNodeRows() && !p->mouseActions->RowSelect() &&
        !Options().testFlag(goRowSizing)) {
        if (OnMouseDown)
            OnMouseDown(this, mbLeft, SingleShiftKey(Shift), X, Y);
        if (OnClickCell)
            OnClickCell(this, hit.Y, hit.X);
        return true;
    }
    return false;
}

// A press on a node glyph: in a fixed row with NodeAllExpandContract every
// node opens or closes in turn and the press goes on; in a normal row the
// node flips, each way asked first, and the press ends there.
bool TExStringGrid::pressNodeGlyph(int ARow, TShiftState Shift, int X, int Y)
{
    if (!IsNode(ARow) || !IsOnNodeGlyph(ARow, X))
        return false;
    auto* g = dynamic_cast<TCellGraphic*>(GraphicObjects(0, ARow));
    if (ARow < FixedRows()) {
        if (p->mouseActions->NodeAllExpandContract()) {
            if (g->CellBoolean)
                ExpandAll();
            else
                ContractAll();
            g->CellBoolean = !g->CellBoolean;
        }
        return false;
    }
    if (OnMouseDown)
        OnMouseDown(this, mbLeft, SingleShiftKey(Shift), X, Y);
    if (OnClickCell)
        OnClickCell(this, ARow, 0);
    const int real = DisplayToRealRow(ARow);
    const bool expand = g->CellBoolean;
    const TBeforeNodeEvent& before = expand ? OnBeforeExpandNode : OnBeforeContractNode;
    const TNodeEvent& after = expand ? OnExpandNode : OnContractNode;
    bool allow = true;
    if (before)
        before(this, ARow, real, allow);
    if (allow) {
        if (expand)
            ExpandNode(real);
        else
            ContractNode(real);
        if (after)
            after(this, ARow, real);
    }
    if (p->mouseActions->MoveRowOnNodeClick())
        SetRow(ARow);
    return true;
}

// Hands the press to the base, which selects, sizes or moves, and keeps the
// view where the mouse actions and navigation ask.
void TExStringGrid::basePress(const TGridCoord& hit, const TRect& R, TShiftState Shift, int X, int Y)
{
    const TMouseActions* ma = p->mouseActions.get();
    const bool edgeCell = hit.Y == TopRow() + VisibleRowCount() || hit.X == LeftCol() + VisibleColCount() ||
                          (hit.X == LeftCol() && LeftCol() > FixedCols());
    const bool keepLeft = Options().testFlag(goRowSelect) && p->navigation->KeepHorizScroll();
    std::unique_ptr<TUpdateBatch> hold;
    if (keepLeft)
        hold = std::make_unique<TUpdateBatch>(*this);
    const int leftCol = LeftCol();
    const int topRow = TopRow();
    try {
        // a press on a merged cell reaches the base inside its base cell
        const bool redirect = IsMergedCell(hit.X, hit.Y) && !IsFixed(hit.X, hit.Y) && !OnMouseDown;
        if (!p->selectionHidden) {
            TScopedSetting<TNavigation> alwaysEditOff(p->navigation.get(), &TNavigation::AlwaysEdit,
                                                      &TNavigation::SetAlwaysEdit, false);
            TBaseGrid::WMLButtonDown(Shift, redirect ? R.Left + 2 : X, redirect ? R.Top + 2 : Y);
        }
        if (GridState() == gsSelecting && edgeCell && ma->NoAutoRangeScroll())
            SetGridState(gsNormal);
        if (TopRow() != topRow && ma->NoScrollOnPartialRow()) {
            SetTopRow(topRow);
            WMLButtonUp(TShiftState(), 0, 0);
        }
    } catch (...) {
        if (keepLeft)
            SetLeftCol(leftCol);
        throw;
    }
    if (keepLeft)
        SetLeftCol(leftCol);
}

// The base selects, sizes or moves; then the click is reported and a direct
// edit opens the editor.
void TExStringGrid::ordinaryPress(const TGridCoord& hit, const TPoint& base, const TRect& R, TShiftState Shift,
                                  int X, int Y, bool editMerged, bool mayEdit, bool directEdit)
{
    // a press on a merged cell reaches the base inside its base cell
    basePress(hit, R, Shift, X, Y);
    const bool nearEdge = X - R.Left < HeaderSizingBand || R.Right - X < HeaderSizingBand;
    const bool sizingBand = hit.Y < FixedRows() && Options().testFlag(goColSizing) && nearEdge;
    if (!sizingBand && OnClickCell)
        OnClickCell(this, hit.Y, hit.X);
    if (OnCellValidate)
        RememberCellBeforeEdit(Col(), Row());
    const bool normal = hit.X >= FixedCols() && hit.Y >= FixedRows();
    if (normal && IsMergedCell(hit.X, hit.Y) && editMerged && mayEdit)
        ShowInplaceEdit();
    if (nearEdge || !directEdit || HasClickableGraphic(hit.X, hit.Y))
        return;
    if (p->mouseActions->EditOnDblClickOnly() && !Options().testFlag(goEditing)) {
        SetOptions(Options() | goEditing);
        setFocus(Qt::MouseFocusReason);
    }
    bool allow = true;
    const int oldRow = Row();
    const int oldCol = Col();
    if (base.Y != oldRow && OnRowChanging)
        OnRowChanging(this, oldRow, base.Y, allow);
    if (allow && base.X != oldCol && OnColChanging)
        OnColChanging(this, oldCol, base.X, allow);
    if (allow && (base.X != oldCol || base.Y != oldRow) && OnCellChanging)
        OnCellChanging(this, oldRow, oldCol, base.Y, base.X, allow);
    if (!allow)
        return;
    SetSelection(TGridRect{base.X, base.Y, base.X, base.Y});
    RememberCellBeforeEdit(base.X, base.Y);
    // The editor a click opens puts its caret at the clicked character.
    p->lButFlg = true;
    ShowEditor();
    if (!EditorMode())
        p->lButFlg = false;
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
    const bool radioButton = HasRadioButton(realCol, ARow);
    if (!(radioButton || HasCheckBox(realCol, ARow)) || !IsInCheckBox(realCol, ARow, X, Y))
        return false;
    HideInplaceEdit();
    setFocus(Qt::MouseFocusReason);
    if (radioButton) {
        CheckRadioButtonCell(realCol, ARow, true);
        if (OnRadioButtonClick)
            OnRadioButtonClick(this, realCol, ARow);
    } else {
        ToggleCellCheck(realCol, ARow, true);
    }
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
    HideInplaceEdit();
    int rate = (X - CellRect(ACol, ARow).Left) / RatingStep / 2;
    if (FireRatingChange(ACol, ARow, rate)) {
        SetFloats(realCol, ARow, rate);
        InvalidateCell(ACol, ARow);
    }
    return true;
}

// The anchor of a markup cell text under the client point, empty when none
// (a form control counts as none here).
QString TExStringGrid::markupAnchorAt(int ACol, int ARow, const QString& Text, int X, int Y)
{
    QString anchor, title;
    int index = -1;
    return markupHitAt(ACol, ARow, Text, X, Y, anchor, title, index) ? QString() : anchor;
}

// Measures a markup cell at a point as its text is drawn; gives the anchor
// under the point with its title and index, and answers whether a form
// control lies there.
bool TExStringGrid::markupHitAt(int ACol, int ARow, const QString& Text, int X, int Y, QString& Anchor,
                                QString& Title, int& Index)
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
    QString plain, focusAnchor, controlID, controlValue, controlType;
    int width = 0, height = 0, anchors = 0;
    TRect hitRect, controlRect;
    RenderMarkupText(&canvas, Text, r, nullptr, X, Y, -1, -1, 1, true, false, false, false, true, false, false,
                     true, 1.0, clBlue, clNone, clNone, clGray, Anchor, plain, focusAnchor, Title, width, height,
                     anchors, Index, hitRect, controlRect, controlID, controlValue, controlType,
                     p->imageCache.get(), nullptr, this, bdLeftToRight);
    return !controlID.isEmpty();
}

// A press on a cell's button or expand button shows it pushed; the release
// clicks it.
bool TExStringGrid::pressCellButton(int ACol, int ARow, int X, int Y)
{
    const int realCol = DisplayToRealCol(ACol);
    const bool button = HasButton(realCol, ARow);
    if (!button && !HasExpand(realCol, ARow))
        return false;
    HideInplaceEdit();
    if (!IsFixed(ACol, ARow) && ACol >= FixedCols() && ARow >= FixedRows()) {
        TScopedFlag force(p->forceSel, true);
        MoveColRow(ACol, ARow, true, true);
    }
    const TRect br = button ? GetCellButtonRect(ACol, ARow) : GetExpandButtonRect(ACol, ARow);
    if (!(X >= br.Left && X < br.Right && Y >= br.Top && Y < br.Bottom))
        return false;
    PushButton(ACol, ARow, true);
    p->pushedCellButtonX = ACol;
    p->pushedCellButtonY = ARow;
    if (OnClickCell)
        OnClickCell(this, ARow, ACol);
    return true;
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
    const TGridCoord hit = MouseCoord(X, Y);
    const TMouseActions* ma = p->mouseActions.get();
    if (ma->RangeSelectAndEdit() && Button == mbLeft && !ma->EditOnDblClickOnly() && InsideGrid(hit)) {
        const bool current = hit.X == Col() && hit.Y == Row();
        if (current && !Options().testFlag(goEditing)) {
            bool canEdit = true;
            QueryCellEditable(DisplayToRealCol(hit.X), hit.Y, canEdit);
            if (canEdit)
                SetOptions(Options() | goEditing);
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            if (canEdit)
                ShowInplaceEdit();
            return;
        }
        if (!current && Shift.testFlag(ssShift) && Options().testFlag(goEditing)) {
            SetOptions(Options() & ~TGridOptions(goEditing));
            TBaseGrid::MouseDown(Button, Shift, X, Y);
            return;
        }
    }
    TBaseGrid::MouseDown(Button, Shift, X, Y);

    if (hit.X < 0 || hit.Y < 0 || (hit.X >= FixedCols() && hit.Y >= FixedRows()))
        return;
    const bool fixedRow = hit.Y < FixedRows();
    const bool fixedCol = hit.X < FixedCols();
    if (Button == mbLeft) {
        const bool rows = ma->FixedRowsEdit() == fceLeftClick && fixedRow;
        const bool cols = !rows && ma->FixedColsEdit() == fceLeftClick && fixedCol;
        if (!rows && !cols)
            return;
        const TRect R = CellRect(hit.X, hit.Y);
        const bool sizing = Options().testFlag(rows ? goColSizing : goRowSizing);
        const bool wellInside = X >= R.Left + HeaderSizingBand && X < R.Right - HeaderSizingBand && Y >= R.Top + HeaderSizingBand &&
                                Y < R.Bottom - HeaderSizingBand;
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
    if (!stopFixedCellEditors())
        return;
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
    openFixedCellEditor(ACol, ARow, kind, values);
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
    SetRadioIdx(ACol, ARow, index);
    if (OnRadioClick)
        OnRadioClick(this, ACol, ARow, index);
}

// A press on the border of a fixed column (row) that the moves marked starts
// sizing it; the release sets the size.
bool TExStringGrid::startFixedSizing(int X, int Y)
{
    TExGridMoveState& m = p->move;
    if (QueryDesignMode())
        return false;
    if (m.sizeFixed && fixedBorderAt(true, X) >= 0) {
        m.sizingFixed = true;
        m.sizingFixedCol = fixedBorderAt(true, X);
        m.sizeFixedX = X;
        DrawColumnSizingLine(X);
        return true;
    }
    if (m.sizeFixedR && fixedBorderAt(false, Y) >= 0) {
        m.sizingFixedR = true;
        m.sizingFixedRow = fixedBorderAt(false, Y);
        m.sizeFixedY = Y;
        DrawRowSizingLine(Y);
        return true;
    }
    return false;
}

// A press on a selected cell that may be dragged leaves the selection as it
// is, so that the moves can drag it.
bool TExStringGrid::pressOleDragCandidate(const TGridCoord& hit, const TRect& R, TShiftState Shift, int X, int Y)
{
    const TMouseActions& ma = *p->mouseActions;
    p->move.oleDragPending = false;
    const bool fixedRow = hit.Y < FixedRows();
    const int realCol = DisplayToRealCol(hit.X);
    if (!p->dragDropSettings->OleDropSource() || Options().testFlag(goEditing) || HasButton(realCol, hit.Y) ||
        HasCheckBox(realCol, hit.Y) || !(IsSelected(hit.X, hit.Y) || (fixedRow && !EnhRowColMove())))
        return false;
    if (fixedRow && (ma.ColSelect() || ma.AllSelect()))
        return false;
    const bool clearOfBorders = !Options().testFlag(goColSizing) || (X - R.Left >= HeaderSizingBand &&
                                                                     R.Right - X >= HeaderSizingBand);
    if (hit.X < FixedCols() || !clearOfBorders)
        return false;
    setFocus(Qt::MouseFocusReason);
    if (OnMouseDown)
        OnMouseDown(this, mbLeft, SingleShiftKey(Shift), X, Y);
    p->move.oleDragPending = true;
    if (OnClickCell)
        OnClickCell(this, hit.Y, hit.X);
    return true;
}

// A press on the corner, a row header or a column header selects the whole
// grid, rows or columns, as the mouse select mode of the moves allows; a
// header selection goes on while the button is held.
void TExStringGrid::pressHeaderSelection(const TGridCoord& hit, TShiftState Shift)
{
    const TMouseActions& ma = *p->mouseActions;
    const TGridRect s = Selection();
    const bool range = Options().testFlag(goRangeSelect);
    if (hit.X < FixedCols() && hit.Y < FixedRows()) {
        if (!ma.AllSelect() || !range || p->mouseSelectMode != msAll)
            return;
        setFocus(Qt::MouseFocusReason);
        ExportNotification(0, -1);
        ExportNotification(1, RowCount() - 1);
        ExportNotification(4, -1);
        TGridRect all{FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1};
        BeforeCornerSelectAll(all);
        SetSelection(all);
    } else if (hit.X < FixedCols() && ma.RowSelect() && p->mouseSelectMode == msRow) {
        if (EditorMode())
            setFocus(Qt::MouseFocusReason);
        if (ma.DisjunctCellSelect())
            p->selectedCells.Clear();
        const int other = Shift.testFlag(ssShift) ? s.Top : hit.Y;
        SetSelection({FixedCols(), std::min(hit.Y, other), ColCount() - 1, std::max(hit.Y, other)});
        p->press.selectStart = hit.Y;
    } else if (hit.Y < FixedRows() && ma.ColSelect() && range && p->mouseSelectMode == msColumn) {
        setFocus(Qt::MouseFocusReason);
        if (ma.DisjunctCellSelect())
            p->selectedCells.Clear();
        TGridRect cols{hit.X, FixedRows(), hit.X, RowCount() - 1};
        if (Shift.testFlag(ssShift)) {
            cols.Left = std::min(hit.X, s.Left);
            cols.Right = hit.X < s.Left ? s.Right : hit.X;
        }
        SetSelection(cols);
        p->press.selectStart = hit.X;
    } else {
        return;
    }
    if (ActiveCellShow())
        Invalidate();
}
