#include "grid/cells/editors/ControlEditors.h"

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/objects/ExObjNavigation.h"

#include <QtGui/QKeyEvent>

namespace {

bool isTab(const QKeyEvent* e) { return e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab; }
bool isEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

// Enter ends the control's edit and gives the focus to the grid; Tab ends it
// and goes on to the next control of the cell, or with AdvanceAuto to the
// next cell.
void endByKey(TExStringGrid* grid, bool Tab, const QString& id)
{
    grid->EndCellControlEdit();
    if (!Tab) {
        grid->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (grid->Navigation()->AdvanceAuto())
        grid->AdvanceAfterEdit(grid->Col(), grid->Row(), true, false, true, false, true);
    else
        grid->FocusNextCellControl(grid->Col(), grid->Row(), id);
}

}  // namespace

TControlEdit::TControlEdit(TExStringGrid* AGrid) : TMaskEdit(AGrid), grid_(AGrid)
{
    SetBorderStyle(bsEditNone);
    hide();
}

bool TControlEdit::WantsKey(Word Key, TShiftState Shift)
{
    if (Key == VK_TAB)
        return true;
    return Key != VK_RETURN && TMaskEdit::WantsKey(Key, Shift);
}

void TControlEdit::KeyPress(QChar& Key)
{
    const bool tab = Key == u'\t';
    if (grid_ && (tab || Key == u'\r')) {
        Key = QChar();
        endByKey(grid_, tab, grid_->p->ctrlID);
        return;
    }
    TMaskEdit::KeyPress(Key);
}

TControlCombo::TControlCombo(TExStringGrid* AGrid) : TEsgComboBox(AGrid), grid_(AGrid) { hide(); }

bool TControlCombo::event(QEvent* e)
{
    if (e->type() == QEvent::KeyPress && isTab(static_cast<QKeyEvent*>(e))) {
        keyPressEvent(static_cast<QKeyEvent*>(e));
        return true;
    }
    return TEsgComboBox::event(e);
}

void TControlCombo::keyPressEvent(QKeyEvent* e)
{
    if (grid_ && (isTab(e) || isEnter(e)))
        endByKey(grid_, isTab(e), grid_->p->ctrlID);
    else
        TEsgComboBox::keyPressEvent(e);
}
