// What reaches the grid before the platform grid handles it: the edit-done
// notification, the loss of the mouse, live storing of typed text, middle-button
// panning and the mouse wheel with its zoom.
//
// OnEditCellDone is posted, so it comes after the key or click that ended the
// edit; with EditOnDblClickOnly editing ends there. Typed text is stored in the
// cell at once for the kinds that show their edit live. Panning grabs the
// viewport's mouse and moves the view on a 10 ms timer from the last mouse
// position the grid saw; any press, key, focus loss or hiding ends it. The wheel
// zooms with Ctrl, otherwise scrolls or moves the selection as WheelAction says.

#include "grid/engine/input/ExGridPanPictures.h"
#include "grid/engine/ExGridPrivate.h"
#include "platform/grid/InplaceEdit.h"

#include <QtGui/QWheelEvent>
#include <QtWidgets/QApplication>

#include <algorithm>
#include <cmath>

namespace {

// Turns a mouse-actions option off for one call and back on afterwards.
struct DirectEditOff {
    TMouseActions& actions;
    bool saved;
    explicit DirectEditOff(TMouseActions& a) : actions(a), saved(a.DirectEdit()) { actions.SetDirectEdit(false); }
    ~DirectEditOff() { actions.SetDirectEdit(saved); }
};

}  // namespace

// ---- edit done, cancel mode, live text -------------------------------------------------

void TExStringGrid::PostGridEditDone(int ACol, int ARow)
{
    PostCall([this, ACol, ARow] { handleGridEditDone(ACol, ARow); });
}

void TExStringGrid::handleGridEditDone(int ACol, int ARow)
{
    if (p->destroying)
        return;
    if (OnEditCellDone)
        OnEditCellDone(this, ACol, ARow);
    if (p->mouseActions->EditOnDblClickOnly()) {
        HideEditor();
        SetOptions(Options() & ~TGridOptions(goEditing));
    }
}

void TExStringGrid::CancelMode()
{
    endPanning();
    cancelMoveFeedback();
    TBaseGrid::CancelMode();
}

// Typed text is in the cell at once, so that everything reading the cell while
// the editor is open sees it: the text of the plain text kinds (not the
// valid-character kind) once an inplace edit has been opened, unless the
// editor is loading or starting.
void TExStringGrid::storeEditorText(const QString& Text)
{
    static const TEditorType liveKinds[] = {edNormal,  edNumeric,   edPositiveNumeric, edFloat,
                                            edCapital, edMixedCase, edPassword,        edLowerCase,
                                            edUpperCase, edPositiveFloat};
    TInplaceEdit* editor = InplaceEditor();
    if (!p->showEditProcess || !editor || !editor->isVisible())
        return;
    if (p->editStart || !p->editMode || p->noEditChange ||
        std::find(std::begin(liveKinds), std::end(liveKinds), p->editControl) == std::end(liveKinds))
        return;
    editor->setUpdatesEnabled(false);
    StoreEditText(Col(), Row(), Text);
    editor->setUpdatesEnabled(true);
}

// ---- middle-button panning ------------------------------------------------------------------

bool TExStringGrid::Panning() const { return p->render->panning; }

int TExStringGrid::PanCursor() const { return p->render->panCursor; }

void TExStringGrid::KeyDown(Word& Key, TShiftState Shift)
{
    endPanning();
    HandleKeyDown(Key, Shift);
}

void TExStringGrid::startPanning(int X, int Y)
{
    TExGridRenderState& r = *p->render;
    r.hadCursor = viewport()->testAttribute(Qt::WA_SetCursor);
    r.previousCursor = viewport()->cursor();
    r.panCursor = PanCursorNeutral;
    viewport()->setCursor(PanCursorPicture(PanCursorNeutral));
    if (!r.panTimerConnected) {
        connect(&r.panTimer, &QTimer::timeout, this, [this] { PanTick(); });
        r.panTimerConnected = true;
    }
    r.panTimer.start(10);
    r.panOrigin = {X, Y};
    r.panning = true;
    viewport()->grabMouse();
    r.hintsWereShown = ShowHint();
    SetShowHint(false);
    viewport()->update(QRect(X, Y, 32, 32));
}

void TExStringGrid::endPanning()
{
    TExGridRenderState& r = *p->render;
    if (!r.panning)
        return;
    r.panning = false;
    r.panTimer.stop();
    viewport()->releaseMouse();
    if (r.hadCursor)
        viewport()->setCursor(r.previousCursor);
    else
        viewport()->unsetCursor();
    r.panCursor = 0;
    SetShowHint(r.hintsWereShown);
    viewport()->update(QRect(r.panOrigin.X, r.panOrigin.Y, 32, 32));
}

