// Column and row calculations, running numbers, the cell checker's passes,
// the fills, and cells read and written as dates and times. The footer's
// column functions are the column calculations here.

#include "grid/cells/content/ExGridCheck.h"
#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/util/ExUtilDate.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Format.h"
#include "platform/core/FormatSettings.h"
#include "platform/core/StringList.h"

#include <QtCore/QRandomGenerator>

#include <cmath>

namespace {

// A FromRow or ToRow of -1 stands for the normal rows.
void normalRange(TExStringGrid& grid, int& FromRow, int& ToRow)
{
    if (FromRow == -1 || ToRow == -1) {
        FromRow = grid.FixedRows();
        ToRow = grid.RowCount() - grid.FixedFooters() - 1;
    }
}

// The normal area, or every cell with DoFixed.
TRect normalArea(TExStringGrid& grid, bool DoFixed)
{
    if (DoFixed)
        return TRect{0, 0, grid.ColCount() - 1, grid.RowCount() - 1};
    return TRect{grid.FixedCols(), grid.FixedRows(), grid.ColCount() - grid.FixedRightCols() - 1,
                 grid.RowCount() - grid.FixedFooters() - 1};
}

// Strictly below (above) keeps the first of equal values, as the walk meets them.
double minOf(double a, double b) { return b < a ? b : a; }
double maxOf(double a, double b) { return b > a ? b : a; }

} // namespace

// ---- which rows count ------------------------------------------------------------------------

// A range reaching past the shown rows is read by real rows, so that hidden
// rows count; the footer row itself is the shown rows' end while it shows.
void TExStringGrid::forCountedRows(int ACol, int FromRow, int ToRow, const std::function<void(double)>& Visit)
{
    const bool realRows = p->floatingFooter->Visible() ? ToRow >= RowCount() : ToRow > RowCount();
    const bool grouped = p->groupColumn != -1;
    std::unique_ptr<TIntList> hidden;
    ExportNotification(esExportStart, FromRow);
    for (int r = FromRow; r <= ToRow; ++r) {
        const int shown = realRows ? DisplRowIndex(r) : r;
        if (grouped && (IsNode(shown) || IsSummary(shown)) && !IsHiddenRow(r, hidden))
            continue;
        if (IsMergedNonBaseCell(ACol, shown))
            continue;
        double value = 0;
        try {
            value = realRows ? AllFloats(ACol, r) : Floats(ACol, r);
        } catch (const EExGridError&) {
            continue;
        }
        ExportNotification(esExportNextRow, r);
        Visit(value);
    }
    ExportNotification(esExportDone, -1);
}

// ---- column aggregates -----------------------------------------------------------------------

double TExStringGrid::ColumnSum(int ACol, int FromRow, int ToRow)
{
    normalRange(*this, FromRow, ToRow);
    double sum = 0;
    forCountedRows(ACol, FromRow, ToRow, [&sum](double v) { sum += v; });
    return sum;
}

// Every row of the range divides, skipped ones too.
double TExStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow)
{
    normalRange(*this, FromRow, ToRow);
    if (ToRow < FromRow)
        return 0;
    return ColumnSum(ACol, FromRow, ToRow) / (ToRow - FromRow + 1);
}

double TExStringGrid::ColumnMin(int ACol, int FromRow, int ToRow)
{
    normalRange(*this, FromRow, ToRow);
    double result = Floats(ACol, FromRow);
    forCountedRows(ACol, FromRow, ToRow, [&result](double v) { result = minOf(result, v); });
    return result;
}

double TExStringGrid::ColumnMax(int ACol, int FromRow, int ToRow)
{
    normalRange(*this, FromRow, ToRow);
    double result = Floats(ACol, FromRow);
    forCountedRows(ACol, FromRow, ToRow, [&result](double v) { result = maxOf(result, v); });
    return result;
}

// The population deviation over every row of the range: a cell that is no
// number is an error here, not a row to skip.
double TExStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow)
{
    normalRange(*this, FromRow, ToRow);
    const int n = ToRow - FromRow + 1;
    if (n <= 0)
        return 0;
    const double average = ColumnAvg(ACol, FromRow, ToRow);
    double squares = 0;
    for (int r = FromRow; r <= ToRow; ++r) {
        const double d = Floats(ACol, r) - average;
        squares += d * d;
    }
    return std::sqrt(squares / n);
}

double TExStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow)
{
    normalRange(*this, FromRow, ToRow);
    TStringList values;
    values.SetSorted(true);
    values.SetDuplicates(dupIgnore);
    for (int r = FromRow; r <= ToRow; ++r)
        values.Add(Cells(ACol, r));
    return values.Count();
}

double TExStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow)
{
    double result = 0;
    if (OnColumnCalc)
        OnColumnCalc(this, ACol, FromRow, ToRow, result);
    return result;
}

double TExStringGrid::footerColumnCalc(TColumnCalcType Kind, int ACol, int FromRow, int ToRow)
{
    switch (Kind) {
    case acSUM: return ColumnSum(ACol, FromRow, ToRow);
    case acAVG: return ColumnAvg(ACol, FromRow, ToRow);
    case acMIN: return ColumnMin(ACol, FromRow, ToRow);
    case acMAX: return ColumnMax(ACol, FromRow, ToRow);
    case acDISTINCT: return ColumnDistinct(ACol, FromRow, ToRow);
    case acSTDDEV: return ColumnStdDev(ACol, FromRow, ToRow);
    default: return 0;
    }
}

// ---- row aggregates --------------------------------------------------------------------------

namespace {

// Calls Visit with each number of the row's base cells from fromCol to toCol.
template <typename Visit>
void forRowNumbers(TExStringGrid& grid, int ARow, int fromCol, int toCol, Visit visit)
{
    for (int c = fromCol; c <= toCol; ++c) {
        if (grid.IsMergedNonBaseCell(c, ARow))
            continue;
        try {
            visit(grid.Floats(c, ARow));
        } catch (const EExGridError&) {
        }
    }
}

} // namespace

double TExStringGrid::RowSum(int ARow, int fromCol, int toCol)
{
    double sum = 0;
    forRowNumbers(*this, ARow, fromCol, toCol, [&sum](double v) { sum += v; });
    return sum;
}

double TExStringGrid::RowAvg(int ARow, int fromCol, int toCol)
{
    if (toCol < fromCol)
        return 0;
    return RowSum(ARow, fromCol, toCol) / (toCol - fromCol + 1);
}

double TExStringGrid::RowMin(int ARow, int fromCol, int toCol)
{
    double result = Floats(fromCol, ARow);
    forRowNumbers(*this, ARow, fromCol, toCol, [&result](double v) { result = minOf(result, v); });
    return result;
}

double TExStringGrid::RowMax(int ARow, int fromCol, int toCol)
{
    double result = Floats(fromCol, ARow);
    forRowNumbers(*this, ARow, fromCol, toCol, [&result](double v) { result = maxOf(result, v); });
    return result;
}

// ---- running numbers -------------------------------------------------------------------------

int TExStringGrid::AutoNumberStart() const { return p->autoNumberStart; }
void TExStringGrid::SetAutoNumberStart(int Value) { p->autoNumberStart = Value; }
int TExStringGrid::AutoNumberOffset() const { return p->autoNumberOffset; }
void TExStringGrid::SetAutoNumberOffset(int Value) { p->autoNumberOffset = Value; }
TSortDirection TExStringGrid::AutoNumberDirection() const { return p->autoNumberDirection; }
void TExStringGrid::SetAutoNumberDirection(TSortDirection Value) { p->autoNumberDirection = Value; }

// Descending numbers start at the far end, so the rows AutoNumberStart leaves
// out are then the last ones.
void TExStringGrid::AutoNumberCol(int ACol)
{
    if (RowCount() <= 0)
        return;
    const int first = FixedRows() + p->autoNumberStart;
    const int last = RowCount() - FixedFooters() - 1;
    for (int a = first; a <= last; ++a) {
        const int row = p->autoNumberDirection == sdAscending ? a : FixedRows() + (RowCount() - FixedFooters()) - a - 1;
        SetInts(ACol, row, a - FixedRows() + 1 + p->autoNumberOffset);
    }
}

void TExStringGrid::AutoNumberRow(int ARow)
{
    if (ColCount() <= 0)
        return;
    const int first = FixedCols() + p->autoNumberStart;
    const int last = ColCount() - FixedRightCols() - 1;
    for (int c = first; c <= last; ++c) {
        const int col = p->autoNumberDirection == sdAscending ? c : ColCount() + FixedCols() - FixedRightCols() - c - 1;
        SetInts(col, ARow, c - FixedCols() + 1 + p->autoNumberOffset);
    }
}

