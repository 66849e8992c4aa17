// The grid's settings: the plain properties, the owned settings objects and
// the sizes of fixed rows and columns; and the column-size settings object.
// Each settings object belongs to the grid, tells it of its changes through the
// callback set at creation and is copied with Assign.

#include "grid/engine/ExGridPrivate.h"

#include <algorithm>

GRID_STORED_PROPERTY(int, int, MinRowHeight, minRowHeight)
GRID_STORED_PROPERTY(int, int, MaxRowHeight, maxRowHeight)
GRID_STORED_PROPERTY(int, int, MinColWidth, minColWidth)
GRID_STORED_PROPERTY(int, int, MaxColWidth, maxColWidth)
GRID_STORED_PROPERTY(bool, bool, SizeGrowOnly, sizeGrowOnly)
GRID_STORED_PROPERTY(bool, bool, AutoSize, autoSize)
GRID_STORED_PROPERTY(bool, bool, SizeWithForm, sizeWithForm)
GRID_REPAINTING_PROPERTY(int, int, FixedFooters, fixedFooters)
GRID_REPAINTING_PROPERTY(int, int, FixedRightCols, fixedRightCols)
GRID_REPAINTING_PROPERTY(bool, bool, FixedRowAlways, fixedRowAlways)
GRID_REPAINTING_PROPERTY(bool, bool, FixedColAlways, fixedColAlways)
GRID_REPAINTING_PROPERTY(int, int, ZoomFactor, zoomFactor)
GRID_REPAINTING_PROPERTY(TPoint, const TPoint&, XYOffset, xyOffset)
GRID_STORED_PROPERTY(TColor, TColor, ScrollColor, scrollColor)
GRID_STORED_PROPERTY(int, int, ScrollWidth, scrollWidth)
GRID_STORED_PROPERTY(bool, bool, ScrollSynch, scrollSynch)
GRID_REPAINTING_PROPERTY(bool, bool, Flat, flat)
GRID_REPAINTING_PROPERTY(TColor, TColor, BorderColor, borderColor)
GRID_REPAINTING_PROPERTY(TColor, TColor, SelectionColor, selectionColor)
GRID_REPAINTING_PROPERTY(TColor, TColor, SelectionColorTo, selectionColorTo)
GRID_REPAINTING_PROPERTY(TColor, TColor, SelectionMirrorColor, selectionMirrorColor)
GRID_REPAINTING_PROPERTY(TColor, TColor, SelectionMirrorColorTo, selectionMirrorColorTo)
GRID_REPAINTING_PROPERTY(TColor, TColor, SelectionTextColor, selectionTextColor)
GRID_REPAINTING_PROPERTY(bool, bool, SelectionColorMixer, selectionColorMixer)
GRID_STORED_PROPERTY(TColor, TColor, HintColor, hintColor)
GRID_REPAINTING_PROPERTY(bool, bool, ActiveCellShow, activeCellShow)
GRID_REPAINTING_PROPERTY(TColor, TColor, ActiveCellColor, activeCellColor)
GRID_REPAINTING_PROPERTY(TColor, TColor, ActiveCellColorTo, activeCellColorTo)
GRID_REPAINTING_PROPERTY(TColor, TColor, DisabledFontColor, disabledFontColor)
GRID_REPAINTING_PROPERTY(bool, bool, UseDisabledFont, useDisabledFont)
GRID_REPAINTING_PROPERTY(TColor, TColor, URLColor, urlColor)
GRID_REPAINTING_PROPERTY(THoverFixedCells, THoverFixedCells, HoverFixedCells, hoverFixedCells)
GRID_REPAINTING_PROPERTY(bool, bool, ShowDesignHelper, showDesignHelper)
GRID_REPAINTING_PROPERTY(TColor, TColor, ExGradientHoverFrom, exGradientHoverFrom)
GRID_REPAINTING_PROPERTY(TColor, TColor, ExGradientHoverTo, exGradientHoverTo)
GRID_REPAINTING_PROPERTY(TColor, TColor, ExGradientHoverMirrorFrom, exGradientHoverMirrorFrom)
GRID_REPAINTING_PROPERTY(TColor, TColor, ExGradientHoverMirrorTo, exGradientHoverMirrorTo)
GRID_REPAINTING_PROPERTY(TColor, TColor, ExGradientHoverBorder, exGradientHoverBorder)
GRID_REPAINTING_PROPERTY(TColor, TColor, ExGradientDownFrom, exGradientDownFrom)
GRID_REPAINTING_PROPERTY(TColor, TColor, ExGradientDownTo, exGradientDownTo)
GRID_REPAINTING_PROPERTY(TColor, TColor, ExGradientDownMirrorFrom, exGradientDownMirrorFrom)
GRID_REPAINTING_PROPERTY(TColor, TColor, ExGradientDownMirrorTo, exGradientDownMirrorTo)
GRID_REPAINTING_PROPERTY(TColor, TColor, ExGradientDownBorder, exGradientDownBorder)
GRID_STORED_PROPERTY(TEditorType, TEditorType, DefaultEditor, defaultEditor)
GRID_REPAINTING_PROPERTY(TAlignment, TAlignment, DefaultAlignment, defaultAlignment)
GRID_REPAINTING_PROPERTY(TVAlignment, TVAlignment, VAlignment, vAlignment)
GRID_REPAINTING_PROPERTY(bool, bool, EnableHTML, enableHTML)
GRID_STORED_PROPERTY(bool, bool, EnableWheel, enableWheel)
GRID_STORED_PROPERTY(bool, bool, IntelliZoom, intelliZoom)
GRID_REPAINTING_PROPERTY(QString, const QString&, FloatFormat, floatFormat)
GRID_REPAINTING_PROPERTY(QString, const QString&, CheckTrue, checkTrue)
GRID_REPAINTING_PROPERTY(QString, const QString&, CheckFalse, checkFalse)
GRID_REPAINTING_PROPERTY(QChar, QChar, PasswordChar, passwordChar)
GRID_STORED_PROPERTY(QString, const QString&, XMLEncoding, xmlEncoding)
GRID_STORED_PROPERTY(bool, bool, AnchorHint, anchorHint)
GRID_REPAINTING_PROPERTY(bool, bool, AutoNumAlign, autoNumAlign)
GRID_STORED_PROPERTY(TInvalidEntryIcon, TInvalidEntryIcon, InvalidEntryIcon, invalidEntryIcon)
GRID_STORED_PROPERTY(QString, const QString&, InvalidEntryTitle, invalidEntryTitle)
GRID_STORED_PROPERTY(QString, const QString&, InvalidEntryText, invalidEntryText)
GRID_STORED_PROPERTY(THintShowLargeTextPos, THintShowLargeTextPos, HintShowLargeTextPos, hintShowLargeTextPos)
GRID_STORED_PROPERTY(bool, bool, EnhRowColMove, enhRowColMove)
GRID_STORED_PROPERTY(bool, bool, UseInternalHintClass, useInternalHintClass)
GRID_STORED_PROPERTY(bool, bool, FilterDropDownAuto, filterDropDownAuto)
GRID_STORED_PROPERTY(QString, const QString&, FilterDropDownClear, filterDropDownClear)
GRID_STORED_PROPERTY(TFilterDropDownColumns, TFilterDropDownColumns, FilterDropDownColumns, filterDropDownColumns)
GRID_STORED_PROPERTY(bool, bool, FilterNormalCellsOnly, filterNormalCellsOnly)
GRID_STORED_PROPERTY(bool, bool, FilterIncremental, filterIncremental)
GRID_STORED_PROPERTY(bool, bool, AutoFilterUpdate, autoFilterUpdate)
GRID_STORED_PROPERTY(bool, bool, SaveFixedCells, saveFixedCells)
GRID_STORED_PROPERTY(bool, bool, SaveFixedRows, saveFixedRows)
GRID_STORED_PROPERTY(bool, bool, SaveFixedCols, saveFixedCols)
GRID_STORED_PROPERTY(bool, bool, SaveHiddenCells, saveHiddenCells)
GRID_STORED_PROPERTY(bool, bool, SaveVirtCells, saveVirtCells)
GRID_STORED_PROPERTY(bool, bool, SaveWithHTML, saveWithHTML)
GRID_STORED_PROPERTY(bool, bool, SaveWithRTF, saveWithRTF)
GRID_STORED_PROPERTY(bool, bool, QuoteEmptyCells, quoteEmptyCells)
GRID_STORED_PROPERTY(bool, bool, AlwaysQuotes, alwaysQuotes)
GRID_STORED_PROPERTY(bool, bool, JavaCSV, javaCSV)
GRID_STORED_PROPERTY(QChar, QChar, Delimiter, delimiter)
GRID_REPAINTING_PROPERTY(bool, bool, ShowNullDates, showNullDates)
GRID_STORED_PROPERTY(bool, bool, LoadFirstRow, loadFirstRow)
GRID_STORED_PROPERTY(bool, bool, FitCellsInGrid, fitCellsInGrid)

