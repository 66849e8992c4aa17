// The grid's dimensions on top of the platform grid: requested fixed counts,
// high-water marks, the travelling footer row; typed cell access and headers.
// With FixedRowAlways/FixedColAlways the requested fixed counts come back once
// the grid is large enough again. The floating footer's row travels to the new
// last row when the row count changes. Typed reads (Ints, Floats, AllInts,
// AllFloats) read the text without markup and raise the messages of
// ExGridError.h for a text that is no number; an empty text or a lone "-" is 0.

#include "grid/engine/ExGridError.h"
#include "grid/engine/ExGridPrivate.h"
#include "grid/engine/ExGridViewSettings.h"
#include "grid/foundation/markup/EsgHTMLEUtil.h"
#include "grid/foundation/markup/EsgHTMLEUtilControls.h"
#include "grid/foundation/util/ExUtilNumber.h"
#include "grid/foundation/util/ExUtilText.h"
#include "platform/core/Format.h"
#include "platform/core/SysUtils.h"
#include "platform/grid/InplaceEdit.h"

#include <algorithm>

namespace {

// The two characters backslash and n stand for a line break in a header.
QString headerText(const QString& text) { return QString(text).replace(QLatin1String("\\n"), QLatin1String("\r")); }

int intFromText(const QString& stripped)
{
    int value = 0;
    if (!TryCellInt(stripped, value))
        throw EExGridError(QString::fromLatin1(ExGridErrors::NoIntegerValue));
    return value;
}

double floatFromText(const QString& stripped)
{
    double value = 0;
    if (!TryCellFloat(stripped, value))
        throw EExGridError(QString::fromLatin1(ExGridErrors::NoFloatValue));
    return value;
}

QString strippedText(const QString& text)
{
    return ClassifyCellText(text, true) == ctMarkup ? StripMarkupTags(text) : text;
}

} // namespace

bool TryCellInt(const QString& stripped, int& value)
{
    const QString text = stripped.trimmed();
    value = 0;
    return text.isEmpty() || text == QLatin1String("-") || TryStrToInt(text, value);
}

bool TryCellFloat(const QString& stripped, double& value)
{
    const QString text = stripped.trimmed();
    value = 0;
    return text.isEmpty() || text == QLatin1String("-") || TryStrToFloat(ExtractNumericText(text), value);
}

// ---- counts ------------------------------------------------------------------------------

void TExStringGrid::SetRowCount(int Value)
{
    if (TBaseGrid::RowCount() == TBaseGrid::FixedRows() && p->fixedRowAlways && p->selectionHidden)
        UnHideSelection();
    const int oldCount = RowCount();
    TBaseGrid::SetRowCount(Value);
    if (p->fixedRowAlways && p->fixedRowsMin < Value)
        SetFixedRows(p->fixedRowsMin);
    p->maxRowCount = std::max(p->maxRowCount, Value);
    SetNormalRowCount(Value);
    ApplyScrollBarAlways(false);
    if (p->floatingFooter->Visible() && Value != oldCount && Value > 0 && oldCount > 0) {
        // the row the footer leaves is lost; its properties must not leak
        FreeCellPropertiesInRect(0, Value - 1, TotalColCount() - 1, Value - 1);
        copyStoredRow(oldCount - 1, Value - 1, false);
        emptyStoredRow(oldCount - 1);
    }
}

void TExStringGrid::SetColCount(int Value)
{
    TBaseGrid::SetColCount(Value);
    if (p->fixedColAlways && p->fixedColsMin < Value)
        SetFixedCols(p->fixedColsMin);
    p->maxColCount = std::max(p->maxColCount, Value);
    SetBounds(Left(), Top(), Width(), Height());
    ApplyScrollBarAlways(false);
}

int TExStringGrid::FixedRows() const
{
    const int fixed = TBaseGrid::FixedRows();
    return fixed == 0 && p->fixedRowAlways ? 1 : fixed;
}

void TExStringGrid::SetFixedRows(int Value)
{
    const int applied = p->fixedRowAlways && Value >= RowCount() ? RowCount() - 1 : Value;
    TBaseGrid::SetFixedRows(applied);
    if (!p->loading)
        p->fixedRowsMin = Value;
}

int TExStringGrid::FixedCols() const
{
    const int fixed = TBaseGrid::FixedCols();
    return fixed == 0 && p->fixedColAlways ? 1 : fixed;
}

