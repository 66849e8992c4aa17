#include "platform/grid/StringGrid.h"

#include "platform/core/StringList.h"
#include "platform/grid/InplaceEdit.h"
#include "platform/ui/paint/Canvas.h"

#include <algorithm>
#include <vector>

namespace {

struct Cell {
    QString text;
    TObject* object = nullptr;
};

// Moves the entry at from to to, shifting the ones between by one place.
template <typename T>
void MoveEntry(std::vector<T>& v, int from, int to)
{
    const size_t needed = static_cast<size_t>(std::max(from, to)) + 1;
    if (v.size() < needed)
        v.resize(needed);
    if (from < to)
        std::rotate(v.begin() + from, v.begin() + from + 1, v.begin() + to + 1);
    else
        std::rotate(v.begin() + to, v.begin() + from, v.begin() + from + 1);
}

[[noreturn]] void GridIndexOutOfRange()
{
    throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
}

}  // namespace

// Cells by column, then row; both lists grow on demand and never shrink.
struct TStringGrid::Private {
    std::vector<std::vector<Cell>> columns;
    bool settingEditText = false;

    const Cell* find(int c, int r) const
    {
        if (c < 0 || r < 0 || c >= static_cast<int>(columns.size()))
            return nullptr;
        const auto& col = columns[c];
        return r < static_cast<int>(col.size()) ? &col[r] : nullptr;
    }
    Cell& at(int c, int r)
    {
        if (c < 0 || r < 0)
            GridIndexOutOfRange();
        if (c >= static_cast<int>(columns.size()))
            columns.resize(c + 1);
        auto& col = columns[c];
        if (r >= static_cast<int>(col.size()))
            col.resize(r + 1);
        return col[r];
    }
};

TStringGrid::TStringGrid(QWidget* parent) : TDrawGrid(parent), d(std::make_unique<Private>()) {}

TStringGrid::~TStringGrid() = default;

QString TStringGrid::Cells(int ACol, int ARow) const
{
    const Cell* cell = d->find(ACol, ARow);
    return cell ? cell->text : QString();
}

void TStringGrid::SetCells(int ACol, int ARow, const QString& Value)
{
    d->at(ACol, ARow).text = Value;
    cellChanged(ACol, ARow);
}

TObject* TStringGrid::Objects(int ACol, int ARow) const
{
    const Cell* cell = d->find(ACol, ARow);
    return cell ? cell->object : nullptr;
}

void TStringGrid::SetObjects(int ACol, int ARow, TObject* Value)
{
    d->at(ACol, ARow).object = Value;
    cellChanged(ACol, ARow);
}

// Repaints the cell and shows the new text in an editor open on it, unless the
// editor itself is storing its text.
void TStringGrid::cellChanged(int ACol, int ARow)
{
    InvalidateCell(ACol, ARow);
    if (!d->settingEditText && ACol == Col() && ARow == Row() && InplaceEditor() && InplaceEditor()->isVisible())
        UpdateEditor();
}

TGridStrings TStringGrid::Rows(int ARow) { return TGridStrings(this, true, ARow); }
TGridStrings TStringGrid::Cols(int ACol) { return TGridStrings(this, false, ACol); }
void TStringGrid::SetRows(int ARow, const TStringList& Value) { Rows(ARow).Assign(Value); }
void TStringGrid::SetCols(int ACol, const TStringList& Value) { Cols(ACol).Assign(Value); }

void TStringGrid::ExchangeRowCells(int ARow1, int ARow2, int FromCol, int ToCol)
{
    if (ARow1 == ARow2)
        return;
    const int last = std::max(ARow1, ARow2);
    for (int c = std::max(FromCol, 0); c <= ToCol; ++c) {
        if (!d->find(c, ARow1) && !d->find(c, ARow2))
            continue;
        d->at(c, last);
        auto& column = d->columns[static_cast<size_t>(c)];
        std::swap(column[static_cast<size_t>(ARow1)], column[static_cast<size_t>(ARow2)]);
    }
}

