#include "grid/cells/GridTransEdit.h"

#include "grid/engine/ExGridPrivate.h"

#include <QtGui/QFocusEvent>
#include <QtGui/QKeyEvent>

namespace {

bool isEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

// Leaving for another window of the program, or the editor's own list,
// is no end of the edit.
bool endsEdit(const QFocusEvent* e)
{
    return e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
}

// The value is validated by the grid; an accepted one is written into the
// fixed cell. A refused one leaves the cell alone and the editor open.
template <typename Editor>
bool stopFixedCellEdit(Editor& editor, TExStringGrid* grid, int col, int row)
{
    if (!grid) {
        editor.hide();
        return true;
    }
    QString value = editor.Text();
    bool valid = true;
    if (grid->OnCellValidate)
        grid->OnCellValidate(grid, col, row, value, valid);
    if (!valid) {
        editor.setFocus(Qt::OtherFocusReason);
        return false;
    }
    if (grid->OnEditingDone)
        grid->OnEditingDone(grid);
    grid->SetCells(col, row, value);
    editor.hide();
    return true;
}

}  // namespace

TGridTransEdit::TGridTransEdit(TExStringGrid* AOwner) : TEdit(AOwner), grid_(AOwner)
{
    setFrame(false);
    hide();
}

void TGridTransEdit::SetCell(int ACol, int ARow)
{
    col_ = ACol;
    row_ = ARow;
}

bool TGridTransEdit::StopEdit() { return stopFixedCellEdit(*this, grid_, col_, row_); }

void TGridTransEdit::keyPressEvent(QKeyEvent* e)
{
    if (isEnter(e))
        return;
    TEdit::keyPressEvent(e);
}

void TGridTransEdit::focusOutEvent(QFocusEvent* e)
{
    TEdit::focusOutEvent(e);
    if (isVisible() && endsEdit(e))
        StopEdit();
}

TGridTransCombo::TGridTransCombo(TExStringGrid* AOwner) : TComboBox(AOwner), grid_(AOwner) { hide(); }

void TGridTransCombo::SetCell(int ACol, int ARow)
{
    col_ = ACol;
    row_ = ARow;
}

bool TGridTransCombo::StopEdit() { return stopFixedCellEdit(*this, grid_, col_, row_); }

void TGridTransCombo::keyPressEvent(QKeyEvent* e)
{
    if (isEnter(e))
        return;
    TComboBox::keyPressEvent(e);
}

void TGridTransCombo::focusOutEvent(QFocusEvent* e)
{
    TComboBox::focusOutEvent(e);
    if (isVisible() && endsEdit(e))
        StopEdit();
}