#undef GRID_STORED_PROPERTY
#undef GRID_REPAINTING_PROPERTY

int TExStringGrid::SelectionColorMixerFactor() const { return p->selectionColorMixerFactor; }

void TExStringGrid::SetSelectionColorMixerFactor(int Value)
{
    Value = std::clamp(Value, 0, 100);
    if (p->selectionColorMixerFactor == Value)
        return;
    p->selectionColorMixerFactor = Value;
    Invalidate();
}

bool TExStringGrid::ShowSelection() const { return ShowSel(); }

void TExStringGrid::SetShowSelection(bool Value)
{
    if (ShowSel() == Value)
        return;
    SetShowSel(Value);
    Invalidate();
}

TScrollBarAlways TExStringGrid::ScrollBarAlways() const { return p->scrollBarAlways; }

void TExStringGrid::SetScrollBarAlways(TScrollBarAlways Value)
{
    p->scrollBarAlways = Value;
    ApplyScrollBarAlways(true);
}

bool TExStringGrid::IntegralHeight() const { return p->integralHeight; }

void TExStringGrid::SetIntegralHeight(bool Value)
{
    p->integralHeight = Value;
    if (Value)
        SetHeight(Height());
}

int TExStringGrid::PrintPageFrom() const { return p->printPageFrom; }
int TExStringGrid::PrintPageTo() const { return p->printPageTo; }

