#pragma once

// The row operations every table editor shares: delete, insert, copy and paste
// of rows (through the shared Row_Clipboard), Enter to the next cell and the
// tests of rows in use. "Columns" are the real columns 1 to the last, hidden
// ones included: the row number in column 0 is never touched, so numbers stay
// with their grid rows.

#include <QChar>
#include <QStringList>

class TExColumnGrid;
class TExStringGrid;

// Rows R .. RowCount-2 take the row below; the last row is emptied.
void Grid_Delete_Row(int R, TExColumnGrid* G);
// Moves rows R .. RowCount-2 one down and empties row R ("Y" in column 1 when
// E is set). When the last row is in use its texts would be lost, so the user
// is asked first; false (nothing changed) on No.
bool Grid_Insert_Row(int R, TExColumnGrid* G, bool E);
void Grid_Copy_Row(TExColumnGrid* G, int R);
void Grid_Paste_Row(TExColumnGrid* G, int R, bool C);
// With the jump option on, Enter moves to the next data cell and is swallowed.
void Grid_Enter_Next_Cell(TExStringGrid* G, QChar& K);
void Grid_DblClick_AutoSize(TExStringGrid* G, int R, int C);

// A row is in use when a column that is not a data check box holds a text
// that is not empty after trimming.
bool Grid_Row_In_Use(TExColumnGrid* G, int R);
// The real column count, hidden columns included.
int Grid_All_Columns(TExColumnGrid* G);
// The texts of a row's real columns, column 0 first, hidden ones included.
QStringList Grid_Row_Cells(TExColumnGrid* G, int R);
