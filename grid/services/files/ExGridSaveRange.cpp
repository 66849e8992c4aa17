// The rectangle every export writes, the helpers the file formats share, a
// cell's text as a number and the footer refresh after bulk changes.

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/util/ExUtilNumber.h"
#include "grid/services/files/ExGridFileSupport.h"
#include "platform/core/SysUtils.h"
#include "platform/core/Files.h"

#include <algorithm>
#include <cmath>

#include <QtCore/QLocale>

int TExStringGrid::SaveStartCol() const { return p->saveFixedCells || p->saveFixedCols ? 0 : FixedCols(); }

int TExStringGrid::SaveEndCol() const
{
    return p->saveFixedCells || p->saveFixedCols ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
}

int TExStringGrid::SaveColCount() const
{
    return p->saveFixedCells || p->saveFixedCols ? ColCount() : ColCount() - FixedCols() - FixedRightCols();
}

int TExStringGrid::SaveStartRow() const { return p->saveFixedCells || p->saveFixedRows ? 0 : FixedRows(); }

int TExStringGrid::SaveEndRow() const
{
    return p->saveFixedCells || p->saveFixedRows ? RowCount() - 1 : RowCount() - FixedFooters() - 1;
}

int TExStringGrid::SaveRowCount() const
{
    return p->saveFixedCells || p->saveFixedRows ? RowCount() : RowCount() - FixedRows() - FixedFooters();
}

bool TExStringGrid::OemConvert() const { return p->oemConvert; }
void TExStringGrid::SetOemConvert(bool Value) { p->oemConvert = Value; }

namespace {

// The length of the longest start of a text that is a decimal number: sign,
// digits with at most one ".", an exponent only when digits follow it.
int NumberPrefixLength(const QString& s)
{
    int i = 0;
    const int n = int(s.size());
    if (i < n && (s[i] == u'-' || s[i] == u'+'))
        ++i;
    int digits = 0;
    while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == u'.') {
        ++i;
        while (i < n && s[i].isDigit() && s[i].unicode() < 128) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        int j = i + 1;
        if (j < n && (s[j] == u'-' || s[j] == u'+'))
            ++j;
        const int start = j;
        while (j < n && s[j].isDigit() && s[j].unicode() < 128)
            ++j;
        if (j > start)
            i = j;
    }
    return i;
}

} // namespace

double TExStringGrid::CellToReal(int ACol, int ARow)
{
    const QString text = Cells(ACol, ARow);
    if (text.isEmpty())
        return 0;
    const QString numeric = ExtractNumericText(text);
    const int length = NumberPrefixLength(numeric);
    if (length < numeric.size() || length == 0)
        throw EExGridError(QStringLiteral("Error at position: %1 in Cell [%2, %3].")
                               .arg(length + 1)
                               .arg(ACol)
                               .arg(ARow));
    const double value = QLocale::c().toDouble(numeric);
    return value;
}

namespace gridfiles {

void CheckLoadSize(int Cols, int Rows)
{
    if (Cols > MaxLoadCols || Rows > MaxLoadRows)
        throw EExGridError(QStringLiteral("Grid size %1 x %2 exceeds the limit").arg(Cols).arg(Rows));
}

void Progress::Report(double Step, double Steps)
{
    if (!m_grid.OnFileProgress)
        return;
    const int percent = int(std::nearbyint(Step / std::max(1.0, Steps) * 100));
    if (percent == m_last)
        return;
    m_last = percent;
    m_grid.OnFileProgress(&m_grid, percent);
}

int HiddenWidening(const TExStringGrid& Grid) { return Grid.SaveHiddenCells() ? Grid.NumHiddenColumns() : 0; }

int SavedRealCol(const TExStringGrid& Grid, int ACol)
{
    return Grid.SaveHiddenCells() ? ACol : Grid.DisplayToRealCol(ACol);
}

QString SaveText(TExStringGrid& Grid, int ACol, int ARow)
{
    QString text;
    Grid.GetCellSaveText(SavedRealCol(Grid, ACol), ARow, text);
    return text;
}

QByteArray ReadFile(const QString& FileName)
{
    QByteArray bytes;
    QString error;
    if (!platform::ReadWholeFile(FileName, bytes, &error))
        throw EFOpenError(error);
    return bytes;
}

QByteArray Utf16Bytes(const QString& Text)
{
    QByteArray bytes;
    bytes.reserve(Text.size() * 2);
    for (QChar ch : Text) {
        bytes.append(char(ch.unicode() & 0xFF));
        bytes.append(char(ch.unicode() >> 8));
    }
    return bytes;
}

} // namespace gridfiles
