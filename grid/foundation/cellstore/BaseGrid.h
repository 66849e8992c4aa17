#pragma once

// The cell store under every grid: cell texts and per-cell properties by column
// and row, merged ranges of cells, and the recorder of cell text changes for
// undo and redo.

#include "grid/foundation/cellstore/BaseGridTypes.h"
#include "grid/foundation/objects/ExObj.h"
#include "platform/grid/StringGrid.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/ui/paint/Font.h"
#include "platform/ui/paint/Geometry.h"

#include <QtCore/QString>

#include <memory>
#include <vector>

class TBaseGrid;
class TExGridUndoRedo;
class QWidget;

// The record a grid keeps for a cell that needs more than its text: the cell's
// place in a merged range, its looks, its editing settings, its node level and
// footer calculation, and references to an object, a cell graphic and an
// embedded control. The grid owns the record; the record owns its cell graphic.
class TCellProperties : public TObject {
public:
    TCellProperties(TBaseGrid* AOwner, int ACol, int ARow);
    ~TCellProperties() override;
    TCellProperties(const TCellProperties&) = delete;
    TCellProperties& operator=(const TCellProperties&) = delete;

    // Copies the plain fields, the gradient colour and direction included; the
    // owner grid, the cell graphic, the calculation and the paint number stay.
    void Assign(const TCellProperties& Source);

    // The base cell of (c, r) as this record describes it.
    TPoint GetBaseCell(int c, int r) const;
    TPoint BaseCell(int c, int r) const { return GetBaseCell(c, r); }

    TBaseGrid* OwnerGrid() const;
    int OwnerCol() const;
    void SetOwnerCol(int value);
    int OwnerRow() const;
    void SetOwnerRow(int value);

    bool IsBaseCell() const;
    void SetIsBaseCell(bool value);
    int CellSpanX() const;
    void SetCellSpanX(int value);
    int CellSpanY() const;
    void SetCellSpanY(int value);

    TObject* CellObject() const;
    void SetCellObject(TObject* value);
    // The cell graphic; the record frees the one it holds when it is freed.
    // Setting another one does not free the previous one.
    TObject* GraphicObject() const;
    void SetGraphicObject(TObject* value);

    TBrushStyle BrushStyle() const;
    void SetBrushStyle(TBrushStyle value);
    TColor BrushColor() const;
    void SetBrushColor(TColor value);
    TColor BrushColorTo() const;
    void SetBrushColorTo(TColor value);
    TCellGradientDirection GradientDirection() const;
    void SetGradientDirection(TCellGradientDirection value);

    int FontSize() const;
    void SetFontSize(int value);
    TColor FontColor() const;
    void SetFontColor(TColor value);
    TFontStyles FontStyle() const;
    void SetFontStyle(TFontStyles value);
    QString FontName() const;
    void SetFontName(const QString& value);

    int BorderWidth() const;
    void SetBorderWidth(int value);
    TColor BorderColor() const;
    void SetBorderColor(TColor value);
    TAlignment Alignment() const;
    void SetAlignment(TAlignment value);
    TVAlignment VAlignment() const;
    void SetVAlignment(TVAlignment value);
    bool WordWrap() const;
    void SetWordWrap(bool value);

    TColumnCalcType CalcType() const;
    void SetCalcType(TColumnCalcType value);
    TObject* CalcObject() const;
    void SetCalcObject(TObject* value);
    int NodeLevel() const;
    void SetNodeLevel(int value);
    TEditorType Editor() const;
    void SetEditor(TEditorType value);
    bool ReadOnly() const;
    void SetReadOnly(bool value);
    QWidget* Control() const;
    void SetControl(QWidget* value);

    // Number of the grid paint in which this cell's range was last painted.
    int PaintID() const;
    void SetPaintID(int value);

private:
    void repaintOwnerCell();
    struct Data;
    std::unique_ptr<Data> d;
};

// The cell store: a string grid whose cells may carry a TCellProperties,
// created on first use, through which cells are merged into ranges. Every read
// and write of a merged cell goes to the range's base (top-left) cell. The
// virtual operations below are where the full grid plugs in its own behaviour;
// their base answers are neutral.
//
// It paints every cell itself, the platform grid's default drawing kept off:
// the background (flat, gradient or mirrored), the hover and active row colours,
// the selection box of the Vista, Windows 7 and Office 2007 styles and the grid
// lines; the content rectangle then goes to RenderCellContent. A merged range is
// painted once per paint, found by the paint number stamped on its base cell,
// and a range scrolled under the fixed columns or rows is clipped at their edge.
class TBaseGrid : public TStringGrid {
    Q_OBJECT

public:
    explicit TBaseGrid(QWidget* parent = nullptr);
    ~TBaseGrid() override;

