#include "grid/cells/editors/GridTransEdit.h"

#include "grid/engine/ExGrid.h"

#include <QtGui/QFocusEvent>
#include <QtGui/QKeyEvent>

template <typename Base>
TGridTransEditor<Base>::TGridTransEditor(TExStringGrid* AOwner) : Base(AOwner), grid_(AOwner)
{
    this->hide();
}

template <typename Base>
void TGridTransEditor<Base>::SetCell(int ACol, int ARow)
{
    col_ = ACol;
    row_ = ARow;
}

// The value is validated by the grid; an accepted one is written into the
// fixed cell. A refused one leaves the cell alone and the editor open.
template <typename Base>
bool TGridTransEditor<Base>::StopEdit()
{
    if (!grid_) {
        this->hide();
        return true;
    }
    QString value = this->Text();
    bool valid = true;
    if (grid_->OnCellValidate)
        grid_->OnCellValidate(grid_, col_, row_, value, valid);
    if (!valid) {
        this->setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (grid_->OnEditingDone)
        grid_->OnEditingDone(grid_);
    grid_->SetCells(col_, row_, value);
    this->hide();
    return true;
}

template <typename Base>
void TGridTransEditor<Base>::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
        return;
    Base::keyPressEvent(e);
}

// Leaving for another window of the program, or the editor's own list, is no
// end of the edit.
template <typename Base>
void TGridTransEditor<Base>::focusOutEvent(QFocusEvent* e)
{
    Base::focusOutEvent(e);
    const bool away = e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
    if (this->isVisible() && away)
        StopEdit();
}

template class TGridTransEditor<TEdit>;
template class TGridTransEditor<TComboBox>;

TGridTransEdit::TGridTransEdit(TExStringGrid* AOwner) : TGridTransEditor<TEdit>(AOwner) { setFrame(false); }