// One step of panning: the view or the current cell moves one column and row
// towards the mouse, each direction beyond 5 pixels from the pan origin.
void TExStringGrid::PanTick()
{
    TExGridRenderState& r = *p->render;
    if (!r.panning || r.intelliPan == ipNone)
        return;
    const TPoint mouse = LastMousePos();
    auto direction = [](int pos, int origin) { return pos < origin - 5 ? -1 : pos > origin + 5 ? 1 : 0; };
    const int dy = r.intelliPan == ipHorizontal ? 0 : direction(mouse.Y, r.panOrigin.Y);
    const int dx = r.intelliPan == ipVertical ? 0 : direction(mouse.X, r.panOrigin.X);
    const TGridRect before = Selection();
    const int lastRow = RowCount() - p->fixedFooters - 1;
    const int lastCol = ColCount() - p->fixedRightCols - 1;
    if (p->mouseActions->WheelAction() == waScroll) {
        viewport()->update(QRect(r.panOrigin.X, r.panOrigin.Y, 32, 32));
        MoveTopLeft(LeftCol() + dx, TopRow() + dy);
    } else {
        const int col = std::clamp(Col() + dx, FixedCols(), std::max(FixedCols(), lastCol));
        const int row = std::clamp(Row() + dy, FixedRows(), std::max(FixedRows(), lastRow));
        if (col != Col() || row != Row())
            MoveColRow(col, row, true, true);
    }
    r.panCursor = PanCursorFor(dx, dy);
    viewport()->setCursor(PanCursorPicture(r.panCursor));
    viewport()->update(QRect(r.panOrigin.X, r.panOrigin.Y, 32, 32));
    const TGridRect after = Selection();
    if (after != before)
        FireSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

// ---- the wheel ------------------------------------------------------------------------------

// The rows one wheel notch moves: the system's wheel lines, or a page when the
// system asks for pages.
static int wheelStep(const TCustomGrid& grid)
{
    const int lines = QApplication::wheelScrollLines();
    return lines < 0 ? grid.VisibleRowCount() : lines;
}

void TExStringGrid::wheelEvent(QWheelEvent* e)
{
    const int delta = e->angleDelta().y();
    if (p->render->panning || delta == 0) {
        TBaseGrid::wheelEvent(e);
        return;
    }
    const bool towardsUser = delta < 0;
    const int systemStep = wheelStep(*this);
    if (e->modifiers().testFlag(Qt::ControlModifier) && p->intelliZoom) {
        Zoom(towardsUser ? systemStep : -systemStep);
        TBaseGrid::wheelEvent(e);
        return;
    }
    e->accept();
    if (!p->enableWheel || (p->fixedRowAlways && RowCount() == 1))
        return;
    const int step = p->mouseActions->WheelIncrement() >= 1 ? p->mouseActions->WheelIncrement() : systemStep;
    const TGridRect before = Selection();
    const int oldRow = Row();
    if (p->mouseActions->WheelAction() == waScroll) {
        const int top = towardsUser ? TopRow() + step : std::max(FixedRows(), TopRow() - step);
        MoveTopLeft(LeftCol(), top);
    } else {
        wheelMoveSelection(e, step, towardsUser);
    }
    bool handled = false;
    AfterWheelScroll(Row() - oldRow, handled);
    if (handled && (p->mouseActions->WheelIncrement() != 0 || p->mouseActions->DisjunctRowSelect())) {
        const TShiftState shift = platform::ShiftStateFromQt(e->modifiers(), e->buttons());
        const TPoint pos = FromQPoint(e->position().toPoint());
        bool eventHandled = false;
        TMouseWheelUpDownEvent& event = towardsUser ? OnMouseWheelDown : OnMouseWheelUp;
        if (event)
            event(this, shift, pos, eventHandled);
    }
    const TGridRect after = Selection();
    if (after != before)
        FireSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

// The current row moves by the step within the normal rows; a row that cannot
// be selected is passed by moving half the way.
void TExStringGrid::wheelMoveSelection(QWheelEvent* e, int step, bool towardsUser)
{
    const int lastRow = std::max(FixedRows(), RowCount() - p->fixedFooters - 1);
    const int target = std::clamp(Row() + (towardsUser ? step : -step), FixedRows(), lastRow);
    const int col = std::clamp(Col(), FixedCols(), ColCount() - 1);
    const int left = LeftCol();
    TUpdateBatch batch(*this);
    if (p->mouseActions->DisjunctRowSelect())
        p->rowSelect->Clear();
    MoveColRow(col, target, true, true);
    if (Row() != target) {
        const int half = int(std::nearbyint((target - Row()) / 2.0));
        MoveColRow(col, std::clamp(Row() + half, FixedRows(), lastRow), true, true);
        if (e->angleDelta().y() != 0 && TopRow() > FixedRows())
            SetTopRow(TopRow() - 1);
    }
    if (Options().testFlag(goRowSelect) && p->navigation->KeepHorizScroll())
        SetLeftCol(left);
}

bool TExStringGrid::DoMouseWheelDown(TShiftState Shift, const TPoint& MousePos)
{
    return handleWheelHook(true, Shift, MousePos);
}

bool TExStringGrid::DoMouseWheelUp(TShiftState Shift, const TPoint& MousePos)
{
    return handleWheelHook(false, Shift, MousePos);
}

// The wheel as the platform grid sees it: with scrolling or without the wheel
// only the event decides; otherwise the cell store moves the current cell with
// direct editing off, keeping the left column or the editor's focus.
bool TExStringGrid::handleWheelHook(bool Down, TShiftState Shift, const TPoint& MousePos)
{
    if (p->mouseActions->WheelAction() == waScroll || !p->enableWheel) {
        bool handled = false;
        TMouseWheelUpDownEvent& event = Down ? OnMouseWheelDown : OnMouseWheelUp;
        if (event)
            event(this, Shift, MousePos, handled);
        return handled;
    }
    DirectEditOff directEdit(*p->mouseActions);
    auto base = [&] {
        return Down ? TBaseGrid::DoMouseWheelDown(Shift, MousePos) : TBaseGrid::DoMouseWheelUp(Shift, MousePos);
    };
    if (Options().testFlag(goRowSelect) && p->navigation->KeepHorizScroll()) {
        const int left = LeftCol();
        TUpdateBatch batch(*this);
        const bool result = base();
        SetLeftCol(left);
        return result;
    }
    if (!Down && Row() >= RowCount())
        return true;
    const bool editing = EditorMode();
    const bool result = base();
    if (editing)
        setFocus(Qt::OtherFocusReason);
    return result;
}