// ---- the checker's passes --------------------------------------------------------------------

// Correcting and marking both start from the unmarked text, so with both on
// the marked text wins; the cell is written either way.
bool TExStringGrid::CheckCell(int Col, int Row)
{
    TExStringGridCheck* checker = CellChecker();
    if (!checker)
        return true;
    const QString unmarked = UnMarkText(Cells(Col, Row));
    if (checker->GotoCell)
        MoveToCell(Col, Row);
    QString working = unmarked;
    if (checker->UseCorrect)
        working = checker->Correct(Col, Row, unmarked);
    if (checker->UseMarkError)
        working = checker->MarkError(Col, Row, unmarked);
    SetCells(Col, Row, working);
    return working == unmarked;
}

bool TExStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    TExStringGridCheck* checker = CellChecker();
    if (!checker)
        return true;
    checker->StartCheck();
    const int row = Row();
    const int col = Col();
    bool unchanged = true;
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c)
            unchanged = CheckCell(c, r) && unchanged;
    checker->StopCheck();
    if (checker->GotoCell)
        MoveToCell(col, row);
    return unchanged;
}

bool TExStringGrid::CheckCol(bool DoFixed, int Col)
{
    const TRect area = normalArea(*this, DoFixed);
    return CheckCells(std::max(Col, area.Left), area.Top, std::min(Col, area.Right), area.Bottom);
}

bool TExStringGrid::CheckRow(bool DoFixed, int Row)
{
    const TRect area = normalArea(*this, DoFixed);
    return CheckCells(area.Left, std::max(Row, area.Top), area.Right, std::min(Row, area.Bottom));
}

bool TExStringGrid::CheckGrid(bool DoFixed)
{
    const TRect area = normalArea(*this, DoFixed);
    return CheckCells(area.Left, area.Top, area.Right, area.Bottom);
}

// ---- fills -----------------------------------------------------------------------------------

void TExStringGrid::fillArea(bool DoFixed, const std::function<QString(int, int)>& Text)
{
    const TRect area = normalArea(*this, DoFixed);
    for (int r = area.Top; r <= area.Bottom; ++r)
        for (int c = area.Left; c <= area.Right; ++c)
            SetCells(c, r, Text(c, r));
    AfterBulkCellChange();
}

void TExStringGrid::TextFill(bool DoFixed, const QString& Txt)
{
    fillArea(DoFixed, [&Txt](int, int) { return Txt; });
}

// The checked Format refuses a directive that takes no integer.
void TExStringGrid::FormatFill(bool DoFixed, const QString& Fmt)
{
    fillArea(DoFixed, [&Fmt](int c, int r) { return Format(Fmt, {c, r}); });
}

void TExStringGrid::RandomFill(bool DoFixed, int Rnd)
{
    fillArea(DoFixed, [Rnd](int, int) {
        return QString::number(Rnd > 0 ? QRandomGenerator::global()->bounded(Rnd) : 0);
    });
}

void TExStringGrid::LinearFill(bool DoFixed)
{
    fillArea(DoFixed, [](int c, int r) { return QStringLiteral("%1:%2").arg(c).arg(r); });
}

void TExStringGrid::AfterBulkCellChange() { CalcFooter(-1); }

// ---- dates and times -------------------------------------------------------------------------

double TExStringGrid::Dates(int ACol, int ARow)
{
    const QString text = Cells(ACol, ARow);
    TDateTime value = 0;
    if (!ParseLocaleDateTime(text, value))
        throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(text));
    return value;
}

void TExStringGrid::SetDates(int ACol, int ARow, double Value)
{
    if (Value <= 0 && !p->showNullDates)
        SetCells(ACol, ARow, QString());
    else
        SetCells(ACol, ARow, FormatDateTimeText(FormatSettings().ShortDateFormat, Value));
}

double TExStringGrid::Times(int ACol, int ARow)
{
    const QString text = Cells(ACol, ARow);
    TDateTime value = 0;
    if (!ParseLocaleTime(text, value))
        throw EConvertError(QStringLiteral("'%1' is not a valid time").arg(text));
    return value;
}

void TExStringGrid::SetTimes(int ACol, int ARow, double Value)
{
    SetCells(ACol, ARow, FormatDateTimeText(FormatSettings().LongTimeFormat, Value));
}
