#include "app/tables/common/GridRowOperations.h"

#include "app/shell/UComon.h"
#include "app/shell/ULanguage.h"
#include "grid/cells/columns/ExColumnGrid.h"
#include "platform/core/SysUtils.h"
#include "platform/ui/window/Dialogs.h"

namespace {

// Asked before an insert drops the used last row.
constexpr int Text_Insert_Loses_Last_Row = 1106;

void CopyRowTexts(TExColumnGrid* G, int from, int to)
{
    const int columns = Grid_All_Columns(G);
    for (int c = 1; c < columns; ++c)
        G->SetAllCells(c, to, G->AllCells(c, from));
}

void ClearRow(TExColumnGrid* G, int R, bool withEnable)
{
    const int columns = Grid_All_Columns(G);
    for (int c = 1; c < columns; ++c)
        G->SetAllCells(c, R, QString());
    if (withEnable && columns > 1)
        G->SetAllCells(1, R, QStringLiteral("Y"));
}

bool IsCheckBoxColumn(TExColumnGrid* G, int c)
{
    return c < G->Columns()->Count() && G->Columns()->Items(c)->Editor() == edDataCheckBox;
}

} // namespace

int Grid_All_Columns(TExColumnGrid* G)
{
    return G->ColCount() + G->NumHiddenColumns();
}

bool Grid_Row_In_Use(TExColumnGrid* G, int R)
{
    const int columns = Grid_All_Columns(G);
    for (int c = 1; c < columns; ++c) {
        if (!IsCheckBoxColumn(G, c) && !Trim(G->AllCells(c, R)).isEmpty())
            return true;
    }
    return false;
}

void Grid_Delete_Row(int R, TExColumnGrid* G)
{
    const int last = G->RowCount() - 1;
    if (R < 1 || R > last)
        return;
    for (int r = R; r < last; ++r)
        CopyRowTexts(G, r + 1, r);
    ClearRow(G, last, false);
}

bool Grid_Insert_Row(int R, TExColumnGrid* G, bool E)
{
    const int last = G->RowCount() - 1;
    if (R < 1 || R > last)
        return false;
    if (Grid_Row_In_Use(G, last)
        && MessageDlg(Lang_Texts[Text_Insert_Loses_Last_Row], mtConfirmation, mbYes | mbNo, 0) != mrYes)
        return false;
    for (int r = last - 1; r >= R; --r)
        CopyRowTexts(G, r, r + 1);
    ClearRow(G, R, E);
    return true;
}

void Grid_Copy_Row(TExColumnGrid* G, int R)
{
    Row_Clipboard.Clear();
    const int columns = Grid_All_Columns(G);
    for (int c = 1; c < columns; ++c)
        Row_Clipboard.Add(G->AllCells(c, R));
}

void Grid_Paste_Row(TExColumnGrid* G, int R, bool C)
{
    if (!C) {
        MessageDlg(Lang_Texts[1102], mtError, mbOK, 0);
        return;
    }
    const int columns = Grid_All_Columns(G);
    if (columns != Row_Clipboard.Count() + 1) {
        MessageDlg(Lang_Texts[1101], mtError, mbOK, 0);
        return;
    }
    if (Grid_Row_In_Use(G, R) && MessageDlg(Lang_Texts[1100], mtConfirmation, mbYes | mbNo, 0) != mrYes)
        return;
    for (int c = 1; c < columns; ++c)
        G->SetAllCells(c, R, Row_Clipboard[c - 1]);
}

void Grid_Enter_Next_Cell(TExStringGrid* G, QChar& K)
{
    if (!Enable_Jump_Field || K != QChar(13))
        return;
    K = QChar(0);
    const int col = G->Col();
    const int row = G->Row();
    if (col < 1 || row < 1)
        return;
    if (col < G->ColCount() - 1) {
        G->FocusCell(col + 1, row);
        return;
    }
    G->FocusCell(1, row < G->RowCount() - 1 ? row + 1 : 1);
}

void Grid_DblClick_AutoSize(TExStringGrid* G, int R, int C)
{
    if (Enable_Auto_Size && R == 0)
        G->AutoSizeCol(C, 0);
}

QStringList Grid_Row_Cells(TExColumnGrid* G, int R)
{
    QStringList cells;
    const int columns = Grid_All_Columns(G);
    for (int c = 0; c < columns; ++c)
        cells << G->AllCells(c, R);
    return cells;
}
