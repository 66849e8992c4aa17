// The recorder of cell text changes: recording, undo and redo, sequences
// undone in one step, and the link to its grid.

#include "grid/foundation/cellstore/BaseGrid.h"
#include "grid/foundation/cellstore/BaseGridPrivate.h"

TUndoRedoItem& TUndoRedoCollection::Add()
{
    items_.emplace_back();
    return items_.back();
}

void TUndoRedoCollection::Delete(int index)
{
    items_.erase(items_.begin() + index);
}

void TUndoRedoCollection::Truncate(int index)
{
    if (index < Count())
        items_.resize(static_cast<size_t>(index));
}

TExGridUndoRedo::TExGridUndoRedo() = default;

TExGridUndoRedo::~TExGridUndoRedo()
{
    if (grid_)
        grid_->forgetUndoRedo(this);
}

// A new change ends the redo history: the undone changes are dropped so that a
// later Redo cannot replay them over the new one.
void TExGridUndoRedo::discardUndone()
{
    items_.Truncate(level_);
}

void TExGridUndoRedo::RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue)
{
    discardUndone();
    if (maxLevel_ > 0 && items_.Count() >= maxLevel_)
        items_.Delete(0);
    TUndoRedoItem& item = items_.Add();
    item.Col = ACol;
    item.Row = ARow;
    item.Value = NewValue;
    item.OrigValue = OldValue;
    level_ = items_.Count();
}

void TExGridUndoRedo::appendMarker(bool start)
{
    discardUndone();
    TUndoRedoItem& item = items_.Add();
    item.SequenceStart = start;
    item.SequenceStop = !start;
    level_ = items_.Count();
}

void TExGridUndoRedo::StartSequence()
{
    appendMarker(true);
}

void TExGridUndoRedo::StopSequence()
{
    appendMarker(false);
}

void TExGridUndoRedo::apply(const TUndoRedoItem& item, const QString& text, bool undo)
{
    if (item.Col < 0 || item.Row < 0)
        return;
    const auto& event = undo ? OnUndo : OnRedo;
    if (event)
        event(this, grid_, item.Col, item.Row, grid_->Cells(item.Col, item.Row), text);
    grid_->SetCells(item.Col, item.Row, text);
    const int displayCol = grid_->DisplColIndex(item.Col);
    if (displayCol >= grid_->FixedCols() && displayCol < grid_->ColCount())
        grid_->SetCol(displayCol);
    if (item.Row >= grid_->FixedRows() && item.Row < grid_->RowCount())
        grid_->SetRow(item.Row);
}

void TExGridUndoRedo::Undo()
{
    if (!grid_ || level_ <= 0 || items_.Count() < level_)
        return;
    const TUndoRedoItem& top = items_.Items(level_ - 1);
    if (top.SequenceStop) {
        // Walk back to the start marker; a start marker dropped by the MaxLevel
        // limit ends the walk at the first item.
        int index = level_ - 2;
        while (index >= 0 && !items_.Items(index).SequenceStart) {
            apply(items_.Items(index), items_.Items(index).OrigValue, true);
            --index;
        }
        level_ = std::max(index, 0);
        grid_->Invalidate();
        return;
    }
    apply(top, top.OrigValue, true);
    if (!top.SequenceStart)
        grid_->RepaintCell(grid_->Col(), top.Row);
    --level_;
}

void TExGridUndoRedo::Redo()
{
    if (!grid_ || level_ >= items_.Count())
        return;
    const TUndoRedoItem& next = items_.Items(level_);
    if (next.SequenceStart) {
        // A sequence that was never stopped runs to the end of the list.
        int index = level_ + 1;
        while (index < items_.Count() && !items_.Items(index).SequenceStop) {
            apply(items_.Items(index), items_.Items(index).Value, false);
            ++index;
        }
        level_ = index < items_.Count() ? index + 1 : items_.Count();
        grid_->Invalidate();
        return;
    }
    apply(next, next.Value, false);
    ++level_;
}

void TExGridUndoRedo::Reset()
{
    items_.Clear();
    level_ = 0;
}

bool TExGridUndoRedo::CanUndo() const
{
    return level_ > 0;
}

bool TExGridUndoRedo::CanRedo() const
{
    return level_ < items_.Count();
}

const TUndoRedoCollection& TExGridUndoRedo::Items() const
{
    return items_;
}

TBaseGrid* TExGridUndoRedo::Grid() const
{
    return grid_;
}

void TExGridUndoRedo::SetGrid(TBaseGrid* value)
{
    grid_ = value;
}

void TExGridUndoRedo::forgetGrid(TBaseGrid* grid)
{
    if (grid_ == grid)
        grid_ = nullptr;
}

int TExGridUndoRedo::Level() const
{
    return level_;
}

int TExGridUndoRedo::MaxLevel() const
{
    return maxLevel_;
}

void TExGridUndoRedo::SetMaxLevel(int value)
{
    maxLevel_ = value;
}
