// The grid's questions about single cells and its notifications: each applies
// the grid's own settings first and then gives the matching event the last
// word, with the system's argument order. Assistive tools read a cell's text
// without markup and, in password cells, masked.

#include "grid/engine/ExGridPrivate.h"
#include "grid/foundation/markup/EsgHTMLEUtil.h"
#include "grid/foundation/util/ExUtilText.h"
#include "platform/ui/paint/Canvas.h"

#include <QtGui/QCursor>
#include <QtWidgets/QApplication>

namespace {

bool isPlainBrushCell(TCellType type)
{
    return type == ctIcon || type == ctNone || type == ctImageList || type == ctEmpty || type == ctImages ||
           type == ctComment;
}

bool isSpinEditor(TEditorType editor)
{
    return editor == edSpinEdit || editor == edFloatSpinEdit || editor == edTimeSpinEdit ||
           editor == edDateSpinEdit;
}

}  // namespace

// ---- cell content ------------------------------------------------------------------

void TExStringGrid::QueryFloatFormat(int, int, QString& AFormat) { AFormat = p->floatFormat; }

// ACol is the display column the assistive tool sees; the text is read at its
// real column, so hidden columns are passed over.
QString TExStringGrid::AccessibleCellText(int ACol, int ARow)
{
    QString text = GetFormattedCell(RealColIndex(ACol), ARow);
    if (ClassifyCellText(text, true) == ctMarkup)
        text = StripMarkupTags(text);
    bool password = false;
    QueryPasswordCell(ACol, ARow, password);
    if (password)
        text.fill(p->passwordChar);
    return text;
}

TFont* TExStringGrid::GetCellFont(int ACol, int ARow)
{
    if (!HasCellProperties(ACol, ARow))
        return &Font();
    TCellProperties* props = CellProperties(ACol, ARow);
    p->cellFont->SetName(props->FontName());
    p->cellFont->SetSize(props->FontSize());
    p->cellFont->SetStyle(props->FontStyle());
    p->cellFont->SetColor(props->FontColor());
    return p->cellFont.get();
}

// ---- fixed, editable and password cells ---------------------------------------------------

bool TExStringGrid::IsFixed(int ACol, int ARow)
{
    const TPoint base = BaseCell(ACol, ARow);
    if (base.Y >= RowCount() - p->fixedFooters)
        return true;
    if (p->fixedRightCols > 0 && base.X >= ColCount() - p->fixedRightCols)
        return true;
    bool fixed = false;
    QueryFixedCell(base.X, base.Y, fixed);
    return fixed;
}

void TExStringGrid::QueryFixedCell(int ACol, int ARow, bool& AIsFixed)
{
    if (AIsFixed)
        return;
    AIsFixed = (p->fixedRowAlways && RowCount() == p->fixedRowsMin) ||
               (p->fixedColAlways && ColCount() == p->fixedColsMin) || ACol < FixedCols() || ARow < FixedRows();
    if (!AIsFixed && OnIsFixedCell)
        OnIsFixedCell(this, ARow, ACol, AIsFixed);
}

void TExStringGrid::QueryCellEditable(int ACol, int ARow, bool& CanEdit)
{
    const TPoint base = BaseCell(ACol, ARow);
    if (HasCellProperties(base.X, base.Y) && CanEdit)
        CanEdit = !CellProperties(base.X, base.Y)->ReadOnly();
    if (!Options().testFlag(goEditing) && !p->editDisabled && !p->mouseActions->RangeSelectAndEdit())
        CanEdit = false;
    if (base.X < TotalColCount())
        QueryCanEditCell(base.Y, base.X, CanEdit);
    else
        CanEdit = true;
}

// The grid's own moves (an advance already asked OnCellChanging) leave the
// cell event out.
void TExStringGrid::QueryCellChange(int ACol, int ARow, bool& Allow)
{
    const int oldCol = Col();
    const int oldRow = Row();
    if (ARow != oldRow && OnRowChanging)
        OnRowChanging(this, oldRow, ARow, Allow);
    if (ACol != oldCol && OnColChanging)
        OnColChanging(this, oldCol, ACol, Allow);
    if ((ACol != oldCol || ARow != oldRow) && !p->disableChange && OnCellChanging)
        OnCellChanging(this, oldRow, oldCol, ARow, ACol, Allow);
}

void TExStringGrid::QueryCanEditCell(int ARow, int ACol, bool& CanEdit)
{
    if (OnCanEditCell)
        OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TExStringGrid::QueryPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (OnIsPasswordCell)
        OnIsPasswordCell(this, ARow, ACol, IsPassword);
}

