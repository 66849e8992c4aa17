#pragma once

#include "platform/core/TObject.h"
#include "platform/grid/GridTypes.h"
#include "platform/ui/controls/InputTypes.h"
#include "platform/ui/paint/Colors.h"
#include "platform/ui/controls/Control.h"
#include "platform/ui/paint/Geometry.h"

#include <QtWidgets/QAbstractScrollArea>

#include <functional>
#include <memory>

class TCanvas;
class TFont;
class TInplaceEdit;

// The grid control: fixed and scrollable columns and rows of cells, their widths
// and heights, the current cell with its selection, keyboard and mouse
// navigation, sizing and moving of columns and rows by the mouse, scroll bars and
// the in-place editor. It draws nothing of a cell itself: the paint loop calls
// DrawCell for every visible cell. Client coordinates are those of the area
// inside the border and the scroll bars. Color is the colour of the normal cells
// and of the area beyond the last cells. Events name the grid as their Sender,
// as the other events of the grid family do.
//
// Qt's key, mouse, wheel, focus and resize events arrive as the virtual hooks
// below, so that descendants decide as the grid family expects. A fault thrown
// while a key or mouse event is handled ends that event with an error box. The
// scroll bars are 17 pixels wide on every style and take the SB_ scroll codes,
// which callers may send through WMHScroll/WMVScroll. In right-to-left reading
// the Left and Right keys swap.
class TCustomGrid : public QAbstractScrollArea, public platform::TControl, public TObject {
    Q_OBJECT

public:
    explicit TCustomGrid(QWidget* parent = nullptr);
    ~TCustomGrid() override;

    // Columns and rows
    int ColCount() const;
    void SetColCount(int value);
    int RowCount() const;
    void SetRowCount(int value);
    int FixedCols() const;
    void SetFixedCols(int value);
    int FixedRows() const;
    void SetFixedRows(int value);
    int ColWidths(int index) const;
    void SetColWidths(int index, int value);
    int RowHeights(int index) const;
    void SetRowHeights(int index, int value);
    int DefaultColWidth() const;
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const;
    void SetDefaultRowHeight(int value);
    int GridLineWidth() const;
    void SetGridLineWidth(int value);

    TGridOptions Options() const;
    void SetOptions(TGridOptions value);
    TScrollStyle ScrollBars() const;
    void SetScrollBars(TScrollStyle value);
    TColor FixedColor() const;
    void SetFixedColor(TColor value);
    // With default drawing the paint loop fills each cell's background (and the
    // string grid draws its text) before DrawCell.
    bool DefaultDrawing() const;
    void SetDefaultDrawing(bool value);
    // The canvas DrawCell paints on; outside painting it measures only.
    TCanvas* Canvas() const;

    // Current cell, selection and scroll position
    int Col() const;
    void SetCol(int value);
    int Row() const;
    void SetRow(int value);
    TGridRect Selection() const;
    void SetSelection(const TGridRect& value);
    int TopRow() const;
    void SetTopRow(int value);
    int LeftCol() const;
    void SetLeftCol(int value);
    int VisibleColCount() const;
    int VisibleRowCount() const;

    // Geometry in client coordinates
    TRect CellRect(int ACol, int ARow) const;
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    TGridCoord MouseCoord(int X, int Y) const;
    int ClientWidth() const;
    int ClientHeight() const;
    TRect ClientRect() const;

    // Rows and columns move with their cells; widths and heights stay in place.
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    void DeleteColumn(int ACol);
    void DeleteRow(int ARow);

    // In-place editor
    bool EditorMode() const;
    void SetEditorMode(bool value);
    TInplaceEdit* InplaceEditor() const;
    void ShowEditor();
    void HideEditor();
    // Reloads the shown editor from the cell and puts it on the cell again.
    void UpdateEditor();

    // Scroll messages; the scroll bars send them, callers may send them too.
    virtual void WMHScroll(int ScrollCode, int Pos = 0);
    virtual void WMVScroll(int ScrollCode, int Pos = 0);
    TScrollInfo GetScrollInfo(int Bar) const;
    void SetScrollInfo(int Bar, const TScrollInfo& info);
    // Keeps a bar shown while everything fits (its arrows then do nothing).
    void ShowScrollBar(int Bar, bool AlwaysShown);
    void EnableScrollBar(int Bar, bool Enabled);

    virtual void Invalidate();
    void InvalidateCell(int ACol, int ARow);
    void InvalidateCol(int ACol);
    void InvalidateRow(int ARow);
    void InvalidateGrid();
    void InvalidateRect(const TGridRect& ARect);
    // Runs the call after the current event has been handled.
    void PostCall(std::function<void()> call);

    // The text assistive tools read for a cell; the base grid has none.
    virtual QString AccessibleCellText(int ACol, int ARow);