void TExStringGrid::SetFixedCols(int Value)
{
    const int applied = p->fixedColAlways && Value >= ColCount() ? ColCount() - 1 : Value;
    TBaseGrid::SetFixedCols(applied);
    if (!p->loading)
        p->fixedColsMin = Value;
}

QString TExStringGrid::CtrlVal(int ACol, int ARow, const QString& ControlID)
{
    QString value;
    GetControlTagValue(Cells(ACol, ARow), ControlID, value);
    return value;
}

void TExStringGrid::SetCtrlVal(int ACol, int ARow, const QString& ControlID, const QString& Value)
{
    QString text = Cells(ACol, ARow);
    if (SetControlTagValue(text, ControlID, Value))
        SetCells(ACol, ARow, text);
}

int TExStringGrid::MaxEditLength() const { return p->maxEditLength; }

void TExStringGrid::SetMaxEditLength(int Value)
{
    p->maxEditLength = Value;
    if (InplaceEditor())
        InplaceEditor()->SetMaxLength(Value);
}

int TExStringGrid::GetEditLimit() { return p->maxEditLength; }

QString TExStringGrid::Version() const
{
    const int nr = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4")
        .arg((nr >> 24) & 0xFF)
        .arg((nr >> 16) & 0xFF)
        .arg((nr >> 8) & 0xFF)
        .arg(nr & 0xFF);
}

int TExStringGrid::VisibleFixedRightCols() const
{
    int visible = 0;
    for (int c = TotalColCount() - p->fixedRightCols; c < TotalColCount(); ++c)
        visible += c >= 0 && !IsHiddenColumn(c) ? 1 : 0;
    return visible;
}

int TExStringGrid::LeadingFixedCols() { return FixedCols() == 0 && HasNodeRows() ? 1 : FixedCols(); }

void TExStringGrid::SetCol(int Value)
{
    TBaseGrid::SetCol(Value);
    TStringGrid* synced = p->syncGrid->Grid();
    if (synced && p->syncGrid->SelectionColumn() && Value < synced->ColCount())
        synced->SetCol(Value);
}

// ---- typed cells ---------------------------------------------------------------------------

QString TExStringGrid::GetStrippedCell(int ACol, int ARow) { return strippedText(Cells(ACol, ARow)); }

int TExStringGrid::Ints(int ACol, int ARow) { return intFromText(GetStrippedCell(ACol, ARow)); }

void TExStringGrid::SetInts(int ACol, int ARow, int Value)
{
    SetCells(ACol, ARow, QString::number(Value));
    if (NumHiddenColumns() > 0)
        RepaintCell(RealToDisplayCol(ACol), ARow);
}

int TExStringGrid::AllInts(int ACol, int ARow) { return intFromText(strippedText(AllCells(ACol, ARow))); }

void TExStringGrid::SetAllInts(int ACol, int ARow, int Value) { SetAllCells(ACol, ARow, QString::number(Value)); }

double TExStringGrid::Floats(int ACol, int ARow) { return floatFromText(GetStrippedCell(ACol, ARow)); }

void TExStringGrid::SetFloats(int ACol, int ARow, double Value)
{
    QString format = p->floatFormat;
    QueryFloatFormat(ACol, ARow, format);
    SetCells(ACol, ARow, Format(format, {Value}));
}

double TExStringGrid::AllFloats(int ACol, int ARow) { return floatFromText(strippedText(AllCells(ACol, ARow))); }

void TExStringGrid::SetAllFloats(int ACol, int ARow, double Value)
{
    SetAllCells(ACol, ARow, Format(p->floatFormat, {Value}));
}

// ---- headers ---------------------------------------------------------------------------------

void TExStringGrid::ClearColumnHeaders()
{
    for (int c = 0; c < ColCount(); ++c)
        SetCells(c, 0, QString());
}

void TExStringGrid::ShowColumnHeaders()
{
    if (FixedRows() <= 0)
        return;
    const int count = std::min(p->columnHeaders->Count(), TotalColCount());
    for (int c = 0; c < count; ++c)
        SetCells(c, 0, headerText(p->columnHeaders->Strings(c)));
}

void TExStringGrid::ClearRowHeaders()
{
    for (int r = 0; r < RowCount(); ++r)
        SetCells(0, r, QString());
}

void TExStringGrid::ShowRowHeaders()
{
    if (FixedCols() <= 0)
        return;
    const int count = std::min(p->rowHeaders->Count(), RowCount());
    for (int r = 0; r < count; ++r)
        SetCells(0, r, headerText(p->rowHeaders->Strings(r)));
}
