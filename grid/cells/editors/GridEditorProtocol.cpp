// The protocol the grid's editor controls share with their grid.

#include "grid/cells/editors/GridEditorProtocol.h"

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/objects/ExObjNavigation.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QCursor>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QLineEdit>

bool TGridEditorProtocol::CapturesTab() const
{
    return grid_.Options().testFlag(goTabs) || grid_.OnCellValidate || grid_.OnCellValidateWide;
}

bool TGridEditorProtocol::CommitWithValidation(const QString& Text)
{
    grid_.SetCurrentCell(Text);
    if (grid_.ValidateCell(Text))
        return true;
    grid_.p->noAutoAdvance = true;
    return false;
}

QString TGridEditorProtocol::RefusedText() const { return grid_.p->newCellText; }

TGridEditorProtocol::TabResult TGridEditorProtocol::CaptureTab(const QString& Text, bool Backward)
{
    if (!CommitWithValidation(Text))
        return TabResult::Refused;
    if (grid_.Options().testFlag(goTabs)) {
        grid_.HideInplaceEdit();
        grid_.setFocus(Qt::TabFocusReason);
        grid_.MoveByTab(Backward);
        return TabResult::Moved;
    }
    QCoreApplication::postEvent(&grid_, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab,
                                                      Backward ? Qt::ShiftModifier : Qt::NoModifier));
    return TabResult::Posted;
}

void TGridEditorProtocol::Finish(Word Key, TShiftState Shift)
{
    grid_.DoneInplaceEdit(Key, Shift);
    const TNavigation& nav = *grid_.Navigation();
    if (nav.AdvanceOnEnter() && nav.AdvanceAutoEdit())
        grid_.ShowInplaceEdit();
}

bool TGridEditorProtocol::CursorWalk(Word Key, TShiftState Shift, const QLineEdit& Field, const QString& Text)
{
    const bool plain = !Shift.testFlag(ssShift) && !Shift.testFlag(ssCtrl) && !Shift.testFlag(ssAlt);
    if (!grid_.Navigation()->CursorWalkEditor() || !plain || Field.hasSelectedText())
        return false;
    const bool left = Key == VK_LEFT && Field.cursorPosition() == 0;
    const bool right = Key == VK_RIGHT && Field.cursorPosition() == Text.size();
    if (!left && !right)
        return false;
    const int col = grid_.Col(), row = grid_.Row();
    const int neighbour = left ? col - 1 : col + grid_.CellSpan(col, row).X + 1;
    const bool inside = left ? col > grid_.FixedCols() : col < grid_.ColCount() - grid_.FixedRightCols() - 1;
    if (inside && grid_.HasClickableGraphic(grid_.DisplayToRealCol(neighbour), row)) {
        if (grid_.ValidateCell(Text)) {
            grid_.HideInplaceEdit();
            grid_.SetCol(neighbour);
        }
        return true;
    }
    grid_.setFocus(Qt::OtherFocusReason);
    grid_.CursorWalkStep(right);
    if (grid_.Navigation()->CursorWalkAlwaysEdit())
        grid_.ShowInplaceEdit();
    else
        grid_.HideInplaceEdit();
    return true;
}

void TGridEditorProtocol::ClickCaret(QLineEdit& Field)
{
    if (!grid_.p->lButFlg)
        return;
    const QPoint mouse = Field.mapFromGlobal(QCursor::pos());
    if (!Field.rect().contains(mouse))
        return;
    Field.deselect();
    Field.setCursorPosition(Field.cursorPositionAt(mouse));
    grid_.p->lButFlg = false;
}

void TGridEditorProtocol::StoreTyped(const QString& Text)
{
    if (grid_.p->showEditProcess && !grid_.p->editStart && grid_.p->editMode)
        grid_.StoreEditText(grid_.Col(), grid_.Row(), Text);
}

void TGridEditorProtocol::TextChanged(const QString& Text)
{
    StoreTyped(Text);
    if (grid_.OnEditChange)
        grid_.OnEditChange(&grid_, grid_.Col(), grid_.Row(), Text);
}