    std::function<void(TObject* Sender, Word& Key, TShiftState Shift)> OnKeyDown;
    std::function<void(TObject* Sender, QChar& Key)> OnKeyPress;
    std::function<void(TObject* Sender, Word& Key, TShiftState Shift)> OnKeyUp;
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)> OnMouseDown;
    std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)> OnMouseMove;
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)> OnMouseUp;
    std::function<void(TObject* Sender)> OnClick;
    std::function<void(TObject* Sender)> OnDblClick;
    std::function<void(TObject* Sender)> OnEnter;
    std::function<void(TObject* Sender)> OnExit;
    std::function<void(TObject* Sender)> OnMouseEnter;
    std::function<void(TObject* Sender)> OnMouseLeave;
    std::function<void(TObject* Sender)> OnResize;

protected:
    // Cell hooks
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    virtual bool SelectCell(int ACol, int ARow);
    virtual bool CanEditShow();
    virtual QString GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const QString& Value);
    virtual QString GetEditMask(int ACol, int ARow);
    virtual int GetEditLimit();
    virtual TInplaceEdit* CreateEditor();

    // Change hooks
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    virtual void TopLeftChanged();
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();

    // The key-press message. Its base body is the framework's key-down
    // processing (the KeyDown hook); a descendant decides before it and may
    // consume the key. The key's characters reach KeyPress afterwards either way.
    virtual void WMKeyDown(Word& Key, TShiftState Shift);
    // Input hooks; the base versions fire the matching events and navigate.
    virtual void KeyDown(Word& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void KeyUp(Word& Key, TShiftState Shift);
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void Click();
    virtual void DblClick();
    virtual bool DoMouseWheelDown(TShiftState Shift, const TPoint& MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, const TPoint& MousePos);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void DoEnter();
    virtual void DoExit();
    virtual void Resize();
    // Mouse button messages of the viewport, in client coordinates. The base
    // bodies take the focus on a press, fire DblClick and run the MouseDown and
    // MouseUp hooks; a descendant overrides them to decide before the hooks.
    virtual void WMLButtonDown(TShiftState Shift, int X, int Y);
    virtual void WMLButtonUp(TShiftState Shift, int X, int Y);
    virtual void WMLButtonDblClk(TShiftState Shift, int X, int Y);
    virtual void WMRButtonDown(TShiftState Shift, int X, int Y);
    virtual void WMRButtonUp(TShiftState Shift, int X, int Y);
    // What a left press at (X, Y) would size; the press and the sizing cursor
    // follow the answer.
    virtual TGridSizingInfo ComputeSizingState(int X, int Y);
    // The grid lost the mouse (focus out, deactivation, hiding): a held-button
    // state ends without effect.
    virtual void CancelMode();
    // The last mouse position the grid saw, in client coordinates.
    TPoint LastMousePos() const;
    // Draws every visible cell through DrawCell, the grid lines and the area
    // beyond the last cells.
    virtual void Paint();

    // Makes (ACol, ARow) current after asking SelectCell; raises "Grid index out
    // of range" for a cell outside the grid.
    void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
    // Scrolls so that the cell is fully visible where that is possible.
    void ClampInView(int ACol, int ARow);
    void MoveTopLeft(int ALeft, int ATop);
    TGridState GridState() const;
    void SetGridState(TGridState value);
    bool IsFocusInside() const;
    // The largest top-left cell that still fills the view.
    TGridCoord MaxTopLeft() const;
    void InvalidateEditor();

    void ApplyColor(TColor color) override;
    void ApplyFont(const QFont& font, TColor textColor) override;

    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    bool focusNextPrevChild(bool next) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    friend class TInplaceEdit;
    struct Private;
    std::unique_ptr<Private> d;

    void changeSize(int newColCount, int newRowCount);
    void initializePosition();
    void updateScrollRange();
    void updateScrollPos();
    void scrollBarAction(int bar, int action);
    void scrollBarReleased(int bar);
    void keyNavigate(Word key, TShiftState shift);
    void tabNavigate(bool backwards);
    void editorKeyPress(QChar& key);
    void placeEditor();
    void commitAndHideEditor();
    void dragScrollTick();
    void extendSelectionTo(int X, int Y);
    void trackMoveTarget(bool columns, int X, int Y);
    bool beginSizing(int X, int Y);
    void showSizingCursor(int X, int Y);
    bool outsideScrollArea(int X, int Y) const;
    void viewportMouseEvent(QMouseEvent* e);
    void mouseMessage(QMouseEvent* e);
    void pressButton(TMouseButton Button, TShiftState Shift, int X, int Y);
    void paintGridLines(class QPainter& painter, const TRect& cell, bool fixed);
    void paintMouseFeedback(class QPainter& painter);
    void focusMoved(QWidget* now);
    void currentCellMoved(TGridCoord oldCurrent);
};

namespace platform::grid {
// Makes every grid a table to assistive tools; the first grid installs it.
void InstallGridAccessibility();
// Tells assistive tools that the grid's current cell moved.
void NotifyAccessibleCurrentCell(TCustomGrid* grid);
}  // namespace platform::grid