// ---- fixed rows and columns ------------------------------------------------------------

int TExStringGrid::FixedRowHeight() const { return p->fixedRowHeight; }

void TExStringGrid::SetFixedRowHeight(int Value)
{
    p->fixedRowHeight = Value;
    if (p->loading)
        return;
    if (Value == DefaultRowHeight()) {
        SetDefaultRowHeight(Value);
        return;
    }
    for (int r = 0; r < FixedRows(); ++r)
        SetRowHeights(r, Value);
}

int TExStringGrid::FixedColWidth() const { return FixedCols() > 0 ? ColWidths(0) : DefaultColWidth(); }

void TExStringGrid::SetFixedColWidth(int Value)
{
    if (p->loading || Value == DefaultColWidth())
        return;
    for (int c = 0; c < FixedCols(); ++c)
        SetColWidths(c, Value);
}

void TExStringGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    HandleSizeChanged(OldColCount, OldRowCount);
    SetNormalRowCount(RowCount());
    p->maxRowCount = std::max(p->maxRowCount, RowCount());
    p->maxColCount = std::max(p->maxColCount, ColCount());
    ApplyScrollBarAlways(false);
}

// ---- platform facts and state ----------------------------------------------------------

bool TExStringGrid::IsXP() const { return p->isXP; }
bool TExStringGrid::IsWin7() const { return p->isWin7; }
bool TExStringGrid::IsVista() const { return p->isVista; }
bool TExStringGrid::IsComCtl6() const { return p->isComCtl6; }
TMouseSelectMode TExStringGrid::MouseSelectMode() const { return p->mouseSelectMode; }

