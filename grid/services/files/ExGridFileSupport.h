#pragma once

// What the grid's file formats share: the progress reporter, the limits a
// loaded header must keep, the column mapping of the save range and reading
// a file whole.

#include "grid/engine/ExGrid.h"

#include <QtCore/QByteArray>
#include <QtCore/QString>

namespace gridfiles {

// The largest grid a file or stream may ask for; a header above either is
// refused before the grid changes, so that no input makes a load allocate
// far past its own size.
inline constexpr int MaxLoadRows = 1048576;
inline constexpr int MaxLoadCols = 16384;
// Raises EExGridError when a loaded header asks for more.
void CheckLoadSize(int Cols, int Rows);

// Fires OnFileProgress with a percentage, only when it changed.
class Progress {
public:
    explicit Progress(TExStringGrid& Grid) : m_grid(Grid) {}
    // Step of Steps, rounded half to even.
    void Report(double Step, double Steps);

private:
    TExStringGrid& m_grid;
    int m_last = -1;
};

// The hidden columns an export adds to its range (SaveHiddenCells), and the
// cell-store column of a column of the widened range.
int HiddenWidening(const TExStringGrid& Grid);
int SavedRealCol(const TExStringGrid& Grid, int ACol);

// The saved text of the cell of a display column of the save range.
QString SaveText(TExStringGrid& Grid, int ACol, int ARow);

// A whole file; EFOpenError when it cannot be read.
QByteArray ReadFile(const QString& FileName);
// The UTF-16 units a string holds as little-endian bytes, and back.
QByteArray Utf16Bytes(const QString& Text);

} // namespace gridfiles
