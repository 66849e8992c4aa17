// How the grid answers the focus arriving and leaving, its enter and exit, and
// which pointer it shows over its cells and borders.
//
// The pointer is chosen when the mouse enters and after each move: the select
// cursors, the sizing borders, OnGetCellCursor and the fixed sizing marks; the
// choice is kept as GridCursor. The focus-in handling runs once the platform grid
// knows it holds the focus, so that Navigation.AlwaysEdit can open the editor.
// HandleEnter and HandleExit are the base DoEnter and DoExit. A fault of a
// handler on these paths shows in an error box (platform::RunReportingFaults).

#include "grid/engine/ExGridPrivate.h"
#include "platform/grid/InplaceEdit.h"
#include "platform/ui/window/Dialogs.h"

#include <QtCore/QMetaObject>
#include <QtGui/QCursor>
#include <QtGui/QFocusEvent>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QPixmap>
#include <QtWidgets/QApplication>

#include <initializer_list>
#include <map>

// ---- the selection cursors ----------------------------------------------------------

namespace {

constexpr int CursorSize = 32;

QPainterPath closedPolygon(std::initializer_list<QPointF> Points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(Points));
    path.closeSubpath();
    return path;
}

QPainterPath rightArrow()
{
    return closedPolygon({QPointF(6, 14), QPointF(18, 14), QPointF(18, 8), QPointF(26, 16), QPointF(18, 24),
                         QPointF(18, 18), QPointF(6, 18)});
}

QPainterPath downArrow()
{
    return closedPolygon({QPointF(11, 6), QPointF(15, 6), QPointF(15, 18), QPointF(21, 18), QPointF(13, 26),
                         QPointF(5, 18), QPointF(11, 18)});
}

QPainterPath cross()
{
    return closedPolygon({QPointF(15, 6), QPointF(18, 6), QPointF(18, 15), QPointF(27, 15), QPointF(27, 18),
                         QPointF(18, 18), QPointF(18, 27), QPointF(15, 27), QPointF(15, 18), QPointF(6, 18),
                         QPointF(6, 15), QPointF(15, 15)});
}

QCursor drawCursor(const QPainterPath& shape, QPoint hotSpot)
{
    QImage image(CursorSize, CursorSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(Qt::black);
    painter.drawPath(shape);
    painter.setPen(Qt::NoPen);
    painter.drawPath(shape);
    painter.end();
    return QCursor(QPixmap::fromImage(image), hotSpot.x(), hotSpot.y());
}

} // namespace

const QCursor& SelectCursorPicture(int Number)
{
    static const std::map<int, QCursor> cursors{
        {SelectRowCursor, drawCursor(rightArrow(), QPoint(26, 16))},
        {SelectColumnCursor, drawCursor(downArrow(), QPoint(13, 26))},
        {SelectAllCursor, drawCursor(cross(), QPoint(16, 16))},
    };
    const auto found = cursors.find(Number);
    return found != cursors.end() ? found->second : cursors.at(SelectAllCursor);
}

// ---- the cursor ---------------------------------------------------------------------------

int TExStringGrid::GridCursor() const { return p->focus.cursor; }

TFixedSizingMarks TExStringGrid::FixedSizingMarks() const
{
    const TExGridMoveState& m = p->move;
    return {m.sizeFixed, m.sizingFixed, m.sizeFixedR, m.sizingFixedR};
}

void TExStringGrid::SetFixedSizingMarks(const TFixedSizingMarks& Value)
{
    TExGridMoveState& m = p->move;
    m.sizeFixed = Value.SizeFixed;
    m.sizingFixed = Value.SizingFixed;
    m.sizeFixedR = Value.SizeFixedR;
    m.sizingFixedR = Value.SizingFixedR;
}

void TExStringGrid::SetMouseSelectMode(TMouseSelectMode Value) { p->mouseSelectMode = Value; }

int TExStringGrid::chooseCursor(int X, int Y)
{
    const TGridState state = GridState();
    const bool sizing = state == gsColSizing || state == gsRowSizing;
    if (p->mouseSelectMode != msNormal && !sizing) {
        switch (p->mouseSelectMode) {
        case msColumn:
            return SelectColumnCursor;
        case msRow:
            return SelectRowCursor;
        case msAll:
        case msResize:
            return SelectAllCursor;
        default:
            break;
        }
    }
    int cursor = Cursor();
    const TGridState probe = sizing ? state : ComputeSizingState(X, Y).State;
    if (probe == gsColSizing && (sizing || Options().testFlag(goColSizing)))
        cursor = crHSplit;
    else if (probe == gsRowSizing && (sizing || Options().testFlag(goRowSizing)))
        cursor = crVSplit;
    const TGridCoord cell = MouseCoord(X, Y);
    if (cell.X >= 0 && cell.Y >= 0 && OnGetCellCursor) {
        TCursor chosen = TCursor(cursor);
        OnGetCellCursor(this, cell.X, cell.Y, X, Y, chosen);
        cursor = chosen;
    }
    return cursor;
}

