// The list of the grid's combo editor as the application fills and queries
// it, the selection hint the editor opens with, and whether a cell is a
// password cell.

#include "grid/cells/editors/GridEditors.h"
#include "grid/engine/ExGridPrivate.h"

void TExStringGrid::ClearComboString() { EditCombo()->Items().Clear(); }

void TExStringGrid::AddComboString(const QString& S) { EditCombo()->Items().Add(S); }

void TExStringGrid::AddComboStringObject(const QString& S, TObject* AObject)
{
    TGridCombo* combo = EditCombo();
    const int index = combo->Items().Add(S);
    combo->setItemData(index, QVariant::fromValue(AObject));
}

bool TExStringGrid::RemoveComboString(const QString& S)
{
    const int index = EditCombo()->Items().IndexOf(S);
    if (index < 0)
        return false;
    EditCombo()->Items().Delete(index);
    return true;
}

int TExStringGrid::GetComboCount() { return EditCombo()->Items().Count(); }

void TExStringGrid::SetComboSelection(int ItemIndex) { p->comboIndex = ItemIndex; }

bool TExStringGrid::SetComboSelectionString(const QString& S)
{
    const int index = EditCombo()->Items().IndexOf(S);
    if (index < 0)
        return false;
    p->comboIndex = index;
    return true;
}

int TExStringGrid::GetComboIndex(int ACol, int ARow)
{
    QueryEditorProperties(ACol, ARow, nullptr);
    return EditCombo()->Items().IndexOf(Cells(ACol, ARow));
}

void TExStringGrid::SetComboIndex(int ACol, int ARow, int Index)
{
    QueryEditorProperties(ACol, ARow, nullptr);
    SetCellEx(ACol, ARow, EditCombo()->Items().Strings(Index));
}

bool TExStringGrid::CellIsPassword(int ACol, int ARow)
{
    bool isPassword = false;
    QueryPasswordCell(ACol, ARow, isPassword);
    return isPassword;
}