void TStringGrid::CopyRowCells(int FromRow, int ToRow, int FromCol, int ToCol)
{
    if (FromRow == ToRow)
        return;
    const int last = std::max(FromRow, ToRow);
    for (int c = std::max(FromCol, 0); c <= ToCol; ++c) {
        if (!d->find(c, FromRow) && !d->find(c, ToRow))
            continue;
        d->at(c, last);
        auto& column = d->columns[static_cast<size_t>(c)];
        column[static_cast<size_t>(ToRow)] = column[static_cast<size_t>(FromRow)];
    }
}

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (DefaultDrawing())
        Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
    TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

QString TStringGrid::AccessibleCellText(int ACol, int ARow) { return Cells(ACol, ARow); }

QString TStringGrid::GetEditText(int ACol, int ARow)
{
    QString value = Cells(ACol, ARow);
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TStringGrid::SetEditText(int ACol, int ARow, const QString& Value)
{
    d->settingEditText = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{d->settingEditText};
    if (Value != Cells(ACol, ARow))
        SetCells(ACol, ARow, Value);
    TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    MoveEntry(d->columns, FromIndex, ToIndex);
    TDrawGrid::ColumnMoved(FromIndex, ToIndex);
}

void TStringGrid::RowMoved(int FromIndex, int ToIndex)
{
    for (auto& column : d->columns)
        MoveEntry(column, FromIndex, ToIndex);
    TDrawGrid::RowMoved(FromIndex, ToIndex);
}

// ---- TGridStrings -------------------------------------------------------------

TGridStrings::TGridStrings(TStringGrid* grid, bool isRow, int index) : grid_(grid), isRow_(isRow), index_(index) {}

int TGridStrings::Count() const { return isRow_ ? grid_->ColCount() : grid_->RowCount(); }

QString TGridStrings::Strings(int index) const
{
    return isRow_ ? grid_->Cells(index, index_) : grid_->Cells(index_, index);
}

void TGridStrings::SetStrings(int index, const QString& value)
{
    if (index < 0 || index >= Count())
        GridIndexOutOfRange();
    if (isRow_)
        grid_->SetCells(index, index_, value);
    else
        grid_->SetCells(index_, index, value);
}

TObject* TGridStrings::Objects(int index) const
{
    return isRow_ ? grid_->Objects(index, index_) : grid_->Objects(index_, index);
}

void TGridStrings::SetObjects(int index, TObject* value)
{
    if (index < 0 || index >= Count())
        GridIndexOutOfRange();
    if (isRow_)
        grid_->SetObjects(index, index_, value);
    else
        grid_->SetObjects(index_, index, value);
}

int TGridStrings::IndexOf(const QString& value) const
{
    for (int i = 0; i < Count(); ++i)
        if (Strings(i).compare(value, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void TGridStrings::Assign(const TStringList& source)
{
    for (int i = 0; i < Count(); ++i) {
        const bool has = i < source.Count();
        SetStrings(i, has ? source.Strings(i) : QString());
        SetObjects(i, has ? source.Objects(i) : nullptr);
    }
}

void TGridStrings::Assign(const TGridStrings& source)
{
    TStringList copy;
    source.AssignTo(copy);
    Assign(copy);
}

void TGridStrings::AssignTo(TStringList& dest) const
{
    dest.Clear();
    for (int i = 0; i < Count(); ++i)
        dest.AddObject(Strings(i), Objects(i));
}

void TGridStrings::Clear()
{
    for (int i = 0; i < Count(); ++i) {
        SetStrings(i, QString());
        SetObjects(i, nullptr);
    }
}

QString TGridStrings::Text() const
{
    TStringList list;
    AssignTo(list);
    return list.Text();
}

void TGridStrings::SetText(const QString& value)
{
    TStringList list;
    list.SetText(value);
    Assign(list);
}

QString TGridStrings::CommaText() const
{
    TStringList list;
    AssignTo(list);
    return list.CommaText();
}

void TGridStrings::SetCommaText(const QString& value)
{
    TStringList list;
    list.SetCommaText(value);
    Assign(list);
}