    // Cell texts: Cells goes through merge redirection and the display hooks,
    // GridCells is the raw slot.
    QString Cells(int c, int r);
    void SetCells(int c, int r, const QString& Value);
    QString GetCellEx(int c, int r) { return Cells(c, r); }
    void SetCellEx(int c, int r, const QString& Value) { SetCells(c, r, Value); }
    QString GridCells(int c, int r) const;
    void SetGridCells(int c, int r, const QString& Value);

    // Objects is the object kept in the cell's properties; GridObjects the raw
    // slot, which holds the properties themselves.
    TObject* Objects(int c, int r) const;
    void SetObjects(int c, int r, TObject* Value);
    TObject* GridObjects(int c, int r) const;
    void SetGridObjects(int c, int r, TObject* Value);
    TObject* GraphicObjects(int c, int r) const;
    void SetGraphicObjects(int c, int r, TObject* Value);
    static TObject* GraphicObjectOf(const TCellProperties* props);

    // The cell's properties, created with the cell's default looks when it has
    // none. Negative coordinates raise "Grid index out of range".
    TCellProperties* CellProperties(int c, int r);
    TCellProperties* GetCellProperties(int c, int r) { return CellProperties(c, r); }
    // Frees the cell's properties and stores Value (nullptr removes them).
    void SetCellProperties(int c, int r, TCellProperties* Value);
    bool HasCellProperties(int c, int r) const;

    // Resets clear the object slot without freeing what it held (the caller
    // keeps it elsewhere); frees free the properties and their cell graphic.
    void ResetColumnCells(int ACol);
    void ResetRowCells(int ARow);
    void ResetCell(int ACol, int ARow);
    void FreeCellProperties(int ACol, int ARow);
    void FreeCellPropertiesInRect(int ACol1, int ARow1, int ACol2, int ARow2);
    // Frees the properties of every cell ever stored, also beyond the counts.
    void FreeAllCellProperties();

    // Cell painting. PaintCell paints a cell whole (a merged range over its
    // full rectangle) with its content; PaintCellExt paints only its background
    // and lines into ARect, on any canvas, selected cells in the active-row
    // colours.
    void PaintCell(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    void PaintCellExt(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);

    // Geometry and repaint
    TRect CellRect(int c, int r) const;
    TRect ComputeCellRect(int c, int r) const;
    TPoint CellSize(int c, int r) const;
    void RepaintCell(int c, int r);
    int FixedColsWidth() const;
    int FixedRowsHeight() const;

    // Merged ranges
    bool IsMergedCell(int c, int r) const;
    bool IsMergedNonBaseCell(int c, int r) const;
    bool IsXMergedCell(int c, int r) const;
    bool IsYMergedCell(int c, int r) const;
    bool IsBaseCell(int c, int r) const;
    TPoint BaseCell(int c, int r) const;
    bool ResolveBaseCell(int c, int r, int& bc, int& br) const;
    TPoint CellSpan(int c, int r) const;
    TPoint CellExt(int c, int r) const;
    TGridRect FullCell(int c, int r) const;
    int MinRowSpan(int ARow) const;
    int MaxRowSpan(int ARow) const;
    bool RowSpanIdentical(int ARow1, int ARow2) const;
    bool ColSpanIdentical(int ACol1, int ACol2) const;
    // Merges spanx columns by spany rows with (c, r) as base cell; the range is
    // clipped to the grid and a base cell outside it merges nothing.
    virtual void MergeCells(int c, int r, int spanx, int spany);
    // Splits the range that (c, r) belongs to.
    virtual void SplitCells(int c, int r);
    void SnapToBaseCell();
    int MergeCount() const;

    // Settings
    bool DefaultDrawing() const;
    void SetDefaultDrawing(bool value);
    int GridLineWidth() const;
    void SetGridLineWidth(int value);
    TColor GridLineColor() const;
    void SetGridLineColor(TColor value);
    TColor GridFixedLineColor() const;
    void SetGridFixedLineColor(TColor value);
    TGridSelectionStyle SelectionStyle() const;
    void SetSelectionStyle(TGridSelectionStyle value);
    bool ActiveRowShow() const;
    void SetActiveRowShow(bool value);
    TColor ActiveRowColor() const;
    void SetActiveRowColor(TColor value);
    TColor ActiveRowColorTo() const;
    void SetActiveRowColorTo(TColor value);
    TColor ActiveRowMirrorColor() const;
    void SetActiveRowMirrorColor(TColor value);
    TColor ActiveRowMirrorColorTo() const;
    void SetActiveRowMirrorColorTo(TColor value);
    bool HoverRow() const;
    void SetHoverRow(bool value);
    TColor HoverRowColor() const;
    void SetHoverRowColor(TColor value);
    TColor HoverRowColorTo() const;
    void SetHoverRowColorTo(TColor value);
    THoverRowCells HoverRowCells() const;
    void SetHoverRowCells(THoverRowCells value);
    bool WordWrap() const;
    void SetWordWrap(bool value);
    int PaintID() const;
    bool HasCellProps() const;

    // The linked recorder; linking sets its Grid. Either side forgets the other
    // when it is freed.
    TExGridUndoRedo* UndoRedo() const;
    void SetUndoRedo(TExGridUndoRedo* value);

    TGetDisplTextEvent OnGetDisplText;
    TGetDisplWideTextEvent OnGetDisplWideText;

    // Operations the full grid overrides.
    virtual bool IsFixed(int ACol, int ARow);
    virtual int RowNodeIndent(int ARow);
    virtual bool HasNodeRows();
    virtual void RenderCellContent(TCanvas* Canvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    virtual void FooterRowChanged();
    virtual void QueryDisplayText(int ACol, int ARow, QString& Value);
    virtual void QueryDisplayWideText(int ACol, int ARow, QString& Value);
    virtual void QueryDefaultCellProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                            TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                            TVAlignment& VA, bool& WW, TCellGradientDirection& GD);
    virtual void CellContentChanged(int ACol, int ARow);
    virtual bool HasCellBorderEvent();
    virtual bool QueryUseStyles();
    virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                     bool Remap, TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                     TColor& AMirrorColorTo, TFont* AFont, TAlignment& HA, TVAlignment& VA,
                                     bool& WW, TCellGradientDirection& GD);
    virtual int DisplColIndex(int ACol);
    virtual int TotalColCount() const;

protected:
    // Fields the full grid keeps up to date.
    int NormalRowCount() const;
    void SetNormalRowCount(int value);
    bool HideLastRow() const;
    void SetHideLastRow(bool value);
    bool ShowSel() const;
    void SetShowSel(bool value);
    int HoverRowIdx() const;
    void SetHoverRowIdx(int value);
    // Cleared once a clearing has freed every cell's properties, so that later
    // frees can be skipped.
    void SetHasCellProps(bool value);