void TExStringGrid::HandleWmSetCursor(int X, int Y)
{
    int cursor = chooseCursor(X, Y);
    const TFixedSizingMarks marks = FixedSizingMarks();
    if (marks.SizeFixed || marks.SizingFixed)
        cursor = crHSplit;
    if (marks.SizeFixedR || marks.SizingFixedR)
        cursor = crVSplit;
    p->focus.cursor = cursor;
    if (cursor >= SelectRowCursor && cursor <= SelectAllCursor)
        viewport()->setCursor(SelectCursorPicture(cursor));
    else if (cursor == crDefault)
        viewport()->unsetCursor();
    else
        viewport()->setCursor(platform::CursorShape(TCursor(cursor)));
}

void TExStringGrid::MouseEnter()
{
    TBaseGrid::MouseEnter();
    const QPoint at = viewport()->mapFromGlobal(QCursor::pos());
    HandleWmSetCursor(at.x(), at.y());
}

// ---- the focus arriving and leaving ----------------------------------------------------------

void TExStringGrid::focusInEvent(QFocusEvent* e)
{
    if (p->focus.invokedFocusChange)
        return;
    // The platform grid learns of the new focus only after this event: it
    // still counts the focus inside when it came from the grid's editor, and
    // the grid's steps run once it knows, as editors open only in a grid
    // that holds the focus.
    const bool fromEditor = IsFocusInside();
    TBaseGrid::focusInEvent(e);
    QMetaObject::invokeMethod(
        this, [this, fromEditor] { platform::RunReportingFaults([&] { HandleWmSetFocus(fromEditor); }); },
        Qt::QueuedConnection);
}

void TExStringGrid::focusOutEvent(QFocusEvent* e)
{
    if (p->blockKill)
        return;
    TBaseGrid::focusOutEvent(e);
    platform::RunReportingFaults([this] { HandleWmKillFocus(); });
}

bool TExStringGrid::currentCellVisible() const
{
    return LeftCol() <= Col() && Col() < LeftCol() + VisibleColCount() && TopRow() <= Row() &&
           Row() < TopRow() + VisibleRowCount();
}

bool TExStringGrid::currentCellEditable()
{
    // The flag starts as the grid's other callers start it; the query only
    // narrows it.
    bool editable = Options().testFlag(goEditing) || p->mouseActions->RangeSelectAndEdit();
    QueryCellEditable(Col(), Row(), editable);
    return editable;
}

void TExStringGrid::HandleWmSetFocus(bool FromEditor)
{
    if (HasCheckBox(DisplayToRealCol(Col()), Row()))
        return;
    if (p->editControl == edRichEdit && p->editCtrl && p->editCtrl->isVisible())
        HideInplaceEdit();
    const bool visible = currentCellVisible();
    const TGridState state = GridState();
    const bool moving = state == gsRowMoving || state == gsColMoving;
    if (NormalEdit()) {
        if (!FromEditor && !moving && p->navigation->AlwaysEdit() && p->editControl == edNormal &&
            currentCellEditable() && visible) {
            ShowInplaceEdit();
            return;
        }
    } else if (p->navigation->AlwaysEdit() && currentCellEditable() && visible &&
               !p->mouseActions->DirectEdit() && !p->controlLook->DropDownAlwaysVisible() &&
               QueryHasComboBox(Col(), Row())) {
        ShowInplaceEdit();
    }
    if (IsMergedCell(Col(), Row())) {
        const TPoint span = CellSpan(Col(), Row());
        RepaintRect(TGridRect{Col(), Row(), Col() + span.X, Row() + span.Y});
    }
}

void TExStringGrid::HandleWmKillFocus()
{
    if (IsMergedCell(Col(), Row()))
        RepaintCell(Col(), Row());
    if (p->focus.ctrlDown) {
        p->focus.ctrlDown = false;
        RepaintCell(p->focus.ctrlXY.X, p->focus.ctrlXY.Y);
    }
}

// ---- enter and exit ----------------------------------------------------------------------------

void TExStringGrid::DoEnter()
{
    platform::RunReportingFaults([this] { HandleEnter(); });
}

void TExStringGrid::DoExit()
{
    platform::RunReportingFaults([this] { HandleExit(); });
}

void TExStringGrid::HandleEnter()
{
    if (p->blockFocus)
        return;
    // The cell before editing is recorded also when an event handler fails.
    try {
        TBaseGrid::DoEnter();
        if (Options().testFlag(goEditing) || p->mouseActions->RangeSelectAndEdit())
            QueryCanSelectCell(Col(), Row());
    } catch (...) {
        RememberCellBeforeEdit(Col(), Row());
        throw;
    }
    RememberCellBeforeEdit(Col(), Row());
}

void TExStringGrid::HandleExit()
{
    if (p->blockKill)
        return;
    if (p->selectionChanged && p->mouseActions->DisjunctRowSelect())
        SelectionToRowSelect(false);
    p->selectionChanged = false;
    TBaseGrid::DoExit();
}
