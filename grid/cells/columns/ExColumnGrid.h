#pragma once

// The column grid: a string grid whose column definitions answer its cell
// questions (editor and items, check texts, read-only and fixed cells, looks,
// borders, printing, sorting, filter lists and size bounds). It keeps exactly
// one definition per grid column and follows column moves and width changes.
// The data cells of a column whose editor is edDataCheckBox show one shared,
// lent check-box graphic (ctVirtCheckBox) instead of a graphic per cell. A
// column's pop-up menu opens on the click its definition names.

#include "grid/cells/columns/ExGridColumns.h"
#include "grid/engine/ExGrid.h"

#include <QtCore/QByteArray>

class QMenu;

class TExColumnGrid : public TExStringGrid {
    Q_OBJECT

public:
    explicit TExColumnGrid(QWidget* AOwner = nullptr);
    ~TExColumnGrid() override;

    TGridColumnCollection* Columns() const;
    // Copies the given definitions.
    void SetColumns(const TGridColumnCollection& Value);
    // A value picked in a column's filter list becomes the column's header.
    bool AutoFilterDisplay() const;
    void SetAutoFilterDisplay(bool Value);
    // The first definition of that name, nullptr when none.
    TGridColumnItem* GetColumnByName(const QString& Name) const;

    // The definitions in the grid's own versioned column format. Loading a
    // stream that is cut short, of another kind or of an unknown version
    // raises EExGridError and leaves the definitions as they were.
    QByteArray SaveColumnsToStream() const;
    void LoadColumnsFromStream(const QByteArray& Stream);

    void Loaded() override;
    int GetVersionNr() const override;
    QString GetVersionString() const override;

    // One definition per column, hidden columns included.
    void SynchColumns();
    // Headers empty in a definition are taken from row 0; ColumnHeaders then
    // lists every definition's header.
    void SynchHeaders();
    // ColumnHeaders refilled with every definition's header, in order.
    void RefillColumnHeaders();
    // Set while a column move rearranges the definitions.
    bool ColumnMoving() const;

    // Before a column's pop-up menu shows.
    std::function<void(TObject* Sender, int ACol, int ARow, QMenu* PopupMenu)> OnColumnPopup;
    // After a column move, with real column indexes.
    std::function<void(TObject* Sender, int FromIndex, int ToIndex)> OnAfterColumnMoved;

    // ---- cell questions answered from the definitions ----
    void QueryDefaultCellProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                    TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                    bool& WW, TCellGradientDirection& GD) override;
    QString GetFormattedCell(int ACol, int ARow) override;
    void QueryFloatFormat(int ACol, int ARow, QString& AFormat) override;
    TCellType GetCellType(int ACol, int ARow) override;
    TCellGraphic* GetCellGraphic(int ACol, int ARow) override;
    void AdjustColumnSize(int ACol, int& AWidth) override;
    void AdjustAutoColumnSize(int ACol, int& AWidth) override;
    void BeforeShowColumnHeaders() override;
    void QueryCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
    void QueryCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) override;
    void QueryCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
    void QueryCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders) override;
    void QueryCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign) override;
    void QuerySortFormat(int ACol, TSortStyle& AStyle, QString& APrefix, QString& ASuffix) override;
    void ConfigureCellEditor(int ACol, int ARow, TEditorType& AEditor) override;
    void QueryFixedCell(int ACol, int ARow, bool& AIsFixed) override;
    void QueryCellEditable(int ACol, int ARow, bool& CanEdit) override;
    void QueryPasswordCell(int ACol, int ARow, bool& IsPassword) override;
    bool QueryHasComboBox(int ACol, int ARow) override;
    void QueryCheckTrue(int ACol, int ARow, QString& Value) override;
    void QueryCheckFalse(int ACol, int ARow, QString& Value) override;
    bool BuildColumnFilterList(int ACol) override;
    // The definitions move with their columns: new columns get new ones,
    // removed columns take theirs along.
    void InsertCols(int ColIndex, int CCount) override;
    void RemoveCols(int ColIndex, int CCount) override;
    // The grouped column's definition waits in a spare one until ungrouping.
    void Group(int Colindex) override;
    void UnGroup() override;
    void AfterBulkCellChange() override;

protected:
    // The definitions' collection, made once by the constructor.
    virtual TGridColumnCollection* CreateColumnCollection();
    void SizeChanged(int OldColCount, int OldRowCount) override;
    void HandleColumnMoved(int FromIndex, int ToIndex) override;
    void ColWidthsChanged() override;
    int GetEditLimit() override;
    QString GetEditMask(int ACol, int ARow) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    struct Private;
    std::unique_ptr<Private> d;

    TGridColumnItem* definition(int ACol) const;
    bool isDataCell(int ACol, int ARow, bool excludeRightFixedAndFooter);
    void collectionChanged();
    void showColumnPopup(TMouseButton Button, int X, int Y);
};
