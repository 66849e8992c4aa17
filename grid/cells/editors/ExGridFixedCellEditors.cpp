// Editing fixed cells in place: the grid's edit and combo over a header cell.

#include "grid/cells/editors/GridTransEdit.h"
#include "grid/engine/ExGridPrivate.h"
#include "platform/core/StringList.h"

TGridTransEdit* TExStringGrid::EditTrans()
{
    if (!p->editTrans) {
        p->editTrans = new TGridTransEdit(this);
        p->editTrans->OnChange = [this](TObject*) { HandleFixedCellEditChange(p->editTrans); };
    }
    return p->editTrans;
}

TGridTransCombo* TExStringGrid::ComboTrans()
{
    if (!p->comboTrans) {
        p->comboTrans = new TGridTransCombo(this);
        p->comboTrans->OnChange = [this](TObject*) { HandleFixedCellEditChange(p->comboTrans); };
    }
    return p->comboTrans;
}

int TExStringGrid::FixedColEdit() const { return p->fixedColEdit; }
int TExStringGrid::FixedRowEdit() const { return p->fixedRowEdit; }

void TExStringGrid::HandleFixedCellEditChange(QObject* Sender)
{
    if (!OnEditChange)
        return;
    const QString text = Sender == p->comboTrans ? ComboTrans()->Text() : EditTrans()->Text();
    OnEditChange(this, p->fixedColEdit, p->fixedRowEdit, text);
}

// An open fixed-cell editor is ended first; a refused value keeps it open.
bool TExStringGrid::stopFixedCellEditors()
{
    if (p->editTrans && p->editTrans->isVisible() && !p->editTrans->StopEdit())
        return false;
    if (p->comboTrans && p->comboTrans->isVisible() && !p->comboTrans->StopEdit())
        return false;
    return true;
}

// The combo stands one pixel further left and up than the edit, on the cell
// rectangle shrunk by one pixel.
void TExStringGrid::openFixedCellEditor(int ACol, int ARow, TGridFixedCellEditor Kind, const TStringList& Values)
{
    TRect r = CellRect(ACol, ARow);
    r.Left += 1;
    r.Top += 1;
    r.Right -= 1;
    r.Bottom -= 1;
    const int realCol = DisplayToRealCol(ACol);
    p->fixedColEdit = ACol;
    p->fixedRowEdit = ARow;
    if (Kind == fceEdit) {
        TGridTransEdit* editor = EditTrans();
        editor->setGeometry(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
        editor->SetText(Cells(realCol, ARow));
        editor->SetCell(realCol, ARow);
        editor->show();
        editor->setFocus(Qt::OtherFocusReason);
        return;
    }
    TGridTransCombo* combo = ComboTrans();
    combo->SetStyle(Kind == fceComboEdit ? csDropDown : csDropDownList);
    combo->Items().Clear();
    for (int i = 0; i < Values.Count(); ++i)
        combo->Items().Add(Values.Strings(i));
    combo->setGeometry(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top + 1);
    combo->SetText(Cells(realCol, ARow));
    combo->SetCell(realCol, ARow);
    combo->show();
    combo->setFocus(Qt::OtherFocusReason);
}
