#pragma once

// The bookkeeping of hidden columns and rows without the grid: which real
// columns are hidden with the widths they had, the record of a hidden row, and
// the mappings between real indexes (hidden ones included) and display indexes.

#include "platform/core/TObject.h"

#include <memory>
#include <vector>

class TStringList;

// Hidden columns by real index. There is no upper limit on the index.
class THiddenColumns {
public:
    bool IsHidden(int ACol) const;
    int Count() const { return count_; }
    // Marks a shown column hidden and remembers its width.
    void Hide(int ACol, int AWidth);
    // Marks a hidden column shown and answers the width it had.
    int Show(int ACol);
    int Width(int ACol) const;
    void SetWidth(int ACol, int AWidth);
    // The real column of a display column: the shown column with exactly ACol
    // shown columns before it; -1 for a negative ACol.
    int DisplayToReal(int ACol) const;
    // ACol less the hidden columns before it; a hidden column maps to the next
    // shown one.
    int RealToDisplay(int ACol) const;
    // Real columns inserted before ACol: the columns from ACol on move right
    // with their hidden state and saved width; the new ones are shown.
    void Insert(int ACol, int ACount);
    // Real columns ACol.. removed: those after them move left with their
    // hidden state and saved width; removed hidden columns leave the count.
    void Remove(int ACol, int ACount);

private:
    std::vector<bool> hidden_;
    std::vector<int> widths_;
    int count_ = 0;
};

// The real row of a display row, given the real indexes of the hidden rows in
// any order; -1 for a negative ARow. Past the last row the walk goes on.
int HiddenDisplayToRealRow(int ARow, std::vector<int> HiddenRows);
// ARow less the hidden rows before it.
int HiddenRealToDisplayRow(int ARow, const std::vector<int>& HiddenRows);

// The record of one hidden row: where it belongs, its height, the filter level
// that hid it and its cells (texts with their cell objects, one entry per real
// column). The record owns the objects while the row is hidden: taking a cell
// back detaches its object first, and destroying the record frees the rest.
class TGridItem : public TObject {
public:
    TGridItem();
    ~TGridItem() override;
    TGridItem(const TGridItem&) = delete;
    TGridItem& operator=(const TGridItem&) = delete;

    int Idx() const { return idx_; }
    void SetIdx(int Value) { idx_ = Value; }
    int Height() const { return height_; }
    void SetHeight(int Value) { height_ = Value; }
    int Level() const { return level_; }
    void SetLevel(int Value) { level_ = Value; }
    TStringList* Items() const { return items_.get(); }
    // Hands the object of an entry to the caller; the entry keeps its text.
    TObject* TakeObject(int Index);
    // Frees every object still held and empties the cells.
    void ClearItems();

private:
    int idx_ = 0;
    int height_ = 0;
    int level_ = 0;
    std::unique_ptr<TStringList> items_;
};