int TExStringGrid::GetVersionNr() const { return 0x06020103; }

QString TExStringGrid::GetVersionString() const { return Version() + QStringLiteral(" Sep, 2012"); }

// ---- owned settings objects ---------------------------------------------------------------
// A writer copies the given settings; the grid keeps its own object.

TColumnSize* TExStringGrid::ColumnSize() const { return p->columnSize.get(); }
void TExStringGrid::SetColumnSize(const TColumnSize* Value) { p->columnSize->Assign(Value); }
TNavigation* TExStringGrid::Navigation() const { return p->navigation.get(); }
void TExStringGrid::SetNavigation(const TNavigation* Value) { p->navigation->Assign(Value); }
TMouseActions* TExStringGrid::MouseActions() const { return p->mouseActions.get(); }
void TExStringGrid::SetMouseActions(const TMouseActions* Value) { p->mouseActions->Assign(Value); }
TSearchFooter* TExStringGrid::SearchFooter() const { return p->searchFooter.get(); }
void TExStringGrid::SetSearchFooter(const TSearchFooter* Value) { p->searchFooter->Assign(Value); }
TControlLook* TExStringGrid::ControlLook() const { return p->controlLook.get(); }
void TExStringGrid::SetControlLook(const TControlLook* Value) { p->controlLook->Assign(Value); }
TBands* TExStringGrid::Bands() const { return p->bands.get(); }

void TExStringGrid::SetBands(const TBands* Value)
{
    p->bands->Assign(Value);
    Invalidate();
}

TSyncGrid* TExStringGrid::SyncGrid() const { return p->syncGrid.get(); }
void TExStringGrid::SetSyncGrid(const TSyncGrid* Value) { p->syncGrid->Assign(Value); }
TFocusHelper* TExStringGrid::FocusHelper() const { return p->focusHelper.get(); }
void TExStringGrid::SetFocusHelper(const TFocusHelper* Value) { p->focusHelper->Assign(Value); }
TPrintSettings* TExStringGrid::PrintSettings() const { return p->printSettings.get(); }
void TExStringGrid::SetPrintSettings(const TPrintSettings* Value) { p->printSettings->Assign(Value); }
THTMLSettings* TExStringGrid::HTMLSettings() const { return p->htmlSettings.get(); }
void TExStringGrid::SetHTMLSettings(const THTMLSettings* Value) { p->htmlSettings->Assign(Value); }
TFilter* TExStringGrid::Filter() const { return p->filter.get(); }
void TExStringGrid::SetFilter(const TFilter* Value) { p->filter->Assign(Value); }
TSortSettings* TExStringGrid::SortSettings() const { return p->sortSettings.get(); }
void TExStringGrid::SetSortSettings(const TSortSettings* Value) { p->sortSettings->Assign(Value); }
TDragDropSettings* TExStringGrid::DragDropSettings() const { return p->dragDropSettings.get(); }
void TExStringGrid::SetDragDropSettings(const TDragDropSettings* Value) { p->dragDropSettings->Assign(Value); }
TGrouping* TExStringGrid::Grouping() const { return p->grouping.get(); }
void TExStringGrid::SetGrouping(const TGrouping* Value) { p->grouping->Assign(Value); }
TFilterDropDown* TExStringGrid::FilterDropDown() const { return p->filterDropDown.get(); }
void TExStringGrid::SetFilterDropDown(const TFilterDropDown* Value) { p->filterDropDown->Assign(Value); }
TFloatingFooter* TExStringGrid::FloatingFooter() const { return p->floatingFooter.get(); }
void TExStringGrid::SetFloatingFooter(const TFloatingFooter* Value) { p->floatingFooter->Assign(Value); }
TDragScrollOptions* TExStringGrid::DragScrollOptions() const { return p->dragScrollOptions.get(); }
void TExStringGrid::SetDragScrollOptions(const TDragScrollOptions* Value) { p->dragScrollOptions->Assign(Value); }
TCellNode* TExStringGrid::CellNode() const { return p->cellNode.get(); }

