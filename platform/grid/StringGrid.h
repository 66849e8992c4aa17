#pragma once

#include "platform/grid/DrawGrid.h"

class TObject;
class TStringGrid;
class TStringList;

// One row or one column of a string grid seen as a list of texts with objects;
// reads and writes go straight to the grid's cells. Its count is the grid's
// column count (for a row) or row count (for a column).
class TGridStrings {
public:
    TGridStrings(TStringGrid* grid, bool isRow, int index);

    int Count() const;
    QString Strings(int index) const;
    void SetStrings(int index, const QString& value);
    QString operator[](int index) const { return Strings(index); }
    TObject* Objects(int index) const;
    void SetObjects(int index, TObject* value);
    int IndexOf(const QString& value) const;

    // Texts and objects of the source fill the cells from the first; cells
    // beyond the source's count are emptied, source entries beyond the count
    // are left out.
    void Assign(const TStringList& source);
    void Assign(const TGridStrings& source);
    void AssignTo(TStringList& dest) const;
    void Clear();
    QString Text() const;
    void SetText(const QString& value);
    QString CommaText() const;
    void SetCommaText(const QString& value);

private:
    TStringGrid* grid_;
    bool isRow_;
    int index_;
};

// A grid that keeps a text and an object for every cell. The object slot does
// not own its object. Cells outside the current counts keep what they hold, so a
// grid that grows again shows it.
class TStringGrid : public TDrawGrid {
    Q_OBJECT

public:
    explicit TStringGrid(QWidget* parent = nullptr);
    ~TStringGrid() override;

    QString Cells(int ACol, int ARow) const;
    void SetCells(int ACol, int ARow, const QString& Value);
    TObject* Objects(int ACol, int ARow) const;
    void SetObjects(int ACol, int ARow, TObject* Value);
    TGridStrings Rows(int ARow);
    TGridStrings Cols(int ACol);
    void SetRows(int ARow, const TStringList& Value);
    void SetCols(int ACol, const TStringList& Value);
    // Exchanges the texts and objects of two rows in columns FromCol..ToCol
    // without repainting: a caller that moves many rows repaints once.
    void ExchangeRowCells(int ARow1, int ARow2, int FromCol, int ToCol);
    // Copies them from FromRow into ToRow, the objects then held by both,
    // without repainting.
    void CopyRowCells(int FromRow, int ToRow, int FromCol, int ToCol);

    QString AccessibleCellText(int ACol, int ARow) override;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;

private:
    struct Private;
    std::unique_ptr<Private> d;

    void cellChanged(int ACol, int ARow);
};