// ---- looks --------------------------------------------------------------------------

// The fixed cell in the last fixed column on the current row, or in the last
// fixed row in the current column, marks the current cell.
bool TExStringGrid::isActiveCellHeader(int ACol, int ARow)
{
    const bool rowHeader = FixedCols() > 0 && ACol == FixedCols() - 1 && ARow == Row();
    const bool colHeader = FixedRows() > 0 && ARow == FixedRows() - 1 && ACol == Col();
    return rowHeader || colHeader;
}

void TExStringGrid::QueryCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    if (p->activeCellShow && isActiveCellHeader(ACol, ARow)) {
        AFont->Assign(*p->activeCellFont);
        ABrush->SetColor(p->activeCellColor);
    }
    if (HasCellProperties(ACol, ARow)) {
        TCellProperties* props = CellProperties(ACol, ARow);
        if (isPlainBrushCell(GetCellType(ACol, ARow)) && props->BrushColor() != clNone)
            ABrush->SetColor(props->BrushColor());
        if (props->FontColor() != clNone)
            AFont->SetColor(props->FontColor());
        if (props->FontStyle() != TFontStyles())
            AFont->SetStyle(props->FontStyle());
        if (props->FontSize() != 0)
            AFont->SetSize(props->FontSize());
        if (!props->FontName().isEmpty())
            AFont->SetName(props->FontName());
    }
    if (OnGetCellColor)
        OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExStringGrid::QueryCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    if (OnGetCellPrintColor)
        OnGetCellPrintColor(this, ARow, ACol, AState, ABrush, AFont);
}

// Header rows of groups are node rows; summary rows carry the summary mark in
// column 0.
void TExStringGrid::QueryCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    const TGrouping& grouping = *p->grouping;
    if (grouping.HeaderUnderline() && ACol > 0 && GetCellType(0, ARow) == ctNode) {
        Borders = TCellBorders{cbBottom};
        APen->SetColor(grouping.HeaderLineColor());
        APen->SetWidth(grouping.HeaderLineWidth());
    }
    if (grouping.SummaryLine() && ACol > 0 && GetCellType(0, ARow) == ctSummary) {
        Borders = TCellBorders{cbTop};
        APen->SetColor(grouping.SummaryLineColor());
        APen->SetWidth(grouping.SummaryLineWidth());
    }
    if (OnGetCellBorder)
        OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

bool TExStringGrid::HasCellBorderEvent() { return static_cast<bool>(OnGetCellBorder); }

void TExStringGrid::QueryCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    if (OnGetCellPrintBorder)
        OnGetCellPrintBorder(this, ARow, ACol, APen, Borders);
}

void TExStringGrid::QueryCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (ACol == 0 && p->mouseActions->HotmailRowSelect())
        HAlign = taCenter;
    if (OnGetAlignment)
        OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TExStringGrid::QueryWordWrap(int ACol, int ARow, bool& AWordWrap)
{
    if (OnGetWordWrap)
        OnGetWordWrap(this, ACol, ARow, AWordWrap);
}

void TExStringGrid::QuerySortFormat(int ACol, TSortStyle& AStyle, QString& APrefix, QString& ASuffix)
{
    if (OnGetFormat)
        OnGetFormat(this, ACol, AStyle, APrefix, ASuffix);
}

void TExStringGrid::QueryCellHint(int ACol, int ARow, QString& AHint, QString& AWideHint)
{
    if (OnGridHint)
        OnGridHint(this, ARow, ACol, AHint);
    if (!OnGridWideHint)
        return;
    OnGridWideHint(this, ARow, ACol, AWideHint);
    if (!AWideHint.isEmpty())
        AHint = EncodeWideCellText(AWideHint);
}

void TExStringGrid::QueryCellCursor(int ACol, int ARow, int X, int Y)
{
    if (!OnGetCellCursor)
        return;
    TCursor cursor = Cursor();
    OnGetCellCursor(this, ACol, ARow, X, Y, cursor);
    // The pointer changes at once; the grid's own Cursor stays the start of
    // the next question.
    viewport()->setCursor(platform::CursorShape(cursor));
}

// ---- editors ------------------------------------------------------------------------

void TExStringGrid::QueryEditorType(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, AEditor);
}