void TExStringGrid::SetCellNode(const TCellNode* Value)
{
    p->cellNode->Assign(Value);
    Invalidate();
}

TSizeWhileTyping* TExStringGrid::SizeWhileTyping() const { return p->sizeWhileTyping.get(); }
TBackGround* TExStringGrid::BackGround() const { return p->backGround.get(); }
void TExStringGrid::SetBackGround(const TBackGround* Value) { p->backGround->Assign(Value); }
TGridProgressAppearance* TExStringGrid::ProgressAppearance() const { return p->progressAppearance.get(); }

void TExStringGrid::SetProgressAppearance(const TGridProgressAppearance* Value)
{
    p->progressAppearance->Assign(Value);
}

TBalloonSettings* TExStringGrid::Balloon() const { return p->balloon.get(); }
void TExStringGrid::SetBalloon(const TBalloonSettings* Value) { p->balloon->Assign(Value); }
TShowModified* TExStringGrid::ShowModified() const { return p->showModified.get(); }
void TExStringGrid::SetShowModified(const TShowModified* Value) { p->showModified->Assign(Value); }
TFont* TExStringGrid::FixedFont() const { return p->fixedFont.get(); }
void TExStringGrid::SetFixedFont(const TFont& Value) { p->fixedFont->Assign(Value); }
TFont* TExStringGrid::ActiveCellFont() const { return p->activeCellFont.get(); }
void TExStringGrid::SetActiveCellFont(const TFont& Value) { p->activeCellFont->Assign(Value); }
TStringList* TExStringGrid::ColumnHeaders() const { return p->columnHeaders.get(); }
void TExStringGrid::SetColumnHeaders(const TStringList& Value)
{
    p->columnHeaders->Assign(Value);
    BeforeShowColumnHeaders();
    if (FixedRows() > 0)
        ClearColumnHeaders();
    ShowColumnHeaders();
}
TStringList* TExStringGrid::RowHeaders() const { return p->rowHeaders.get(); }
void TExStringGrid::SetRowHeaders(const TStringList& Value)
{
    p->rowHeaders->Assign(Value);
    ShowRowHeaders();
}
TBitmap* TExStringGrid::RowIndicator() const { return p->rowIndicator.get(); }

void TExStringGrid::SetRowIndicator(const TBitmap* Value)
{
    p->rowIndicator->Assign(Value);
    Invalidate();
}

TStringList* TExStringGrid::LookupItems() const { return p->lookupItems.get(); }
TSortIndexList* TExStringGrid::SortIndexes() const { return p->sortIndexes.get(); }
TIntList* TExStringGrid::MergedColumns() const { return p->mergedColumns.get(); }
TIntList* TExStringGrid::IgnoreColumns() const { return p->ignoreColumns.get(); }
TControlList* TExStringGrid::ControlList() const { return p->controlList.get(); }
THTMLPictureCache* TExStringGrid::ImageCache() const { return p->imageCache.get(); }
TStringList* TExStringGrid::FilterList() const { return p->filterList.get(); }

void TExStringGrid::RegisterChangeNotifier(TGridChangeNotifier Notifier)
{
    p->notifiers.push_back(std::move(Notifier));
}

// ---- TColumnSize -----------------------------------------------------------------------

TColumnSize::TColumnSize(TExStringGrid* AOwner) : m_owner(AOwner) {}

void TColumnSize::SetStretch(bool Value)
{
    m_stretch = Value;
    if (OnStretchChange && m_owner && m_owner->parentWidget())
        OnStretchChange(this);
}

void TColumnSize::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TColumnSize*>(Source);
    if (!source)
        return;
    m_rows = source->m_rows;
    m_save = source->m_save;
    m_key = source->m_key;
    m_section = source->m_section;
    m_stretch = source->m_stretch;
    m_stretchColumn = source->m_stretchColumn;
    m_synchWithGrid = source->m_synchWithGrid;
    m_synchNormalCellsOnly = source->m_synchNormalCellsOnly;
    m_location = source->m_location;
}