    void Paint() override;
    // The grid paints every cell itself through PaintCellArea.
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    void PaintCellArea(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState,
                       bool UseGridRect);
    bool SelectCell(int ACol, int ARow) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, const TPoint& MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, const TPoint& MousePos) override;
    void TopLeftChanged() override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;

private:
    friend class TCellProperties;
    friend class TExGridUndoRedo;
    struct Private;
    std::unique_ptr<Private> p;

    TCellProperties* propertiesAt(int c, int r) const;
    TCellProperties* createCellProperties(int c, int r);
    void noteStoredCell(int c, int r);
    void forgetUndoRedo(TExGridUndoRedo* component);
    QString displayText(int c, int r, QString text);
    void stepOutOfRange(Word key);
    void repaintMergedFixedCols();
    void repaintMergedFixedRows();
    struct CellLook;
    bool paintedInThisPaint(int bc, int br);
    void paintBackground(TCanvas* ACanvas, int ACol, const TRect& rect, TGridDrawState state,
                         const CellLook& look);
    void paintLines(TCanvas* ACanvas, int ACol, int ARow, const TRect& rect, bool fixed);
};

// One recorded change of a cell text, or a marker that opens or closes a
// sequence of changes undone in one step (Col and Row -1).
struct TUndoRedoItem {
    int Row = -1;
    int Col = -1;
    QString Value;
    QString OrigValue;
    bool SequenceStart = false;
    bool SequenceStop = false;
};

class TUndoRedoCollection {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    const TUndoRedoItem& Items(int index) const { return items_.at(static_cast<size_t>(index)); }
    TUndoRedoItem& Add();
    void Delete(int index);
    // Removes every item from index on.
    void Truncate(int index);
    void Clear() { items_.clear(); }

private:
    std::vector<TUndoRedoItem> items_;
};

// Records changes of cell texts in its grid and undoes and redoes them. Level
// items are done; those from Level on are undone and can be redone until a new
// change is recorded.
class TExGridUndoRedo : public TObject {
public:
    TExGridUndoRedo();
    ~TExGridUndoRedo() override;
    TExGridUndoRedo(const TExGridUndoRedo&) = delete;
    TExGridUndoRedo& operator=(const TExGridUndoRedo&) = delete;

    virtual void RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue);
    virtual void StartSequence();
    virtual void StopSequence();

    void Undo();
    void Redo();
    // Deletes the whole history.
    void Reset();
    bool CanUndo() const;
    bool CanRedo() const;

    const TUndoRedoCollection& Items() const;
    TBaseGrid* Grid() const;
    void SetGrid(TBaseGrid* value);
    int Level() const;
    int MaxLevel() const;
    void SetMaxLevel(int value);

    TExGridUndoRedoEvent OnUndo;
    TExGridUndoRedoEvent OnRedo;

private:
    friend class TBaseGrid;
    void appendMarker(bool start);
    void discardUndone();
    void apply(const TUndoRedoItem& item, const QString& text, bool undo);
    void forgetGrid(TBaseGrid* grid);

    TUndoRedoCollection items_;
    TBaseGrid* grid_ = nullptr;
    int level_ = 0;
    int maxLevel_ = 0;
};