void TExStringGrid::ConfigureCellEditor(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TExStringGrid::QueryNoEditor(int ACol, int ARow)
{
    if (!OnGetEditorType)
        return false;
    TEditorType editor = edNormal;
    OnGetEditorType(this, ACol, ARow, editor);
    return editor == edNone;
}

TEditorType TExStringGrid::adjustedEditor(int ACol, int ARow, bool configure)
{
    TEditorType editor = p->defaultEditor;
    if (configure)
        ConfigureCellEditor(ACol, ARow, editor);
    else
        QueryEditorType(ACol, ARow, editor);
    return editor;
}

bool TExStringGrid::QueryHasComboBox(int ACol, int ARow)
{
    if (OnHasComboBox) {
        bool hasCombo = false;
        OnHasComboBox(this, ACol, ARow, hasCombo);
        return hasCombo;
    }
    if (!p->controlLook->DropDownAlwaysVisible())
        return false;
    const TEditorType editor = adjustedEditor(ACol, ARow, true);
    return editor == edComboEdit || editor == edComboList;
}

bool TExStringGrid::QueryHasSpinEdit(int ACol, int ARow)
{
    if (ACol < FixedCols() || ARow < FixedRows())
        return false;
    if (OnHasSpinEdit) {
        bool hasSpin = false;
        OnHasSpinEdit(this, ACol, ARow, hasSpin);
        return hasSpin;
    }
    return p->controlLook->SpinButtonsAlwaysVisible() && isSpinEditor(adjustedEditor(ACol, ARow, false));
}

void TExStringGrid::QueryCheckTrue(int ACol, int ARow, QString& Value)
{
    Value = p->checkTrue;
    if (OnGetCheckTrue)
        OnGetCheckTrue(this, ACol, ARow, Value);
}

void TExStringGrid::QueryCheckFalse(int ACol, int ARow, QString& Value)
{
    Value = p->checkFalse;
    if (OnGetCheckFalse)
        OnGetCheckFalse(this, ACol, ARow, Value);
}

void TExStringGrid::QueryFixedCellEditor(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStringList* Values)
{
    if (OnFixedEdit)
        OnFixedEdit(this, ACol, ARow, AEditor, Values);
}

// ---- filter list ------------------------------------------------------------------------

bool TExStringGrid::BuildColumnFilterList(int ACol)
{
    TStringList& list = *p->filterList;
    list.Clear();
    const bool columnFixed =
        ACol < FixedCols() || (p->fixedRightCols > 0 && ACol >= ColCount() - p->fixedRightCols);
    // Rows set aside by filtering add their values here once rows can be hidden.
    if (p->filterDropDownAuto && (!columnFixed || p->filterDropDownColumns == fdAll)) {
        list.SetDuplicates(dupIgnore);
        list.SetSorted(true);
        for (int r = FixedRows(); r <= RowCount() - p->fixedFooters - 1; ++r) {
            const QString text = Cells(ACol, r).trimmed();
            // A value holding a blank is listed as name=value so that the
            // drop-down shows it whole.
            list.Add(text.contains(u' ') ? text + QStringLiteral("=\"") + text + QChar(u'"') : text);
        }
        list.SetSorted(false);
        if (!p->filterDropDownClear.isEmpty())
            list.Insert(0, p->filterDropDownClear);
    }
    if (OnGetColumnFilter)
        OnGetColumnFilter(this, ACol, &list);
    return list.Count() > 0;
}

// ---- texts for calculation, saving and loading --------------------------------------------

void TExStringGrid::GetCellValueText(int ACol, int ARow, QString& Value) { Value = Cells(ACol, ARow); }

void TExStringGrid::GetCellSaveText(int ACol, int ARow, QString& Value)
{
    Value = p->saveVirtCells ? GetFormattedCell(ACol, ARow) : GridCells(ACol, ARow);
    if (ClassifyCellText(Value, true) == ctMarkup && !p->saveWithHTML)
        Value = StripMarkupTags(Value);
    if (OnSaveCell)
        OnSaveCell(this, ACol, ARow, Value);
}

void TExStringGrid::SetCellLoadText(int ACol, int ARow, const QString& Value)
{
    QString text = Value;
    if (OnLoadCell)
        OnLoadCell(this, ACol, ARow, text);
    SetGridCells(ACol, ARow, text);
}

// ---- notifications ---------------------------------------------------------------------

void TExStringGrid::FireFilterDone()
{
    if (OnFilterDone)
        OnFilterDone(this);
}

void TExStringGrid::FireSearchFooterAction(const QString& Value, int ACol, int ARow, TSearchAction SearchAction)
{
    if (OnSearchFooterAction)
        OnSearchFooterAction(this, Value, ACol, ARow, SearchAction);
}

void TExStringGrid::FireButtonClick(int ACol, int ARow)
{
    if (OnButtonClick)
        OnButtonClick(this, ACol, ARow);
}

// The row height of the expanded or collapsed state comes with the cell
// decorations.
void TExStringGrid::FireExpandClick(int ACol, int ARow, bool Expanded)
{
    if (OnExpandClick)
        OnExpandClick(this, ACol, ARow, Expanded);
    SetRowHeights(ARow, GetExpandHeight(DisplayToRealCol(ACol), ARow, Expanded));
}

void TExStringGrid::FireComboCloseUp(int ARow, int ACol)
{
    if (OnComboCloseUp)
        OnComboCloseUp(this, ARow, ACol);
}

void TExStringGrid::FireComboDropDown(int ARow, int ACol)
{
    if (OnComboDropDown)
        OnComboDropDown(this, ARow, ACol);
}

void TExStringGrid::FireSelectionChanged(int ALeft, int ATop, int ARight, int ABottom)
{
    if (p->look == glVista || p->look == glWin7 || p->look == glOffice2007)
        InvalidateRect(Selection());
    p->selectionChanged = true;
    if (OnSelectionChanged)
        OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

// Footer sums are recalculated here once the footer exists.
void TExStringGrid::FireCellsChanged(const TRect& R)
{
    if (OnCellsChanged)
        OnCellsChanged(this, R);
    for (const TGridChangeNotifier& notifier : p->notifiers)
        notifier(this, R);
}

void TExStringGrid::FireClickSort(int ACol)
{
    if (OnClickSort)
        OnClickSort(this, ACol);
}

void TExStringGrid::FireCheckBoxClick(int ACol, int ARow, bool State)
{
    if (OnCheckBoxClick)
        OnCheckBoxClick(this, ACol, ARow, State);
}

void TExStringGrid::FireEllipsClick(int ACol, int ARow, QString& S)
{
    if (OnEllipsClick)
        OnEllipsClick(this, ACol, ARow, S);
}

void TExStringGrid::RememberCellBeforeEdit(int ACol, int ARow)
{
    p->editCol = ACol;
    p->editRow = ARow;
    p->editText = GridCells(DisplayToRealCol(ACol), ARow);
    p->editModified = p->gridModified;
    p->editWideText =
        ClassifyCellText(p->editText, false) == ctWideEncoded ? DecodeWideCellText(p->editText) : p->editText;
}

void TExStringGrid::MoveToFirstRow() { SetRow(FixedRows()); }

void TExStringGrid::AddRowAtEnd() { SetRowCount(RowCount() + 1); }

bool TExStringGrid::QueryCanAddRow()
{
    bool canAdd = true;
    if (OnCanAddRow)
        OnCanAddRow(this, canAdd);
    return canAdd;
}

bool TExStringGrid::QueryCanInsertRow(int ARow)
{
    bool canInsert = true;
    if (OnCanInsertRow)
        OnCanInsertRow(this, ARow, canInsert);
    return canInsert;
}

bool TExStringGrid::QueryFormattedClipboard() { return p->navigation->AllowFmtClipboard(); }

void TExStringGrid::DisableEditingOption() { SetOptions(Options() & ~TGridOptions(goEditing)); }

// Grids are built in code; there is no form designer.
bool TExStringGrid::QueryDesignMode() { return false; }

void TExStringGrid::InvalidateGrid() { Invalidate(); }

// Hooks the grid leaves empty for grids derived from it.
void TExStringGrid::NavigationChanged() {}
void TExStringGrid::MouseActionsChanged() {}
void TExStringGrid::ExportNotification(int, int) {}
void TExStringGrid::ImportNotification(int, int) {}
void TExStringGrid::EditCaretMoved(const QString&, int) {}
void TExStringGrid::InplaceEditKeyDown(Word&, TShiftState) {}
void TExStringGrid::AfterEditKeyF2() {}
void TExStringGrid::BeforeSelectAll(TGridRect&) {}
void TExStringGrid::BeforeCornerSelectAll(TGridRect&) {}
void TExStringGrid::BeforePasteCells() {}
void TExStringGrid::AfterPasteCells() {}
void TExStringGrid::AfterWheelScroll(int, bool&) {}
void TExStringGrid::CellSelectorClick() {}
void TExStringGrid::EditFormulaMode(bool) {}
void TExStringGrid::BeforeShowColumnHeaders() {}
