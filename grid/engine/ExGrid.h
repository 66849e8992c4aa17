#pragma once

// The editable string grid control on which every table of the program stands.
// Its member functions live in the folders of the behaviour they belong to
// (engine, cells, services), in files named by concern; ExGridPrivate.h holds the
// state they share.
//
// It stands on the cell store (TBaseGrid), which paints each cell's background
// and lines and hands the inside to RenderCellContent. The settings objects it
// shows (Navigation, MouseActions, ControlLook, SortSettings, PrintSettings, ...)
// are owned by the grid, created and wired to it in a fixed order and copied with
// Assign. Events are std::function members with Sender first, then the system's
// argument order; the cell questions (QueryCellColor, QueryCellEditable, ...)
// apply the grid's own settings first and give their event the last word.
// Operations that later parts fill in are neutral seams (ExGridMouseSeams.cpp).

#include "grid/engine/ExGridEvents.h"
#include "grid/engine/ExGridTypes.h"
#include "grid/foundation/cellstore/BaseGrid.h"
#include "grid/foundation/objects/ExObj.h"
#include "grid/foundation/styles/ExStyleIF.h"
#include "grid/foundation/styles/ExUtilShapes.h"
#include "platform/ui/window/BalloonTip.h"
#include "platform/ui/controls/CheckBox.h"
#include "platform/ui/paint/Geometry.h"

#include <QtCore/QString>

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class TBackGround;
class TBalloonSettings;
class THTMLHintWindow;
class THeaderDragButton;
class TNoActiveForm;
class TArrowWindow;
struct TCellGraphicPlacement;
class TBands;
class TBitmap;
class TCellGraphic;
class TCellNode;
class TColumnSize;
class TControlList;
class TControlLook;
class TDragDropSettings;
class TDragScrollOptions;
class TExStringGrid;
class TFilter;
class TFilterDropDown;
class TFloatingFooter;
class TFooterPanel;
struct TFixedSizingMarks;
struct THintInfo;
namespace platform {
class TBalloonToolTip;
struct TBalloonText;
} // namespace platform
class QFocusEvent;
class TGridCombo;
class TGridSpin;
class TGridEditBtn;
class TGridUnitEditBtn;
class TGridCheckBox;
class TGridButton;
class TGridDatePicker;
class TExStringGridCheck;
class IGridDropDownEditor;
class QTextEdit;
class TExRichEdit;
class TEditLink;
class TGridTransEdit;
class TGridTransCombo;
class TControlEdit;
class TControlCombo;
class TFocusHelper;
class TGridFocusWindow;
class TGridItem;
class TGridProgressAppearance;
class TGrouping;
enum TSortDirection : int;
class THTMLPictureCache;
class THTMLSettings;
class TImageList;
class TIntList;
class TIcon;
class TPicture;
class TFilePicture;
class TMouseActions;
class TNavigation;
class TPrintSettings;
class TScrollControl;
class TSearchFooter;
class TShowModified;
class TSizeWhileTyping;
class TSortIndexList;
class TSortSettings;
class TInplaceEdit;
class QWheelEvent;
class QDragEnterEvent;
class QDragMoveEvent;
class QDragLeaveEvent;
class QScrollBar;
class QIODevice;
class QTimer;
class QKeyEvent;
class TStringList;
class TSyncGrid;
namespace gridstream {
struct Property;
} // namespace gridstream

// Misuse of a grid, with the grid family's fixed English messages.
class EExGridError : public Exception {
public:
    using Exception::Exception;
};

// The unit's process-wide values. The grid whose focus glow follows window
// moves is held weakly: a freed grid reads as none.
TExStringGrid* FocusGlowGrid();
void SetFocusGlowGrid(TExStringGrid* grid);
// The clipboard format of the grid's own cell data.
extern const QString GridCellsClipboardFormat;
// The pointer over links in cells; every grid constructor sets it.
extern TCursor LinkCursor;
// Runs the unit's start-up once per process; every grid constructor calls it.
void GridUnitInitialization();

// Told each new current cell of the grid it is registered with.
class ITExStringGridSelect {
public:
    virtual ~ITExStringGridSelect() = default;
    virtual void SelectionChanged(int ACol, int ARow) = 0;
};

class TExStringGrid : public TBaseGrid, public IExStyle, public IExTones {
    Q_OBJECT

public:
    // AOwner is the parent widget; a form up its chain is the grid's host form,
    // whose resizing the grid follows.
    explicit TExStringGrid(QWidget* AOwner = nullptr);
    ~TExStringGrid() override;

    // ---- lifecycle ---------------------------------------------------------
    // Finishes a grid whose stored settings have been set; the first showing
    // calls it when the form did not.
    virtual void Loaded();
    bool IsLoading() const;
    bool IsLoaded() const;
    bool IsDestroying() const;
    // Copy from another TExStringGrid; any other source changes nothing.
    virtual void Assign(const TObject* Source);
    virtual void AssignCells(const TObject* Source);
    void Invalidate() override;
    void ApplyScrollBarAlways(bool Flag);
    // The first form up the parent chain of a control, nullptr when none.
    static QWidget* FindHostForm(QWidget* AControl);
    // Moves the focus glow to the current cell.
    void PositionFocusWindow();
    // Shows the glow around the cell rectangle R (client coordinates): a ring
    // 4 pixels wide left and above, 5 right and below.
    void BuildFocusWindow(const TRect& R);
    // Hides the glow and forgets the grid whose glow follows window moves.
    void HideFocusWindow();
    // Set by the in-place editor when it changed the cell: the next Invalidate
    // only clears it.
    void SetEditChange(bool Value);
    // The version as one number, a byte per part from the highest, and as
    // text with its date.
    virtual int GetVersionNr() const;
    virtual QString GetVersionString() const;

    // ---- owned settings objects ---------------------------------------------
    TColumnSize* ColumnSize() const;
    void SetColumnSize(const TColumnSize* Value);
    TNavigation* Navigation() const;
    void SetNavigation(const TNavigation* Value);
    TMouseActions* MouseActions() const;
    void SetMouseActions(const TMouseActions* Value);
    TSearchFooter* SearchFooter() const;
    void SetSearchFooter(const TSearchFooter* Value);
    TControlLook* ControlLook() const;
    void SetControlLook(const TControlLook* Value);
    TBands* Bands() const;
    void SetBands(const TBands* Value);
    TSyncGrid* SyncGrid() const;
    void SetSyncGrid(const TSyncGrid* Value);
    TFocusHelper* FocusHelper() const;
    void SetFocusHelper(const TFocusHelper* Value);
    TPrintSettings* PrintSettings() const;
    void SetPrintSettings(const TPrintSettings* Value);
    THTMLSettings* HTMLSettings() const;
    void SetHTMLSettings(const THTMLSettings* Value);
    TFilter* Filter() const;
    void SetFilter(const TFilter* Value);
    TSortSettings* SortSettings() const;
    void SetSortSettings(const TSortSettings* Value);
    TDragDropSettings* DragDropSettings() const;
    void SetDragDropSettings(const TDragDropSettings* Value);
    TGrouping* Grouping() const;
    void SetGrouping(const TGrouping* Value);
    TFilterDropDown* FilterDropDown() const;
    void SetFilterDropDown(const TFilterDropDown* Value);
    TFloatingFooter* FloatingFooter() const;
    void SetFloatingFooter(const TFloatingFooter* Value);
    TDragScrollOptions* DragScrollOptions() const;
    void SetDragScrollOptions(const TDragScrollOptions* Value);
    TCellNode* CellNode() const;
    void SetCellNode(const TCellNode* Value);
    TSizeWhileTyping* SizeWhileTyping() const;
    TBackGround* BackGround() const;
    void SetBackGround(const TBackGround* Value);
    TGridProgressAppearance* ProgressAppearance() const;
    void SetProgressAppearance(const TGridProgressAppearance* Value);
    TBalloonSettings* Balloon() const;
    void SetBalloon(const TBalloonSettings* Value);
    TShowModified* ShowModified() const;
    void SetShowModified(const TShowModified* Value);
    TFont* FixedFont() const;
    void SetFixedFont(const TFont& Value);
    TFont* ActiveCellFont() const;
    void SetActiveCellFont(const TFont& Value);
    TStringList* ColumnHeaders() const;
    void SetColumnHeaders(const TStringList& Value);
    TStringList* RowHeaders() const;
    void SetRowHeaders(const TStringList& Value);
    // The picture marking the current row in the fixed column; copied in.
    TBitmap* RowIndicator() const;
    void SetRowIndicator(const TBitmap* Value);
    TStringList* LookupItems() const;
    TSortIndexList* SortIndexes() const;
    TIntList* MergedColumns() const;
    TIntList* IgnoreColumns() const;
    TControlList* ControlList() const;
    THTMLPictureCache* ImageCache() const;
    TGridFocusWindow* FocusWindow() const;
    // The values of the last filter drop-down list built.
    TStringList* FilterList() const;
    // Change notifiers are called by FireCellsChanged in registration order.
    void RegisterChangeNotifier(TGridChangeNotifier Notifier);

    // ---- sizes --------------------------------------------------------------
    int FixedRowHeight() const;
    void SetFixedRowHeight(int Value);
    int FixedColWidth() const;
    void SetFixedColWidth(int Value);
    int MinRowHeight() const;
    void SetMinRowHeight(int Value);
    int MaxRowHeight() const;
    void SetMaxRowHeight(int Value);
    int MinColWidth() const;
    void SetMinColWidth(int Value);
    int MaxColWidth() const;
    void SetMaxColWidth(int Value);
    bool SizeGrowOnly() const;
    void SetSizeGrowOnly(bool Value);
    bool IntegralHeight() const;
    void SetIntegralHeight(bool Value);
    bool AutoSize() const;
    void SetAutoSize(bool Value);
    bool SizeWithForm() const;
    void SetSizeWithForm(bool Value);
    int FixedFooters() const;
    void SetFixedFooters(int Value);
    int FixedRightCols() const;
    void SetFixedRightCols(int Value);
    bool FixedRowAlways() const;
    void SetFixedRowAlways(bool Value);
    bool FixedColAlways() const;
    void SetFixedColAlways(bool Value);
    int ZoomFactor() const;
    void SetZoomFactor(int Value);
    TPoint XYOffset() const;
    void SetXYOffset(const TPoint& Value);

    // ---- scroll bars --------------------------------------------------------
    TScrollType ScrollType() const;
    void SetScrollType(TScrollType Value);
    TColor ScrollColor() const;
    void SetScrollColor(TColor Value);
    int ScrollWidth() const;
    void SetScrollWidth(int Value);
    TScrollBarAlways ScrollBarAlways() const;
    void SetScrollBarAlways(TScrollBarAlways Value);
    bool ScrollProportional() const;
    void SetScrollProportional(bool Value);
    bool ScrollSynch() const;
    void SetScrollSynch(bool Value);
    TScrollHintType ScrollHints() const;
    void SetScrollHints(TScrollHintType Value);

    // ---- scrolling ------------------------------------------------------------------
    // The first scrollable row shown; a fixed row or one past the last is ignored.
    void SetTopRow(int Value);
    // Scrolls so that the cell is visible, centring it when it was out of view.
    virtual void ScrollInView(int ACol, int ARow);
    // The cell under a point in screen coordinates, -1 outside the cells.
    void ScreenToCell(const QPoint& ScreenPoint, int& ACol, int& ARow) const;
    // Thumbs sized to the visible part, with ScrollProportional.
    void UpdateVertProportionalBar();
    void UpdateHorzProportionalBar();
    // Suspends the proportional thumbs while the grid zooms.
    bool ScrollLock() const;
    void SetScrollLock(bool Value);
    // The window of the "Row : n" and "Col : n" hints, nullptr before the first.
    QWidget* ScrollHintWindow() const;
    // The slim bars of ssMetro, nullptr when absent.
    TScrollControl* VertScrollControl() const;
    TScrollControl* HorzScrollControl() const;
    void CreateScrollControls();
    void FreeScrollControls();
    // The grid's one in-cell scroll bar and the cell it serves; its actions
    // reach HandleWmVScroll as its own.
    QScrollBar* CellScrollBar();
    void SetCellScrollBarCell(int ACol, int ARow);
    // Places the controls embedded in cells and the in-cell scroll bar;
    // RebuildList first collects the embedded controls again.
    void CellControlsUpdate(bool RebuildList);
    // One step of scrolling while something is dragged near an edge.
    void DragScrollTimerTick();
    // The drag-scroll timer, nullptr while no drag scrolls.
    QTimer* DragScrollTimer() const;
    // Scrolls while a drag nears an edge (Leaving ends it); Accept is left as given.
    virtual void HandleDragOver(int X, int Y, bool Leaving);
    TScrollCellEvent OnScrollCell;
    virtual void FireScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin, int ScrollMax);
    // The keys the grid asks of the window's key routing: DLGC_ flags.
    virtual int HandleWmGetDlgCode();
    // Scroll messages: hints, synchronised scrolling and the in-cell bar around
    // the base handling. The vertical one answers 1 when it used the message.
    void WMHScroll(int ScrollCode, int Pos = 0) override;
    void WMVScroll(int ScrollCode, int Pos = 0) override;
    virtual void HandleWmHScroll(int ScrollCode, int Pos);
    virtual int HandleWmVScroll(int ScrollCode, int Pos, bool FromCellScrollBar = false);

    // ---- sizing ---------------------------------------------------------------------
    virtual void AutoSizeColumns(bool DoFixedCols, int Padding);
    virtual void AutoSizeRow(int ARow, int Padding);
    virtual void AutoSizeRows(bool DoFixedRows, int Padding);
    virtual void AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY);
    // Scales the columns so that together they fill the control's width.
    virtual void AutoFitColumns(bool DoFixedCells);
    void SizeToCols();
    void SizeToRows();
    void SizeToCells();
    void StretchRightColumn();
    // Gives column Index (-1: the last) the width the others leave free;
    // an index outside the grid raises EExGridError.
    void ApplyColumnStretch(int Index);
    void FitColumnWidth(int ACol, bool GrowOnly);
    void FitRowHeight(int ARow, bool GrowOnly, int Padding);
    void SetRowHeightForLines(int ARow, int Lines, int Padding);
    int MaxLinesInRow(int ARow);
    int HorizontalCellMargin() const;
    int VerticalCellMargin() const;
    void UpdateXYOffset(int X, int Y);
    // Whether a client point lies on a border the user can drag to size.
    bool IsOverSizingBorder(int X, int Y);
    // Moves ARect's top-left corner to where Text rotated by Angle degrees
    // starts, in the canvas font.
    void RotatedTextOrigin(TRect& ARect, int Angle, TVAlignment VAlign, TAlignment HAlign, const QString& Text);
    static void AlignRotatedTextRect(TRect& ARect, TAlignment HAlign, TVAlignment VAlign, int A, int B, int C,
                                     int D, int Angle);
    // Asked after the user sized a column and before an auto-sized width is
    // set; both fire OnUpdateColumnSize.
    virtual void AdjustColumnSize(int ACol, int& AWidth);
    virtual void AdjustAutoColumnSize(int ACol, int& AWidth);

    // ---- looks --------------------------------------------------------------
    TGridLook Look() const;
    void SetLook(TGridLook Value);
    bool Flat() const;
    void SetFlat(bool Value);
    TColor BorderColor() const;
    void SetBorderColor(TColor Value);
    TColor SelectionColor() const;
    void SetSelectionColor(TColor Value);
    TColor SelectionColorTo() const;
    void SetSelectionColorTo(TColor Value);
    TColor SelectionMirrorColor() const;
    void SetSelectionMirrorColor(TColor Value);
    TColor SelectionMirrorColorTo() const;
    void SetSelectionMirrorColorTo(TColor Value);
    TColor SelectionTextColor() const;
    void SetSelectionTextColor(TColor Value);
    bool SelectionColorMixer() const;
    void SetSelectionColorMixer(bool Value);
    int SelectionColorMixerFactor() const;
    void SetSelectionColorMixerFactor(int Value);
    bool ShowSelection() const;
    void SetShowSelection(bool Value);
    TColor HintColor() const;
    void SetHintColor(TColor Value);
    TColor HighlightColor() const;
    void SetHighlightColor(TColor Value);
    TColor HighlightTextColor() const;
    void SetHighlightTextColor(TColor Value);
    bool ActiveCellShow() const;
    void SetActiveCellShow(bool Value);
    TColor ActiveCellColor() const;
    void SetActiveCellColor(TColor Value);
    TColor ActiveCellColorTo() const;
    void SetActiveCellColorTo(TColor Value);
    TColor DisabledFontColor() const;
    void SetDisabledFontColor(TColor Value);
    bool UseDisabledFont() const;
    void SetUseDisabledFont(bool Value);
    TColor URLColor() const;
    void SetURLColor(TColor Value);
    THoverFixedCells HoverFixedCells() const;
    void SetHoverFixedCells(THoverFixedCells Value);
    bool AutoThemeAdapt() const;
    void SetAutoThemeAdapt(bool Value);
    bool ShowDesignHelper() const;
    void SetShowDesignHelper(bool Value);
    // The fixed-cell gradient colours, plain, hovered and pressed.
    TColor ExGradientFrom() const;
    void SetExGradientFrom(TColor Value);
    TColor ExGradientTo() const;
    void SetExGradientTo(TColor Value);
    TColor ExGradientMirrorFrom() const;
    void SetExGradientMirrorFrom(TColor Value);
    TColor ExGradientMirrorTo() const;
    void SetExGradientMirrorTo(TColor Value);
    TColor ExGradientHoverFrom() const;
    void SetExGradientHoverFrom(TColor Value);
    TColor ExGradientHoverTo() const;
    void SetExGradientHoverTo(TColor Value);
    TColor ExGradientHoverMirrorFrom() const;
    void SetExGradientHoverMirrorFrom(TColor Value);
    TColor ExGradientHoverMirrorTo() const;
    void SetExGradientHoverMirrorTo(TColor Value);
    TColor ExGradientHoverBorder() const;
    void SetExGradientHoverBorder(TColor Value);
    TColor ExGradientDownFrom() const;
    void SetExGradientDownFrom(TColor Value);
    TColor ExGradientDownTo() const;
    void SetExGradientDownTo(TColor Value);
    TColor ExGradientDownMirrorFrom() const;
    void SetExGradientDownMirrorFrom(TColor Value);
    TColor ExGradientDownMirrorTo() const;
    void SetExGradientDownMirrorTo(TColor Value);
    TColor ExGradientDownBorder() const;
    void SetExGradientDownBorder(TColor Value);

    // Named colour styles, the component style of the shared style interface,
    // tone sets, desktop colour schemes and the office theme.
    virtual void SetStyle(TExGridStyle Value);
    void SetComponentStyle(TExStyle Value) override;
    TExStyle ComponentStyle() const;
    void SetEditorComponentStyle(TExStyle Value);
    void SetColorTones(const TColorTones& Value) override;
    const TColorTones& ColorTones() const;
    void SetTheme(TXPColorScheme Value);
    void FollowOfficeTheme();
    // The drop-down editors the grid created; they receive its component style
    // and tone set. Either interface may be absent.
    void AddDropDownEditor(IExStyle* AStyle, IExTones* ATones);
    void RemoveDropDownEditor(IExStyle* AStyle, IExTones* ATones);
    // The saved name and the display name of a look; glCustom leaves AText as it is.
    static void LookToText(TGridLook ALook, QString& AText);
    static void LookDisplayName(TGridLook ALook, QString& AText);

    // ---- cell content settings -----------------------------------------------
    TEditorType DefaultEditor() const;
    void SetDefaultEditor(TEditorType Value);
    TAlignment DefaultAlignment() const;
    void SetDefaultAlignment(TAlignment Value);
    TVAlignment VAlignment() const;
    void SetVAlignment(TVAlignment Value);
    bool EnableHTML() const;
    void SetEnableHTML(bool Value);
    bool EnableWheel() const;
    void SetEnableWheel(bool Value);
    bool IntelliZoom() const;
    void SetIntelliZoom(bool Value);
    QString FloatFormat() const;
    void SetFloatFormat(const QString& Value);
    QString CheckTrue() const;
    void SetCheckTrue(const QString& Value);
    QString CheckFalse() const;
    void SetCheckFalse(const QString& Value);
    QChar PasswordChar() const;
    void SetPasswordChar(QChar Value);
    QString XMLEncoding() const;
    void SetXMLEncoding(const QString& Value);
    bool AnchorHint() const;
    void SetAnchorHint(bool Value);
    bool AutoNumAlign() const;
    void SetAutoNumAlign(bool Value);
    TInvalidEntryIcon InvalidEntryIcon() const;
    void SetInvalidEntryIcon(TInvalidEntryIcon Value);
    QString InvalidEntryTitle() const;
    void SetInvalidEntryTitle(const QString& Value);
    QString InvalidEntryText() const;
    void SetInvalidEntryText(const QString& Value);
    THintShowLargeTextPos HintShowLargeTextPos() const;
    void SetHintShowLargeTextPos(THintShowLargeTextPos Value);
    bool EnhRowColMove() const;
    void SetEnhRowColMove(bool Value);
    bool UseInternalHintClass() const;
    void SetUseInternalHintClass(bool Value);
    int GroupColumn() const;
    void SetGroupColumn(int Value);

    // ---- filter, load and save settings --------------------------------------
    bool FilterDropDownAuto() const;
    void SetFilterDropDownAuto(bool Value);
    QString FilterDropDownClear() const;
    void SetFilterDropDownClear(const QString& Value);
    TFilterDropDownColumns FilterDropDownColumns() const;
    void SetFilterDropDownColumns(TFilterDropDownColumns Value);
    bool FilterNormalCellsOnly() const;
    void SetFilterNormalCellsOnly(bool Value);
    bool FilterIncremental() const;
    void SetFilterIncremental(bool Value);
    bool AutoFilterUpdate() const;
    void SetAutoFilterUpdate(bool Value);
    bool SaveFixedCells() const;
    void SetSaveFixedCells(bool Value);
    bool SaveFixedRows() const;
    void SetSaveFixedRows(bool Value);
    bool SaveFixedCols() const;
    void SetSaveFixedCols(bool Value);
    bool SaveHiddenCells() const;
    void SetSaveHiddenCells(bool Value);
    bool SaveVirtCells() const;
    void SetSaveVirtCells(bool Value);
    bool SaveWithHTML() const;
    void SetSaveWithHTML(bool Value);
    bool SaveWithRTF() const;
    void SetSaveWithRTF(bool Value);
    bool QuoteEmptyCells() const;
    void SetQuoteEmptyCells(bool Value);
    bool AlwaysQuotes() const;
    void SetAlwaysQuotes(bool Value);
    bool JavaCSV() const;
    void SetJavaCSV(bool Value);
    // A null character means none.
    QChar Delimiter() const;
    void SetDelimiter(QChar Value);
    bool ShowNullDates() const;
    void SetShowNullDates(bool Value);
    bool LoadFirstRow() const;
    void SetLoadFirstRow(bool Value);
    bool FitCellsInGrid() const;
    void SetFitCellsInGrid(bool Value);
    int PrintPageFrom() const;
    int PrintPageTo() const;

    // ---- events --------------------------------------------------------------
    TClickCellEvent OnClickCell;
    TDblClickCellEvent OnDblClickCell;
    TGridHintEvent OnGridHint;
    TGridWideHintEvent OnGridWideHint;
    TComboChangeEvent OnComboChange;
    TCheckBoxClickEvent OnCheckBoxClick;
    TEditCellDoneEvent OnEditCellDone;
    TGetEditorTypeEvent OnGetEditorType;
    TGridColorEvent OnGetCellColor;
    TGridColorEvent OnGetCellPrintColor;
    TGridBorderEvent OnGetCellBorder;
    TGridBorderEvent OnGetCellPrintBorder;
    TGridBorderPropEvent OnGetCellBorderProp;
    TGridGradientEvent OnGetCellGradient;
    TGridAlignEvent OnGetAlignment;
    TGridFormatEvent OnGetFormat;
    TFloatFormatEvent OnGetFloatFormat;
    TCanEditCellEvent OnCanEditCell;
    TIsFixedCellEvent OnIsFixedCell;
    TIsPasswordCellEvent OnIsPasswordCell;
    TWordWrapEvent OnGetWordWrap;
    THasComboBoxEvent OnHasComboBox;
    THasSpinEditEvent OnHasSpinEdit;
    TGetCheckEvent OnGetCheckTrue;
    TGetCheckEvent OnGetCheckFalse;
    TGetColumnFilterEvent OnGetColumnFilter;
    TGetCellCursorEvent OnGetCellCursor;
    TFixedEditEvent OnFixedEdit;
    TSelectionChangedEvent OnSelectionChanged;
    TAutoDeleteRowEvent OnAutoDeleteRow;
    TNotifyEvent OnFilterDone;
    TCellLoadSaveEvent OnLoadCell;
    TCellLoadSaveEvent OnSaveCell;
    TCellsChangedEvent OnCellsChanged;
    TSearchFooterActionEvent OnSearchFooterAction;
    TButtonClickEvent OnButtonClick;
    TExpandClickEvent OnExpandClick;
    TComboCloseUpEvent OnComboCloseUp;
    TComboCloseUpEvent OnComboDropDown;
    TEllipsClickEvent OnEllipsClick;
    TClickSortEvent OnClickSort;
    TCanSortEvent OnCanSort;
    TCustomCompareEvent OnCustomCompare;
    TRawCompareEvent OnRawCompare;
    TAnchorClickEvent OnAnchorClick;
    TAnchorEvent OnAnchorEnter;
    TAnchorEvent OnAnchorExit;
    TAnchorHintEvent OnAnchorHint;
    TGridBalloonEvent OnCellBalloon;
    TCanInsertRowEvent OnCanInsertRow;
    TAutoInsertRowEvent OnAutoInsertRow;
    TCanAddRowEvent OnCanAddRow;
    TAutoAddRowEvent OnAutoAddRow;
    TCanDeleteRowEvent OnCanDeleteRow;
    TAutoInsertColEvent OnAutoInsertCol;
    TSearchEditChangeEvent OnSearchEditChange;
    TNotifyEvent OnSearchFooterClose;
    TSpinClickEvent OnSpinClick;
    TFloatSpinClickEvent OnFloatSpinClick;
    TDateTimeSpinClickEvent OnTimeSpinClick;
    TDateTimeSpinClickEvent OnDateSpinClick;
    TScrollHintEvent OnScrollHint;
    TColumnSizeEvent OnColumnSize;
    TColumnSizingEvent OnColumnSizing;
    TRowSizeEvent OnRowSize;
    TRowSizingEvent OnRowSizing;
    TEndColumnSizeEvent OnEndColumnSize;
    TUpdateColumnSizeEvent OnUpdateColumnSize;
    TEndRowSizeEvent OnEndRowSize;
    TNotifyEvent OnEditingDone;
    TNotifyEvent OnPainted;
    TAutoAdvanceEvent OnAutoAdvance;
    TCustomCellDrawEvent OnCustomCellBkgDraw;
    TCustomCellDrawEvent OnCustomCellDraw;
    TCustomCellSizeEvent OnCustomCellSize;
    TCustomFilterEvent OnCustomFilter;
    TFilterSelectEvent OnFilterSelect;
    TGroupCalcEvent OnColumnCalc;
    TGroupCalcEvent OnGroupCalc;
    TRowChangingEvent OnRowChanging;
    TColChangingEvent OnColChanging;
    TCellChangingEvent OnCellChanging;
    TRowChangedEvent OnRowChanged;
    TCustomStrToDateEvent OnCustomStrToDate;
    TPrintPageEvent OnPrintPage;
    TPrintGetPageNumEvent OnPrintGetPageNum;
    TPrintPageDoneEvent OnPrintPageDone;
    TPrintStartEvent OnPrintStart;
    TPrintCancelEvent OnPrintCancel;
    TFitToPageEvent OnFitToPage;
    TPrintNewPageEvent OnPrintNewPage;
    TPrintSetSizeEvent OnPrintSetColumnWidth;
    TPrintSetSizeEvent OnPrintSetRowHeight;
    TNodeEvent OnExpandNode;
    TNodeEvent OnContractNode;
    TBeforeNodeEvent OnBeforeExpandNode;
    TBeforeNodeEvent OnBeforeContractNode;
    TRowClickEvent OnRightClickCell;
    TCellAllowEvent OnCanClickCell;
    TControlEvent OnControlClick;
    TControlEvent OnControlEditDone;
    TControlComboListEvent OnControlComboList;
    TControlComboSelectEvent OnControlComboSelect;
    TAllowEvent OnClipboardPaste;
    TAllowEvent OnClipboardCopy;
    TAllowEvent OnClipboardCut;
    TClipboardAfterPasteEvent OnClipboardAfterPasteCell;
    TClipboardAfterPasteEvent OnClipboardAfterPasteWideCell;
    TClipboardBeforePasteEvent OnClipboardBeforePasteCell;
    TClipboardBeforePasteEvent OnClipboardBeforePasteWideCell;
    TCellValidateEvent OnCellValidate;
    TCellValidateEvent OnCellValidateWide;
    TProgressEvent OnFileProgress;
    TProgressEvent OnFilterProgress;
    TCheckBoxClickEvent OnCheckBoxChange;
    TCheckBoxClickEvent OnCheckBoxMouseUp;
    TColorSelectedEvent OnColorSelected;
    TColorSelectEvent OnColorSelect;
    TCellIndexVarEvent OnImageSelected;
    TCellIndexEvent OnImageSelect;
    TCellIndexEvent OnRadioClick;
    TCellIndexEvent OnRadioMouseUp;
    TButtonClickEvent OnRadioButtonClick;
    TComboObjectChangeEvent OnComboObjectChange;
    TNotifyEvent OnRichEditSelectionChange;
    TDragScrollEvent OnDragScroll;
    TEditChangeEvent OnEditChange;
    TDateTimeChangeEvent OnDateTimeChange;
    TFooterPaintEvent OnFooterPaint;
    TCalcFooterEvent OnFooterCalc;
    TRowDisjunctSelectEvent OnRowDisjunctSelect;
    TRowEvent OnRowDisjunctSelected;
    TUnitChangedEvent OnUnitChanged;
    TOleDataEvent OnOleDrop;
    TOleDroppedEvent OnOleDropped;
    TOleDataEvent OnOleDrag;
    TCellAllowEvent OnOleDragOver;
    TOleDragStartEvent OnOleDragStart;
    TOleDragStopEvent OnOleDragStop;
    TOleDropColEvent OnOleDropCol;
    TOleDataEvent OnOleDropFile;
    TOleDataEvent OnOleDropURL;
    TRatingChangeEvent OnRatingChange;
    TIndexAllowEvent OnColumnMove;
    TIndexAllowEvent OnColumnMoving;
    TIndexAllowEvent OnRowMove;
    TIndexAllowEvent OnRowMoving;
    TNotifyEvent OnCreatedFloatingFooter;
    TNotifyEvent OnCreatedSearchFooter;

    // ---- query slots -----------------------------------------------------------
    // Each cell query takes the column (display index unless said otherwise) and
    // the row, then the answer, which starts as the grid's own value so that an
    // event only needs to change it.
    virtual TCellType GetCellType(int ACol, int ARow);
    virtual TCellGraphic* GetCellGraphic(int ACol, int ARow);
    // Whether the cell shows rotated text, and its angle in degrees.
    virtual bool IsRotated(int ACol, int ARow, int& aAngle);
    virtual bool HasClickableGraphic(int ACol, int ARow);
    virtual QString GetFormattedCell(int ACol, int ARow);
    virtual void QueryFloatFormat(int ACol, int ARow, QString& AFormat);
    virtual void QueryCellHint(int ACol, int ARow, QString& AHint, QString& AWideHint);
    virtual void QueryCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void QueryCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont);
    virtual void QueryCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
    virtual void QueryCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders);
    virtual void QueryCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
    virtual void QuerySortFormat(int ACol, TSortStyle& AStyle, QString& APrefix, QString& ASuffix);
    virtual void QueryEditorType(int ACol, int ARow, TEditorType& AEditor);
    virtual void ConfigureCellEditor(int ACol, int ARow, TEditorType& AEditor);
    virtual bool QueryNoEditor(int ACol, int ARow);
    virtual void QueryFixedCell(int ACol, int ARow, bool& AIsFixed);
    virtual void QueryCellEditable(int ACol, int ARow, bool& CanEdit);
    // OnRowChanging, OnColChanging and OnCellChanging for a move of the
    // current cell to (ACol, ARow), each only for what changes.
    virtual void QueryCellChange(int ACol, int ARow, bool& Allow);
    virtual void QueryCanEditCell(int ARow, int ACol, bool& CanEdit);
    virtual void QueryPasswordCell(int ACol, int ARow, bool& IsPassword);
    virtual void QueryWordWrap(int ACol, int ARow, bool& AWordWrap);
    virtual bool QueryHasComboBox(int ACol, int ARow);
    virtual bool QueryHasSpinEdit(int ACol, int ARow);
    virtual void QueryCheckTrue(int ACol, int ARow, QString& Value);
    virtual void QueryCheckFalse(int ACol, int ARow, QString& Value);
    virtual bool BuildColumnFilterList(int ACol);
    virtual void QueryCellCursor(int ACol, int ARow, int X, int Y);
    virtual void QueryFixedCellEditor(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStringList* Values);
    virtual void GetCellValueText(int ACol, int ARow, QString& Value);
    virtual void GetCellSaveText(int ACol, int ARow, QString& Value);
    virtual void SetCellLoadText(int ACol, int ARow, const QString& Value);
    // The text of a cell without its markup, masked when it is a password cell.
    QString AccessibleCellText(int ACol, int ARow) override;
    // The font a cell draws with: a scratch font from its properties, or Font.
    TFont* GetCellFont(int ACol, int ARow);
    bool IsFixed(int ACol, int ARow) override;
    bool HasCellBorderEvent() override;
    int RowNodeIndent(int ARow) override;
    bool HasNodeRows() override;

    // ---- cell graphics ---------------------------------------------------------
    // Columns are real indexes, rows display rows. A cell owns its graphic; the
    // shared check-box graphics that grids lend out are never stored or freed.
    // Frees the cell's own graphic and attaches a new one of kind ctNone.
    TCellGraphic* CreateCellGraphic(int ACol, int ARow);
    // Detaches and frees the cell's graphic and repaints the cell; false when
    // it has none.
    bool RemoveCellGraphic(int ACol, int ARow);
    bool RemoveCellGraphicOfType(int ACol, int ARow, TCellType Kind);
    // Whether the graphic of the cell's merge base cell is one of the kinds.
    bool HasGraphicOfKind(int ACol, int ARow, std::initializer_list<TCellType> Kinds);
    // The size of a cell's graphic as placed on screen; ReservedHeight is kept
    // for text by auto-sizing.
    virtual TPoint GetCellGraphicSize(int ACol, int ARow);
    virtual void MeasureCellGraphic(int ACol, int ARow, int ReservedHeight, TPoint& Size);
    // The size used by printing, in a box of BoxWidth by BoxHeight at Scale.
    virtual void MeasureCellGraphicInCell(int ACol, int ARow, int BoxWidth, int BoxHeight, double Scale,
                                          TPoint& Size);
    // The image list of image cells.
    virtual TImageList* GetCellImageList();
    TImageList* GridImages() const;
    void SetGridImages(TImageList* Value);
    // The graphic of a cell (real column) with its size, its placement and
    // whether the cell text is drawn beside it.
    TCellGraphicPlacement GetCellGraphicPlacement(int ACol, int ARow);
    // A check box in R: Checked, or with IsTriState the state TriState
    // (unchecked 0, checked 1, grayed 2), in a control style.
    void DrawCellCheckBox(TCanvas* Canvas, const TRect& R, bool Checked, int TriState, bool IsTriState,
                          TControlStyle Style, bool Grayed, bool Enabled);
    // Count radio buttons with the texts of Items in R, side by side or
    // stacked (upward with Upward); CheckedIndex -1 checks the item equal to
    // the cell text. ACol is the real column.
    void DrawCellRadioGroup(TCanvas* Canvas, const TRect& R, bool Upward, double Scale, TControlStyle Style,
                            int ARow, int ACol, bool Selected, const TStringList* Items, bool Disabled,
                            bool Horizontal, int CheckedIndex, int Count);
    static double ClampPercent(double Value);
    // The percentage of a level progress: the value's distance from Minimum
    // against the range, 0 for an empty range.
    static int LevelProgressPercentage(int Value, int Minimum, int Maximum);
    // Addresses in cell text shown as links.
    bool URLShowInText() const;
    void SetURLShowInText(bool Value);
    void QueryDisplayText(int ACol, int ARow, QString& Value) override;
    // The cell holds wide text: it begins with a bar and a backslash.
    bool IsWideCell(int ACol, int ARow);

    // ---- check boxes in cells ----------------------------------------------------
    // A data check box is checked exactly when its text equals the cell's
    // check-true text; setting or toggling writes the check-true or check-false
    // text. The state operations take the real row, the others display rows.
    virtual bool HasCheckBox(int ACol, int ARow);
    bool HasDataCheckBox(int ACol, int ARow);
    bool HasDataDrivenGraphic(int ACol, int ARow);
    virtual bool IsInCheckBox(int ACol, int ARow, int X, int Y);
    virtual bool GetCheckBoxState(int ACol, int ARow, bool& State);
    bool GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State);
    bool SetCheckBoxState(int ACol, int ARow, bool State);
    bool IsChecked(int ACol, int ARow);
    // The one toggle of every check kind; FromUser asks whether the cell may be
    // edited unless ControlLook.CheckAlwaysActive.
    virtual bool ToggleCellCheck(int ACol, int ARow, bool FromUser);
    bool ToggleCheckBox(int ACol, int ARow);
    // Sets a state and fires OnCheckBoxChange when it changed.
    bool SetCheckStateNotify(int ACol, int ARow, bool Value);
    virtual void FireCheckBoxChange(int ACol, int ARow, bool State);
    // The selection-change handler given to the in-place rich editor.
    void RichEditSelectionChanged(TObject* Sender);
    static TCheckBoxState BoolToCheckBoxState(bool bChecked);
    // The object slot of a cell by its real row, hidden rows included.
    TObject* GetRawCellObject(int ACol, int ARow);
    // Raise "Invalid cell" beyond the grid, hidden columns and rows counted.
    void AddCheckBox(int ACol, int ARow, bool State, bool Data);
    void AddCheckBox(int ACol, int ARow, TCheckBoxState State);
    // Every row from FixedRows (from 0 with MouseActions.CheckAllCheck); node
    // rows get three-state boxes, summary rows none.
    void AddCheckBoxColumn(int ACol, bool DefaultState = false, bool DataCheckBox = false);
    void AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State);
    void RemoveCheckBox(int ACol, int ARow);
    void RemoveCheckBoxColumn(int ACol);
    // Only for three-state boxes; fires nothing.
    bool SetCheckBoxState(int ACol, int ARow, TCheckBoxState State);
    void CheckAll(int ACol);
    void UnCheckAll(int ACol);

    // ---- radio groups and radio buttons ---------------------------------------------
    // A radio group keeps its options in one cell (the list stays the caller's
    // with AddRadio, the graphic's with CreateRadio); the radio buttons of a
    // column form one group.
    void AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStringList* sl);
    TStringList* CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio);
    bool SetRadioIdx(int ACol, int ARow, int IdxRadio);
    TStringList* GetRadioStrings(int ACol, int ARow);
    void RemoveRadio(int ACol, int ARow);
    void AddRadioButton(int ACol, int ARow, bool State = false);
    void AddRadioButtonColumn(int ACol);
    void RemoveRadioButton(int ACol, int ARow);
    void RemoveRadioButtonColumn(int ACol);
    bool IsRadioButtonChecked(int ACol, int ARow);
    bool SetRadioButtonState(int ACol, int ARow, bool State);
    int GetRadioButtonColumnIndex(int ACol);
    // Selects a radio button and clears the selected ones of its column,
    // fixed rows included; fires nothing.
    virtual bool CheckRadioButtonCell(int ACol, int ARow, bool FromUser);

    // ---- node rows ---------------------------------------------------------------------
    // A node row carries a node graphic in column 0 and heads a block of span
    // rows; contracting hides the rest of the block. Rows named real are
    // indexes as if no row were hidden, the others display rows.
    void AddNode(int ARow, int Span);
    // Expands the node, lowers the levels of its block and removes it; a row
    // that is no node is left alone.
    void RemoveNode(int ARow);
    void RemoveAllNodes();
    bool IsSummary(int ARow);
    // True while contracted; false for a row that is no node.
    bool GetNodeState(int ARow);
    void SetNodeState(int ARow, bool Value);
    int GetNodeLevel(int ARow);
    int GetNodeSpan(int ARow);
    void SetNodeSpan(int ARow, int Span);
    void UpdateNodeSpan(int ARow, int Delta);
    int GetSubNodeCount(int ARow);
    void UpdateSubNodeCount(int ARow, int Delta);
    // The expansion proper, without the ExpandOne rule.
    void ExpandNodeCore(int ARow);
    void ExpandAll();
    void ContractAll();
    // The node row heading the block of a row; a top-level node row answers
    // itself, a row outside every block -1.
    int GetParentRow(int ARow);
    void InsertChildRow(int ARow, int InsertAt = 0);
    void RemoveChildRow(int ARow);
    void InsertNormalRow(int ARow);
    void RemoveNormalRow(int ARow);
    // The tree line of a row: 0 node row, 2 when the next row lies in a block
    // at least as deep, else 1.
    int GetNodeSpanType(int ARow);
    // Whether a click at client X in column 0 of a node row hits its glyph.
    virtual bool IsOnNodeGlyph(int ARow, int X);
    // ARow is a real row.
    void MarkSummaryRow(int ARow);
    // Removes rows with their cell properties, keeping hidden-row records,
    // footers, row marks, the current cell and the top row in step.
    virtual void RemoveRows(int RowIndex, int RCount);

    // ---- cell decorations --------------------------------------------------------------
    // Add members store the caller's object, which stays the caller's; Create
    // members make an object the graphic owns. Has members test the merge base
    // cell; Get, Is and Set members the cell itself, answering the neutral
    // value for another kind.
    TBitmap* CreateBitmap(int ACol, int ARow, bool Transparent, TCellHAlign hal, TCellVAlign val);
    void AddBitmap(int ACol, int ARow, TBitmap* ABmp, bool Transparent, TCellHAlign hal, TCellVAlign val);
    TBitmap* GetBitmap(int ACol, int ARow);
    bool HasBitmap(int ACol, int ARow);
    void RemoveBitmap(int ACol, int ARow);
    TIcon* CreateIcon(int ACol, int ARow, TCellHAlign hal, TCellVAlign val);
    void AddIcon(int ACol, int ARow, TIcon* AIcon, TCellHAlign hal, TCellVAlign val);
    void RemoveIcon(int ACol, int ARow);
    TPicture* CreatePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                            TCellHAlign hal, TCellVAlign val);
    void AddPicture(int ACol, int ARow, TPicture* APicture, bool Transparent, TStretchMode StretchMode, int Padding,
                    TCellHAlign hal, TCellVAlign val);
    TPicture* GetPicture(int ACol, int ARow);
    bool HasPicture(int ACol, int ARow);
    void RemovePicture(int ACol, int ARow);
    TFilePicture* CreateFilePicture(int ACol, int ARow, bool Transparent, TStretchMode StretchMode, int Padding,
                                    TCellHAlign hal, TCellVAlign val);
    void AddFilePicture(int ACol, int ARow, TFilePicture* AFilePicture, bool Transparent, TStretchMode StretchMode,
                        int Padding, TCellHAlign hal, TCellVAlign val);
    TFilePicture* GetFilePicture(int ACol, int ARow);
    void RemoveFilePicture(int ACol, int ARow);
    // The image-list kinds need GridImages; without it they do nothing.
    void AddImageIdx(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool GetImageIdx(int ACol, int ARow, int& Idx);
    void SetImageIdx(int ACol, int ARow, int Idx);
    void RemoveImageIdx(int ACol, int ARow);
    void AddDataImage(int ACol, int ARow, int Aidx, TCellHAlign hal, TCellVAlign val);
    bool HasDataImage(int ACol, int ARow);
    void RemoveDataImage(int ACol, int ARow);
    // Dir 0 side by side, any other value stacked; fill the list through
    // GetCellImages.
    void AddMultiImage(int ACol, int ARow, int Dir, TCellHAlign hal, TCellVAlign val);
    void RemoveMultiImage(int ACol, int ARow);
    TIntList* GetCellImages(int ACol, int ARow);
    // The change event of every multi-image list: repaints its cell.
    void MultiImageChanged(TObject* Sender, int ACol, int ARow);
    // The key image sorting orders image cells by; -1 for other kinds.
    qint64 GetCellImageKey(int ACol, int ARow);
    void AddProgress(int ACol, int ARow, TColor FGColor, TColor BKColor);
    void AddProgressEx(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor, TColor BKTextColor);
    void AddProgressFormatted(int ACol, int ARow, TColor FGColor, TColor FGTextColor, TColor BKColor,
                              TColor BKTextColor, const QString& Fmt, int Min, int Max);
    bool HasProgress(int ACol, int ARow);
    void RemoveProgress(int ACol, int ARow);
    void AddExProgress(int ACol, int ARow, int Min, int Max);
    void RemoveExProgress(int ACol, int ARow);
    void AddProgressPie(int ACol, int ARow, TColor Color, int Value);
    void SetProgressPie(int ACol, int ARow, int Value);
    void RemoveProgressPie(int ACol, int ARow);
    void AddRangeIndicator(int ACol, int ARow, int Range, TColor NegColor, TColor PosColor, bool ShowValue);
    void RemoveRangeIndicator(int ACol, int ARow);
    void AddComment(int ACol, int ARow, const QString& Comment);
    void AddColorComment(int ACol, int ARow, const QString& Comment, TColor Color);
    void SetComment(int ACol, int ARow, const QString& Value);
    QString GetComment(int ACol, int ARow);
    bool IsComment(int ACol, int ARow, QString& Comment);
    void RemoveComment(int ACol, int ARow);
    void RemoveAllComments();
    void AddShape(int ACol, int ARow, TCellShape Shape, TColor FillColor, TColor LineColor, TCellHAlign hal,
                  TCellVAlign val);
    void SetShapeColor(int ACol, int ARow, TColor FillColor);
    TColor GetShapeColor(int ACol, int ARow);
    void RemoveShape(int ACol, int ARow);
    void AddRating(int ACol, int ARow, int Scale, TColor FillColor, TColor EmptyColor);
    void RemoveRating(int ACol, int ARow);
    // A rating click proposes NewRate; OnRatingChange may change or refuse it.
    virtual bool FireRatingChange(int ACol, int ARow, int& NewRate);
    void AddScrollBar(int ACol, int ARow, bool AutoRange);
    virtual bool HasScrollBar(int ACol, int ARow);
    bool HasAutoRangeScrollBar(int ACol, int ARow);
    void SetScrollPosition(int ACol, int ARow, int Pos);
    // -1 without a scroll bar.
    virtual int GetScrollPosition(int ACol, int ARow);
    void SetScrollProp(int ACol, int ARow, TScrollProp Prop);
    // (-1, -1) without a scroll bar.
    TScrollProp GetScrollProp(int ACol, int ARow);
    void RemoveScrollBar(int ACol, int ARow);
    // Marks ErrLen characters from ErrPos for the error underline.
    void AddMarker(int ACol, int ARow, int ErrPos, int ErrLen);
    void GetMarker(int ACol, int ARow, int& ErrPos, int& ErrLen);
    void RemoveMarker(int ACol, int ARow);
    void RemoveAllMarkers();
    // Buttons of bw by bh pixels; the caption and push members take the
    // display column.
    void AddButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal, TCellVAlign val);
    void AddBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TBitmap* Glyph, TCellHAlign hal,
                      TCellVAlign val);
    TBitmap* CreateBitButton(int ACol, int ARow, int bw, int bh, const QString& Caption, TCellHAlign hal,
                             TCellVAlign val);
    void SetButtonText(int ACol, int ARow, const QString& Caption);
    QString GetButtonText(int ACol, int ARow);
    void RemoveButton(int ACol, int ARow);
    void RemoveBitButton(int ACol, int ARow);
    void RemoveAllButtons();
    // A balloon attaches to a check box or radio button, or stands alone in a
    // cell without a graphic.
    void AddBalloon(int ACol, int ARow, const QString& Title, const QString& Text, platform::TBalloonIcon Icon);
    void RemoveBalloon(int ACol, int ARow);
    bool HasBalloon(int ACol, int ARow);
    bool IsBalloon(int ACol, int ARow, QString& Title, QString& Text, platform::TBalloonIcon& Icon);
    // Collapsed height is the row's height now.
    void AddExpand(int ACol, int ARow, int ExpandedHeight);
    void RemoveExpand(int ACol, int ARow);
    bool GetExpandState(int ACol, int ARow);
    // DefaultRowHeight without a graphic.
    int GetExpandHeight(int ACol, int ARow, bool Expanded);
    // The object is drawn and measured through IGridCell; it stays the caller's.
    void AddInterfacedCell(int ACol, int ARow, TObject* AObject);
    TObject* GetInterfacedCell(int ACol, int ARow);
    void RemoveInterfacedCell(int ACol, int ARow);
    // Angles are brought into 0 ... 360.
    void AddRotated(int ACol, int ARow, qint16 AAngle, const QString& s);
    void SetRotated(int ACol, int ARow, int AAngle);
    void RemoveRotated(int ACol, int ARow);

    // ---- cell editors ---------------------------------------------------------------
    // The combo editor, made hidden with the grid on first use.
    TGridCombo* EditCombo();
    // The hidden rich edit that converts, draws and measures rich-text cells,
    // and the editor of edRichEdit cells; both made on first use.
    TExRichEdit* RichEdit();
    TExRichEdit* InplaceRichEdit();
    // The link that edits edCustom cells; the grid does not own it.
    TEditLink* EditLink() const;
    void SetEditLink(TEditLink* Value);
    // Set while the grid moves the focus itself, so that editors losing it
    // do not end their edit.
    bool InvokedFocusChange() const;
    void SetInvokedFocusChange(bool Value);
    // The editors of fixed cells and of the form controls in cell markup.
    TGridTransEdit* EditTrans();
    TGridTransCombo* ComboTrans();
    TControlEdit* ControlEdit();
    TControlCombo* ControlCombo();
    // Opens the editor of one form control of a cell; R is the control's
    // rectangle in the grid's client coordinates.
    void ShowCellControlEditor(const QString& CellText, const QString& CtrlType, int ARow, int ACol, int ACol2,
                               const TRect& R, const QString& CtrlValue, const QString& CtrlID);
    // Writes the open form-control editor's value into its tag's VALUE.
    void EndCellControlEdit();
    void CellControlComboSelected(QObject* Sender);
    bool CtrlEditing() const;
    // The fixed cell whose editor is open (display column), -1 when none.
    int FixedColEdit() const;
    int FixedRowEdit() const;
    void HandleFixedCellEditChange(QObject* Sender);
    // The other special editors, each made hidden on first use.
    TGridSpin* SpinEdit();
    TGridEditBtn* EditBtn();
    TGridUnitEditBtn* UnitEditBtn();
    TGridCheckBox* EditCheck();
    TGridButton* GridButton();
    TGridDatePicker* DateTimePicker();
    // The drop-down editor registered for a kind, made on first use; nullptr
    // while no editor is registered for it.
    IGridDropDownEditor* DropDownEditor(TEditorType Kind);
    IGridDropDownEditor* TrackbarDropDown() { return DropDownEditor(edTrackbarDropDown); }
    IGridDropDownEditor* MemoDropDown() { return DropDownEditor(edMemoDropDown); }
    IGridDropDownEditor* CalculatorDropDown() { return DropDownEditor(edCalculatorDropDown); }
    IGridDropDownEditor* TimePickerDropDown() { return DropDownEditor(edTimePickerDropDown); }
    IGridDropDownEditor* DetailPickerDropDown() { return DropDownEditor(edDetailDropDown); }
    IGridDropDownEditor* GridDropDown() { return DropDownEditor(edGridDropDown); }
    IGridDropDownEditor* ColorPickerDropDown() { return DropDownEditor(edColorPickerDropDown); }
    IGridDropDownEditor* ImagePickerDropDown() { return DropDownEditor(edImagePickerDropDown); }
    IGridDropDownEditor* ExGridDropDown() { return DropDownEditor(edExGridDropDown); }
    IGridDropDownEditor* DateAndTimePicker() { return DropDownEditor(edDateTimeEdit); }
    // The linked cell checker; freeing it clears the link.
    TExStringGridCheck* CellChecker() const;
    void SetCellChecker(TExStringGridCheck* Value);

    // ---- notifications ---------------------------------------------------------
    virtual void FireFilterDone();
    virtual void FireSearchFooterAction(const QString& Value, int ACol, int ARow, TSearchAction SearchAction);
    virtual void FireButtonClick(int ACol, int ARow);
    virtual void FireExpandClick(int ACol, int ARow, bool Expanded);
    virtual void FireComboCloseUp(int ARow, int ACol);
    virtual void FireComboDropDown(int ARow, int ACol);
    virtual void FireSelectionChanged(int ALeft, int ATop, int ARight, int ABottom);
    virtual void FireCellsChanged(const TRect& R);
    virtual void FireClickSort(int ACol);
    virtual void FireCheckBoxClick(int ACol, int ARow, bool State);
    virtual void FireEllipsClick(int ACol, int ARow, QString& S);
    virtual void RememberCellBeforeEdit(int ACol, int ARow);
    virtual void MoveToFirstRow();
    virtual void AddRowAtEnd();
    virtual bool QueryCanAddRow();
    virtual bool QueryCanInsertRow(int ARow);
    virtual bool QueryFormattedClipboard();
    virtual void DisableEditingOption();
    virtual bool QueryDesignMode();
    virtual void InvalidateGrid();
    virtual void NavigationChanged();
    virtual void MouseActionsChanged();
    virtual void ExportNotification(int AState, int ARow);
    virtual void ImportNotification(int AState, int ARow);
    virtual void EditCaretMoved(const QString& AText, int APos);
    virtual void InplaceEditKeyDown(Word& Key, TShiftState Shift);
    virtual void AfterEditKeyF2();
    virtual void BeforeSelectAll(TGridRect& ARect);
    virtual void BeforeCornerSelectAll(TGridRect& ARect);
    virtual void BeforePasteCells();
    virtual void AfterPasteCells();
    // Runs after each wheel step with the rows moved; a descendant may leave
    // Handled set to have the wheel events fired.
    virtual void AfterWheelScroll(int RowDelta, bool& Handled);
    virtual void CellSelectorClick();
    virtual void EditFormulaMode(bool IsFormula);
    virtual void BeforeShowColumnHeaders();

    // ---- cell drawing --------------------------------------------------------------
    bool URLShow() const;
    void SetURLShow(bool Value);
    bool URLFull() const;
    void SetURLFull(bool Value);
    bool URLUnderlineOnHover() const;
    void SetURLUnderlineOnHover(bool Value);
    bool EnhTextSize() const;
    void SetEnhTextSize(bool Value);
    bool Multilinecells() const;
    void SetMultilinecells(bool Value);
    bool XYOffsetTopLeftOnly() const;
    void SetXYOffsetTopLeftOnly(bool Value);
    bool NoDefaultDraw() const;
    void SetNoDefaultDraw(bool Value);
    bool NoImageAndText() const;
    void SetNoImageAndText(bool Value);
    bool HideFocusRect() const;
    void SetHideFocusRect(bool Value);
    bool SelectionRectangle() const;
    void SetSelectionRectangle(bool Value);
    TColor SelectionRectangleColor() const;
    void SetSelectionRectangleColor(TColor Value);
    bool SelectionResizer() const;
    void SetSelectionResizer(bool Value);
    // The fixed row whose cells show the filter button of their column.
    int FilterDropDownRow() const;
    void SetFilterDropDownRow(int Value);
    // Whether the sort indicator is drawn in the cell's row.
    bool ShowsSortGlyph(int ACol, int ARow);
    // Draws the inside of a cell; ACol is the display column.
    void RenderCellContent(TCanvas* Canvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    // Draws a cell holding rich text through the hidden rich editor.
    void DrawRichTextCell(int ACol, int ARow, const TRect& ARect, TCanvas* Canvas);

    // ---- painting frame and window procedure -------------------------------------
    TIntelliPan IntelliPan() const;
    void SetIntelliPan(TIntelliPan Value);
    // Changes ZoomFactor by Step; a result outside -10 ... 10 is ignored.
    void Zoom(int Step);
    // Fires OnEditCellDone for the cell once the current event is handled.
    void PostGridEditDone(int ACol, int ARow);
    // Shows a dotted sizing line at X (Y), or removes it when it is shown there.
    void DrawColumnSizingLine(int X);
    void DrawRowSizingLine(int Y);
    // Middle-button panning: whether it runs, the cursor number it shows
    // (8000 ... 8008, 0 when none) and one step of its timer.
    bool Panning() const;
    int PanCursor() const;
    void PanTick();
    // The background outside the cells.
    void PaintEmptyArea();
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;

    // ---- dimensions and typed cells ---------------------------------------------
    // RowCount counts the fixed, data and footer rows that are shown; a shown
    // floating footer row travels to the new last row.
    void SetRowCount(int Value);
    void SetColCount(int Value);
    // With FixedRowAlways (FixedColAlways) a grid without fixed rows (columns)
    // still reads one; the requested value is remembered and applied again once
    // the grid is large enough.
    int FixedRows() const;
    void SetFixedRows(int Value);
    int FixedCols() const;
    void SetFixedCols(int Value);
    // The VALUE of the form control with that ID in the cell's markup; empty
    // when there is none. Writing rewrites that control and stores the cell.
    QString CtrlVal(int ACol, int ARow, const QString& ControlID);
    void SetCtrlVal(int ACol, int ARow, const QString& ControlID, const QString& Value);
    // The longest text the in-place editor takes; 0 for no limit.
    int MaxEditLength() const;
    void SetMaxEditLength(int Value);
    // The version number as four decimal parts, highest byte first.
    QString Version() const;
    // The right fixed columns that are not hidden.
    int VisibleFixedRightCols() const;
    // FixedCols, but the node column when there are no fixed columns and the
    // grid has node rows.
    int LeadingFixedCols();
    // Moves the current column; a synchronised grid follows when asked to.
    void SetCol(int Value);
    // Cells read as numbers: markup left out, trimmed, empty or "-" as 0; any
    // other text that is not a number raises EExGridError. Ints and Floats take
    // the cell store's indexes, AllInts and AllFloats the real row.
    int Ints(int ACol, int ARow);
    void SetInts(int ACol, int ARow, int Value);
    int AllInts(int ACol, int ARow);
    void SetAllInts(int ACol, int ARow, int Value);
    double Floats(int ACol, int ARow);
    void SetFloats(int ACol, int ARow, double Value);
    double AllFloats(int ACol, int ARow);
    void SetAllFloats(int ACol, int ARow, double Value);
    // The cell's text without markup.
    QString GetStrippedCell(int ACol, int ARow);
    // The size in pixels of a cell's text with the cell's font: with WordWrap
    // the wrapped height in the cell's width, else the widest line and the
    // line count; ReserveButton keeps room for a cell button.
    TSize GetCellTextSize(int ACol, int ARow, bool WordWrap, bool ReserveButton);
    virtual TSize MeasureCellText(int ARealCol, int ADisplCol, int ARow, bool WordWrap, bool ReserveButton);
    // The room a text of the unrotated size Size takes when turned by Angle
    // degrees, with a margin of 12 in each direction.
    static TSize RotatedTextSize(TSize Size, int Angle);
    // Header texts write "\n" (backslash, n) for a line break.
    void ClearColumnHeaders();
    void ShowColumnHeaders();
    void ClearRowHeaders();
    void ShowRowHeaders();

    // ---- cell colours, fonts and alignment ------------------------------------
    // Colours, font and alignment of a cell for the screen or the printer; ACol
    // is a display column, turned into its real index when Remap is set. Select
    // allows the selection colours; Print takes the printing colour event.
    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select, bool Remap,
                             TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                             TFont* AFont, TAlignment& HA, TVAlignment& VA, bool& WW,
                             TCellGradientDirection& GD) override;
    // The font a cell is measured with: Font or FixedFont, the cell's own font
    // settings and the colour query. Remap reads the cell at ARealCol.
    void GetFontProperties(int ACol, int ARealCol, bool Remap, TBrush* ABrush, TFont* AFont,
                           TGridDrawState AState, int ARow);
    // AColor for APercent of 100 or more, BColor below 1 or when AColor is none;
    // else each channel mixed by the percentage.
    static TColor MixColors(TColor AColor, TColor BColor, int APercent);
    // SelectionColor, mixed into ACellColor when SelectionColorMixer is set.
    TColor MixSelectionColor(TColor ACellColor) const;
    // Alignment of a cell (real column): the grid defaults, numbers to the right
    // with AutoNumAlign, the cell's own alignment, then the alignment queries.
    virtual void ComputeCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign);
    // Whether a cell is drawn selected: never in fixed rows and columns; else by
    // the disjunct cell, row or column selection in use, or the rectangle.
    bool IsSelected(int ACol, int ARow);
    // Cells picked one by one under MouseActions.DisjunctCellSelect, keyed as
    // the row shifted left by 16 bits or-ed with the column.
    TIntList* SelectedCells() const;
    // Whether a mouse button is held down on the grid; the mouse handling keeps
    // it up to date.
    bool MouseIsDown() const;
    void SetMouseIsDown(bool Value);

    // ---- clearing, trimming, merging and finding cells ------------------------------
    // Rows are display rows and columns real columns; TrimRect, like
    // ClearRect, takes display columns under SaveHiddenCells. The "normal"
    // clearings leave the fixed rows, columns, right columns and footers alone.
    void ClearNormalRows(int RowIndex, int RCount);
    void ClearNormalCols(int ColIndex, int CCount);
    void ClearNormalCells();
    // The disjunct rows or columns when those are selected, else the selection.
    void ClearSelection();
    // Texts lose their leading and trailing blanks and control characters.
    virtual void TrimRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void TrimColumn(int ACol);
    void TrimRow(int ARow);
    void TrimAll();
    void ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor);
    // Runs of equal texts become merged ranges; without MainMerge a run also
    // needs its rows (columns) merged alike elsewhere.
    void MergeColumnCells(int ColIndex, bool MainMerge);
    void MergeRowCells(int RowIndex, bool MainMerge);
    void SplitColumnCells(int ColIndex);
    void SplitRowCells(int RowIndex);
    void SplitAllCells();
    // Joins column 2 into column 1 below the fixed rows.
    void MergeCols(int ColIndex1, int ColIndex2, const QString& Separator);
    // The first cell, row by row, whose whole text is SubStr (case counts).
    bool IsCell(const QString& SubStr, int& ACol, int& ARow);

    // ---- column and row calculations, numbering, checks and fills ------------------
    // Columns are real columns and rows display rows. A FromRow or ToRow of -1
    // takes the normal rows; a ToRow past the shown rows reads real rows,
    // hidden ones included. Cells that are no numbers are skipped, except by
    // the first cell of the minimum and maximum and by the deviation, which
    // raise EExGridError. An empty range gives 0.
    double ColumnSum(int ACol, int FromRow, int ToRow);
    double ColumnAvg(int ACol, int FromRow, int ToRow);
    double ColumnMin(int ACol, int FromRow, int ToRow);
    double ColumnMax(int ACol, int FromRow, int ToRow);
    double ColumnStdDev(int ACol, int FromRow, int ToRow);
    // Distinct shown texts, case ignored; an empty text is one of them.
    double ColumnDistinct(int ACol, int FromRow, int ToRow);
    double ColumnCustomCalc(int ACol, int FromRow, int ToRow);
    double RowSum(int ARow, int fromCol, int toCol);
    double RowAvg(int ARow, int fromCol, int toCol);
    double RowMin(int ARow, int fromCol, int toCol);
    double RowMax(int ARow, int fromCol, int toCol);
    // Running numbers below the fixed rows (right of the fixed columns).
    int AutoNumberStart() const;
    void SetAutoNumberStart(int Value);
    int AutoNumberOffset() const;
    void SetAutoNumberOffset(int Value);
    TSortDirection AutoNumberDirection() const;
    void SetAutoNumberDirection(TSortDirection Value);
    void AutoNumberCol(int ACol);
    void AutoNumberRow(int ARow);
    // Passes of CellChecker; true when every cell came out unchanged, and
    // always without a checker.
    bool CheckCell(int Col, int Row);
    bool CheckCells(int FromCol, int FromRow, int ToCol, int ToRow);
    bool CheckCol(bool DoFixed, int Col);
    bool CheckRow(bool DoFixed, int Row);
    bool CheckGrid(bool DoFixed);
    // Fills of the normal cells, or of all with DoFixed; FormatFill formats
    // the column and row as two integers.
    void TextFill(bool DoFixed, const QString& Txt);
    void FormatFill(bool DoFixed, const QString& Fmt);
    void RandomFill(bool DoFixed, int Rnd);
    void LinearFill(bool DoFixed);
    // Cells as dates and times in the user's short date and time formats; a
    // text that is none raises EConvertError.
    double Dates(int ACol, int ARow);
    void SetDates(int ACol, int ARow, double Value);
    double Times(int ACol, int ARow);
    void SetTimes(int ACol, int ARow, double Value);
    // Runs after fills, loads and pastes: the footer is calculated anew.
    virtual void AfterBulkCellChange();

    // ---- grouping -----------------------------------------------------------------
    // Group sorts by a real column, puts a node row with the value before each
    // run of equal values (an optional summary row after it) and removes the
    // column; UnGroup puts it back. SubGroup adds a second level inside the
    // groups and keeps its column, emptied; SubUnGroup takes it away.
    virtual void Group(int Colindex);
    virtual void UnGroup();
    virtual void SubGroup(int Colindex);
    virtual void SubUnGroup(int Colindex);
    // True while Group or UnGroup runs.
    bool IsGrouping() const;
    // Writes each expanded group's aggregate of a column into its header row,
    // or its summary row: 1 sum, 2 average, 3 minimum, 4 maximum, 5 count,
    // 6 OnGroupCalc, 7 distinct, 8 standard deviation.
    void GroupCalc(int Colindex, int method);
    // These also set the column's footer calculation while the footer shows.
    void GroupSum(int Colindex);
    void GroupAvg(int Colindex);
    void GroupMin(int Colindex);
    void GroupMax(int Colindex);
    void GroupCount(int Colindex);
    void GroupCustomCalc(int Colindex);
    void GroupDistinct(int Colindex);
    void GroupStdDev(int Colindex);
    double QueryGroupCalc(int ACol, int FromRow, int ToRow);

    // ---- highlighting and marking text in cells -----------------------------------
    // Occurrences are wrapped in "hi" (highlight) or "e" (mark) tags inside the
    // stored texts; a cell holding such a tag stores its text escaped as markup
    // until its last tag is removed. Columns are real columns, rows display
    // rows; DoFixed takes in the fixed cells.
    static QString HilightText(bool DoCase, const QString& S, const QString& Text);
    static QString UnHilightText(const QString& S);
    static QString MarkText(bool DoCase, const QString& S, const QString& Text);
    static QString UnMarkText(const QString& S);
    void HilightInCell(bool DoCase, int Col, int Row, const QString& HiText);
    void HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
    void HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
    void HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText);
    void UnHilightInCell(int Col, int Row);
    void UnHilightInCol(bool DoFixed, int Col);
    void UnHilightInRow(bool DoFixed, int Row);
    void UnHilightInGrid(bool DoFixed);
    void MarkInCell(bool DoCase, int Col, int Row, const QString& HiText);
    void MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText);
    void MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText);
    void MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText);
    void UnMarkInCell(int Col, int Row);
    void UnMarkInCol(bool DoFixed, int Col);
    void UnMarkInRow(bool DoFixed, int Row);
    void UnMarkInGrid(bool DoFixed);

    // ---- update lock ------------------------------------------------------------
    // Batches changes: while the count is above 0 the grid paints nothing; the
    // last EndUpdate repaints the whole grid and its border once.
    void BeginUpdate();
    void EndUpdate();
    // Counts without touching the window, and forgets the count.
    void StartUpdate();
    void ResetUpdate();
    bool LockUpdate() const;
    void SetLockUpdate(bool Value);
    int UpdateCount() const;
    // Asks for the coloured border of the soft and modern looks to be painted
    // again over the frame.
    virtual void PaintBorder();

    // Whether hovering a cell highlights it as a fixed cell under HoverFixedCells.
    virtual bool IsHoverFixedCell(int ACol, int ARow);
    // Forgets the highlighted fixed cell and repaints it.
    void ResetFixedCellHighlight();

    // ---- grid timer ---------------------------------------------------------------
    // One tick of the grid's 500 ms timer: ends an incremental search four ticks
    // after the last key, moves to the hovered cell with Hovering and makes
    // text in blink tags blink.
    void GridTimerTick();
    int TimerTicks() const;
    // The incremental search text; setting it starts its four ticks again.
    QString SearchInc() const;
    void SetSearchInc(const QString& Value);
    bool Hovering() const;
    void SetHovering(bool Value);
    bool EnableBlink() const;
    void SetEnableBlink(bool Value);
    // The phase in which text in blink tags is drawn.
    bool BlinkOn() const;

    // ---- typing and balloons --------------------------------------------------------
    // A keypad "." types the locale's decimal separator.
    bool ExcelStyleDecimalSeparator() const;
    void SetExcelStyleDecimalSeparator(bool Value);
    // The character that started the editing of the current cell.
    QChar StartEditChar() const;
    // The title, text and icon of the balloon of the cell under the client
    // point (X, Y); false when no cell lies there.
    bool GetBalloonText(int X, int Y, QString& ATitle, QString& AText, int& AIcon);
    TPoint LastBalloonCell() const;

    // ---- in-cell editing ----------------------------------------------------------
    // The current cell's edit: the kind from DefaultEditor, the column and
    // OnGetEditorType; the grid's inplace edit (NormalEdit) for the plain text
    // kinds, an editor control for the others; the value written back,
    // validated and the end reported (OnEditingDone, then OnEditCellDone).
    // Opens the current cell's editor as F2 does.
    void ShowCellEdit();
    // Closes an open editor control and writes its value back.
    void HideCellEdit();
    // A left click at 2 pixels inside the cell's top-left corner, without the
    // grid's OnMouseDown and OnMouseUp.
    void SimulateCellClick(int ACol, int ARow);
    // Validates the edited value of the cell the edit began on; a refusal puts
    // the old text (or the handler's replacement) back and reopens the editor.
    virtual bool ValidateCell(const QString& NewValue);
    virtual bool ValidateCellWide(const QString& NewValue);
    // The list of the combo editor, filled before it opens (item comparisons
    // ignore letter case). The selection hint is the item the next combo edit
    // opens with instead of the cell's text; it stays until set again.
    void ClearComboString();
    void AddComboString(const QString& S);
    // The object stays the caller's.
    void AddComboStringObject(const QString& S, TObject* AObject);
    bool RemoveComboString(const QString& S);
    int GetComboCount();
    void SetComboSelection(int ItemIndex);
    // False, and the hint kept, when no item equals S.
    bool SetComboSelectionString(const QString& S);
    // The cell's item after the editor properties were asked for (ACol real);
    // -1 when its text is not listed.
    int GetComboIndex(int ACol, int ARow);
    // Writes the item at Index into the cell; an index outside the list throws.
    void SetComboIndex(int ACol, int ARow, int Index);
    bool CellIsPassword(int ACol, int ARow);
    // An editor is done because of a key: it closes and the key moves on;
    // Enter advances as Navigation says.
    void DoneInplaceEdit(Word Key, TShiftState Shift);
    // Moves the current cell from (ACol, ARow) to the next cell in the advance
    // direction (the previous one when not Forward); acts only with
    // Navigation.AdvanceOnEnter or Force. Read-only cells are passed over
    // with AdvanceSkipReadOnlyCells, for one round of the grid at most.
    void AdvanceAfterEdit(int ACol, int ARow, bool ShowEditor, bool Recursive, bool Forward, bool AutoEdit,
                          bool Force);
    // The caret walked out of an editor sideways: one forced advance step to
    // the left or right neighbour, whatever the advance direction says.
    void CursorWalkStep(bool Forward);
    // The current row is the last row above the footers.
    bool IsLastDataRow();
    bool EditMode() const;
    TEditorType EditControl() const;
    // The control of the open special editor; none for the inplace kinds.
    QWidget* EditCtrl() const;
    // Set once a validated edit changed a cell; a refused one restores it.
    bool Modified() const;
    void SetModified(bool Value);
    // The current cell's stored text (of its merge base cell), without the
    // display hooks; GetCurrentCellText gives it with them.
    QString CurrentCell();
    void SetCurrentCell(const QString& Value);
    // Validation runs also for an unchanged value.
    bool AlwaysValidate() const;
    void SetAlwaysValidate(bool Value);
    // The editor gets the cell text with its markup tags.
    bool EditWithTags() const;
    void SetEditWithTags(bool Value);
    QString EditMask() const;
    void SetEditMask(const QString& Value);
    int MaxComboLength() const;
    void SetMaxComboLength(int Value);
    // The characters edValidChars takes; when empty, those of ValidCharSet.
    QString ValidChars() const;
    void SetValidChars(const QString& Value);
    QString ValidCharSet() const;
    void SetValidCharSet(const QString& Value);
    // Completion of typed text from LookupItems; with LookupHistory every
    // edited text joins them.
    bool Lookup() const;
    void SetLookup(bool Value);
    bool LookupCaseSensitive() const;
    void SetLookupCaseSensitive(bool Value);
    bool LookupHistory() const;
    void SetLookupHistory(bool Value);
    using TGetEditorPropEvent = std::function<void(TObject* Sender, int ACol, int ARow, TObject* AEditLink)>;
    TGetEditorPropEvent OnGetEditorProp;

    // ---- selection ----------------------------------------------------------------
    // Row and column arguments are display indexes. Writing the selection makes
    // its bottom-right cell current without asking the cell, and scrolls nothing.
    void SetSelection(const TGridRect& Value);
    // The current row moves through the cell selection; OnRowChanged reports
    // each new row once.
    void SetRow(int Value);
    // Makes the cell current with the anchor and shows it.
    void MoveToCell(int ACol, int ARow);
    void GotoCell(int ACol, int ARow);
    void EditCell(int ACol, int ARow);
    void FocusCell(int ACol, int ARow);
    void SelectCells(int FromCol, int FromRow, int ToCol, int ToRow);
    void SelectRange(int FromCol, int ToCol, int FromRow, int ToRow);
    // Ranges passing the last row (column) are cut there.
    void SelectRows(int RowIndex, int RCount);
    void UnSelectRows(int RowIndex, int RCount);
    void SelectCols(int ColIndex, int CCount);
    void UnSelectCols(int ColIndex, int CCount);
    // Disjunct row and column flags; the lists grow on demand and never shrink.
    void ClearRowSelect();
    void ClearColSelect();
    bool RowSelect(int ARow);
    void SetRowSelect(int ARow, bool Value);
    bool ColSelect(int ACol) const;
    void SetColSelect(int ACol, bool Value);
    int RowSelectCount();
    int ColSelectCount() const;
    // The selected disjunct rows that are not fixed, in the order of selecting.
    const std::vector<int>& SelectedRows() const;
    // Copies the rectangle into the row (column) flags: every normal row
    // (column) with All, else only those inside it.
    void SelectionToRowSelect(bool All);
    void SelectionToColSelect(bool All);
    // Tab between the cells of a row, CR LF between rows.
    QString SelectedText();
    virtual TGridRect UsedCells();
    void SwapCells(const TGridCoord& FromCell, const TGridCoord& ToCell);
    // Runs the cell selection for the current cell again; the answer is not used.
    void UpdateEditMode();
    bool RowModified(int ARow) const;
    void SetRowModified(int ARow, bool Value);
    int ModifiedRowCount() const;
    bool RowEnabled(int ARow) const;
    void SetRowEnabled(int ARow, bool Value);
    bool ExcelClipboardFormat() const;
    void SetExcelClipboardFormat(bool Value);
    void RepaintRow(int ARow);
    void RepaintCol(int ACol);
    // Rectangles of cells (columns Left..Right, rows Top..Bottom).
    void RepaintRect(const TGridRect& R);
    void InvalidateCellRange(const TGridRect& R);
    // One listener at a time; unregistering drops whichever is registered.
    void RegisterSelListener(ITExStringGridSelect* Listener);
    void UnRegisterSelListener(ITExStringGridSelect* Listener);
    TInplaceEdit* NormalEdit() const;
    // A Tab stop: with goEditing an editable cell, else a cell that is not
    // fixed; OnSelectCell has the last word. The scans answer -1 for none.
    bool IsTabStopCell(int ACol, int ARow);
    int FirstTabStopColumn(int ARow);
    int LastTabStopColumn(int ARow);
    // ACol is the real column: editing is allowed and the cell is a base cell,
    // not fixed, and the edit queries agree.
    bool IsEditable(int ACol, int ARow);
    // The search footer rules that keep the last row clear of the search panel.
    bool LastRowClearOfSearchFooter();
    void KeepRowAboveSearchFooter();

    // ---- hidden columns and rows ------------------------------------------------
    // A hidden column keeps its cells at its real index and only leaves the
    // shown count; a hidden row leaves the cell store into a record and the rows
    // below move up. Column arguments are real indexes, row arguments real
    // indexes except for HideRowList.
    void HideColumn(int ColIndex);
    void HideColumns(int FromCol, int ToCol);
    void UnHideColumn(int ColIndex);
    void UnHideColumns(int FromCol, int ToCol);
    void UnHideColumnsAll();
    bool IsHiddenColumn(int ColIndex) const;
    int NumHiddenColumns() const;
    int TotalColCount() const override;
    int DisplColIndex(int ACol) override;
    int RealColIndex(int ACol) const;
    int RealCol() const;
    int DisplayToRealCol(int ACol) const;
    int RealToDisplayCol(int ACol) const;
    // The width a column had when it was hidden, by real index.
    int AllColWidths(int ACol) const;
    void SetAllColWidths(int ACol, int Value);
    void HideRow(int RowIndex);
    void HideRows(int FromRow, int ToRow);
    void HideRowsEx(int FromRow, int ToRow);
    // Hides the listed display rows, distinct and ascending, as a new filter level.
    void HideRowList(const TIntList& RowList);
    void HideSelectedRows();
    void HideUnSelectedRows();
    void UnHideRow(int RowIndex);
    void UnHideRows(int FromRow, int ToRow);
    void UnHideRowsAll();
    // Restores the rows of the last filter level; the level count stays.
    void UnHideRowList();
    bool IsHiddenRow(int RowIndex) const;
    // The same answer from a cache of the hidden rows' real indexes: an empty
    // ListHidden is filled on the first call and serves the calls after it
    // until the hidden rows change.
    bool IsHiddenRow(int RowIndex, std::unique_ptr<TIntList>& ListHidden) const;
    int NumHiddenRows() const;
    int TotalRowCount() const;
    int RealRowIndex(int ARow) const;
    int DisplRowIndex(int ARow) const;
    int RealRow() const;
    int DisplayToRealRow(int ARow) const;
    int RealToDisplayRow(int ARow) const;
    int FilterLevel() const;
    void SetFilterLevel(int Value);
    // The hidden-row records in collection order.
    TGridItem* HiddenRowItem(int Index) const;
    bool IsIgnoredColumn(int ACol) const;
    // Cells by real column and real row, hidden rows included: a hidden row is
    // read from and written into its record.
    QString AllCells(int ACol, int ARow);
    void SetAllCells(int ACol, int ARow, const QString& Value);
    QString AllGridCells(int ACol, int ARow);
    void SetAllGridCells(int ACol, int ARow, const QString& Value);
    TObject* AllObjects(int ACol, int ARow);
    void SetAllObjects(int ACol, int ARow, TObject* Value);
    QString AllWideCells(int ACol, int ARow);
    void SetAllWideCells(int ACol, int ARow, const QString& Value);
    int AllColCount() const;
    int AllRowCount() const;
    // Cells of a column at its place in the column order.
    QString OriginalCells(int ACol, int ARow);
    void SetOriginalCells(int ACol, int ARow, const QString& Value);
    // Cells of the row a row was before sorting, through the sort
    // cross-reference (empty: every row is itself).
    QString GetUnSortedCell(int ACol, int ARow);
    void SetUnSortedCell(int ACol, int ARow, const QString& Value);
    QString UnSortedCells(int ACol, int ARow) { return GetUnSortedCell(ACol, ARow); }
    void SetUnSortedCells(int ACol, int ARow, const QString& Value) { SetUnSortedCell(ACol, ARow, Value); }
    int SortedRowIndex(int ARow) const;
    int UnSortedRowIndex(int ARow) const;
    TIntList* SortXRef() const;

    // ---- row and column structure: insert, remove, swap ---------------------------
    // Rows by display index, columns by real index. Hidden-row records, cell
    // controls, row flags, hidden columns and saved widths move with their
    // rows and columns.
    void AddRow();
    void AddColumn();
    virtual void InsertCols(int ColIndex, int CCount);
    // The count is clipped at the last real column.
    virtual void RemoveCols(int ColIndex, int CCount);
    // Moves the texts and objects of the rows below up; heights stay in place.
    virtual void RemoveRowsEx(int RowIndex, int RCount);
    void RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked);
    // ACol is a display column; the first row of each text stays.
    void RemoveDuplicates(int ACol, bool DoCase);
    void RemoveSelectedRows();
    void RemoveUnSelectedRows();
    void RemoveSelectedCols();
    void RemoveUnSelectedCols();
    void SwapRows(int ARow1, int ARow2);
    void SwapColumns(int ACol1, int ACol2);

    // ---- per-cell appearance ------------------------------------------------------
    // By real column and display row. Readers answer the defaults for a cell
    // without properties and create none, except WordWraps; writers create the
    // properties and repaint the cell unless an update batch is open.
    TColor Colors(int ACol, int ARow) const;
    void SetColors(int ACol, int ARow, TColor Value);
    TColor ColorsTo(int ACol, int ARow) const;
    void SetColorsTo(int ACol, int ARow, TColor Value);
    TCellGradientDirection Gradients(int ACol, int ARow) const;
    void SetGradients(int ACol, int ARow, TCellGradientDirection Value);
    TColor FontColors(int ACol, int ARow) const;
    void SetFontColors(int ACol, int ARow, TColor Value);
    TFontStyles FontStyles(int ACol, int ARow) const;
    void SetFontStyles(int ACol, int ARow, TFontStyles Value);
    int FontSizes(int ACol, int ARow) const;
    void SetFontSizes(int ACol, int ARow, int Value);
    QString FontNames(int ACol, int ARow) const;
    void SetFontNames(int ACol, int ARow, const QString& Value);
    TAlignment Alignments(int ACol, int ARow) const;
    void SetAlignments(int ACol, int ARow, TAlignment Value);
    bool ReadOnly(int ACol, int ARow) const;
    void SetReadOnly(int ACol, int ARow, bool Value);
    bool WordWraps(int ACol, int ARow);
    void SetWordWraps(int ACol, int ARow, bool Value);
    QWidget* CellControls(int ACol, int ARow) const;
    void SetCellControls(int ACol, int ARow, QWidget* Value);
    void SetCellFont(int ACol, int ARow, const TFont* AFont);
    // The colours of every cell of a row, hidden columns included; clNone
    // takes per-cell settings away (see the writers).
    void SetRowColor(int ARow, TColor Value);
    void SetRowColorTo(int ARow, TColor Value);
    void SetRowFontColor(int ARow, TColor Value);
    int LinesInCell(int ACol, int ARow);
    QString StrippedCells(int ACol, int ARow) { return GetStrippedCell(ACol, ARow); }
    // Rich text between a cell and a rich editor.
    void CellToRich(int ACol, int ARow, QTextEdit* ARichEdit);
    QString RichToString(QTextEdit* ARichEdit);
    void RichToCell(int ACol, int ARow, QTextEdit* ARichEdit);
    QString GetCurrentCellText();
    void SetCurrentCellEditText(const QString& Value);
    // Asks whether the current cell may be selected; the answer is not used.
    void Select();
    void CellContentChanged(int ACol, int ARow) override;

    // ---- row structure and clearing ----------------------------------------------
    virtual void InsertRows(int RowIndex, int RCount, bool UpdateCellControls = true);
    virtual void InsertRowRange(int RowIndex, int RCount, bool UpdateCellControls);
    virtual void DeleteRowRange(int RowIndex, int RCount, bool DeleteControls);
    // Frees the cell properties of the rows, then removes them.
    virtual void RemoveRowsCore(int RowIndex, int RCount);
    // The Delete and Insert keys of the row editing: the only data row is
    // emptied instead of removed.
    void DeleteRowFromKey(int ARow);
    void InsertRowFromKey(int ARow);
    void HideSelection();
    void UnHideSelection();
    bool SelectionHidden() const;
    // Empties a display rectangle; with ClearTextOnly the cell properties stay.
    void ClearRect(int ACol1, int ARow1, int ACol2, int ARow2);
    void ClearRows(int RowIndex, int RCount);
    void ClearCols(int ColIndex, int CCount);
    void Clear();
    void ClearAll();
    bool ClearTextOnly() const;
    void SetClearTextOnly(bool Value);

    // ---- files and streams (grid/services/files) -----------------------------------
    // The rectangle every export writes, by display index; the save switches
    // bring back the fixed columns and rows.
    int SaveStartCol() const;
    int SaveEndCol() const;
    int SaveColCount() const;
    int SaveStartRow() const;
    int SaveEndRow() const;
    int SaveRowCount() const;
    bool OemConvert() const;
    void SetOemConvert(bool Value);
    // The grid text file and stream: one line per non-empty cell. Numbers of
    // a stream are strict (EConvertError); a file reads them leniently.
    void SaveToFile(const QString& FileName, bool Unicode = false);
    void LoadFromFile(const QString& FileName);
    void SaveToStream(QIODevice& Stream);
    void LoadFromStream(QIODevice& Stream);
    // The binary cell stream: texts, cell properties and graphics of a
    // rectangle (inclusive indexes); a broken stream keeps the cells placed.
    void SaveRectToBinStream(const TRect& Rect, QIODevice& Stream);
    void SaveToBinStream(QIODevice& Stream);
    void SaveToBinFile(const QString& FileName);
    void LoadAtPointFromBinStream(const TPoint& Point, QIODevice& Stream);
    void LoadFromBinStream(QIODevice& Stream);
    void LoadFromBinFile(const QString& FileName);
    // The identifier a binary stream carries of the grid that wrote it.
    int StreamID() const;
    double CellToReal(int ACol, int ARow);
    // Delimited, fixed-width and aligned text files.
    void SaveToCSV(const QString& FileName, bool Unicode = false);
    void AppendToCSV(const QString& FileName, bool Unicode = false);
    void LoadFromCSV(const QString& FileName, int MaxRows = 0);
    void InsertFromCSV(const QString& FileName, int MaxRows = 0);
    void LoadFromCSVStream(QIODevice& AStream, int MaxRows = 0);
    void SaveToFixed(const QString& FileName, TIntList& Positions);
    void LoadFromFixed(const QString& FileName, TIntList& Positions, bool DoTrim = true, int MaxRows = -1);
    void SaveToASCII(const QString& FileName, bool Unicode = false);
    void AppendToASCII(const QString& FileName, bool Unicode = false);
    // Column layouts and the visual-properties file.
    QString ColumnStatesToString();
    void StringToColumnStates(const QString& Value);
    void SaveColSizes();
    void LoadColSizes();
    virtual void SaveColPositions();
    virtual void LoadColPositions();
    void SaveVisualProps(const QString& FileName);
    void LoadVisualProps(const QString& FileName);

    // ---- mouse buttons ------------------------------------------------------------
    // Opens the editor of a fixed cell; OnCanEditCell may refuse, OnFixedEdit
    // may change the editor kind and fill a combo's values.
    void ShowFixedCellEditor(int ACol, int ARow);
    // Picks the radio option under (X, Y), relative to the cell's top-left
    // corner, for the cell at real column ACol.
    void ClickRadioOption(int ACol, int ARow, int X, int Y);
    // The option of a radio group whose options (texts of width Widths, or of
    // height TextHeight when stacked) lie under (X, Y); -1 for none.
    static int RadioOptionAt(const QList<int>& Widths, bool Horizontal, int Spacing, int TextHeight, int X, int Y);
    // Sorting in place (SortSettings, SortIndexes): by one column, by the
    // index list, inside node groups, and back to the order of the last
    // InitSortXRef. A header click runs through these.
    virtual void QSort();
    virtual void QSortIndexed();
    virtual void QSortGroup();
    virtual void QSortGroupIndexed();
    virtual void QUnSort();
    virtual void InitSortXRef();
    void Sort(int Column, TSortDirection Direction);
    void SortByColumn(int Col);
    void QuickSort(int Col, int Left, int Right);
    void QuickSortIndexed(int Left, int Right);
    // One compare-and-swap step by Col in Direction; a tie moves on to the
    // next column. True when the rows were swapped.
    bool SortLine(int Col, int ARow1, int ARow2);
    virtual void SortSwapRows(int ARow1, int ARow2);
    // -1, 0 or 1 as row ARow1 sorts before, with or after ARow2 in real
    // column ACol; Direction only places blanks.
    int CompareCells(int ACol, int ARow1, TSortDirection Direction, int ARow2);
    int CompareRows(int ACol, int ARow1, int ARow2);
    int CompareRowsIndexed(int Index, int ARow1, int ARow2);
    int Compares() const;
    int Swaps() const;
    quint32 SortTime() const;
    // Sizes a display column to its contents, Padding pixels wider.
    virtual void AutoSizeCol(int ACol, int Padding);
    // Open and close the current cell's editor.
    virtual void ShowInplaceEdit();
    virtual void HideInplaceEdit();
    // Copies the selected cells to the clipboard and pastes the clipboard into
    // the selection; the grid's data services fill them in.
    virtual void CopySelectionToClipboard();
    virtual void PasteSelectionFromClipboard();
    // One Tab (Shift+Tab when Backward) step to the next Tab stop, wrapping
    // to the next (previous) row; false when the Tab went on to the next
    // control of the window (Navigation.TabToNextAtEnd).
    virtual bool MoveByTab(bool Backward);
    // Appends an empty row at the end unless OnCanAddRow refuses.
    virtual void AutoAppendRow();
    // Opens the editor of the next editable form control of the cell after
    // PreviousControl (the first when empty); without one the grid takes the
    // focus and the answer is false.
    virtual bool FocusNextCellControl(int ACol, int ARow, const QString& PreviousControl);
    // Operations the keyboard calls that later parts of the grid fill in: the
    // cut to the clipboard, the filter switch, moving rows, footer sums and
    // the search panel. Until then they move, filter and show nothing.
    virtual void CutSelectionToClipboard();
    virtual bool FilterActive() const;
    virtual void SetFilterActive(bool Value);
    // Moves Count rows from FromIndex to before the row ToIndex; a negative
    // count, a range past the last row or a target outside the grid changes
    // nothing.
    virtual void MoveRows(int FromIndex, int ToIndex, int Count);
    virtual void CalcFooter(int ACol);
    // The position of the column that first stood at ACol; ACol itself until
    // an order is recorded.
    virtual int ColumnPosition(int ACol);
    // ---- column order
    // Display columns (rows); the first column move records the present
    // order, and embedded controls stay with their cells.
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    // Records the present arrangement as the first order.
    void SetColumnOrder();
    // Shows the hidden columns and moves every column back to its first
    // position.
    void ResetColumnOrder();
    // The first index of the column now at position ACol.
    int ColumnAtPosition(int ACol);
    // The first column, hidden ones included, whose header text equals AValue
    // exactly; -1 when none does.
    int ColumnByHeader(const QString& AValue);
    // ---- cursor
    // Picks the pointer for the client point (X, Y) from the mouse select
    // mode, the sizing borders, OnGetCellCursor and the fixed sizing marks,
    // sets it on the viewport and records it: the mouse movement calls it
    // after each move, and entering the grid does.
    virtual void HandleWmSetCursor(int X, int Y);
    // The cursor chosen last: SelectRowCursor ... SelectAllCursor or a
    // platform cursor (crHSplit, ...).
    int GridCursor() const;
    // The mouse rests on (drags) the border of a fixed column or row.
    TFixedSizingMarks FixedSizingMarks() const;
    void SetFixedSizingMarks(const TFixedSizingMarks& Value);
    // ---- hints and balloons
    // HintShowCells: the hint of a normal cell is its text (without markup
    // unless HTMLHint); HintShowLargeText: a text larger than its cell is
    // shown whole (at the cell's top-left corner with hpCell).
    bool HintShowCells() const;
    void SetHintShowCells(bool Value);
    bool HintShowLargeText() const;
    void SetHintShowLargeText(bool Value);
    bool HTMLHint() const;
    void SetHTMLHint(bool Value);
    QString LastAnchorHint() const;
    // The base cell of the last hint prepared, (-1, -1) when none.
    TPoint LastHintCell() const;
    // Fills a hint request for the cell under Info.CursorPos; Hint arrives
    // holding the grid's own Hint.
    virtual void PrepareCellHint(QString& Hint, THintInfo& Info);
    // The hint request of the toolkit: PrepareCellHint with the request's text.
    virtual int HandleHintShow(THintInfo& Info);
    // The mouse moved to the client point (X, Y): a hint or balloon of a cell
    // the mouse left is cancelled. The mouse movement calls it.
    void CancelHintsAndBalloons(int X, int Y);
    // Balloon tooltips of cells: one window, made once and ended by BalloonDone.
    void BalloonInit();
    void BalloonDone();
    platform::TBalloonToolTip* BalloonWindow() const;
    // ---- selection counts and small services
    // Selection := the first normal cell; the disjunct cell list is emptied.
    void ClearSelectedCells();
    void ClearModifiedRows();
    // Remembers the column widths and grid width that column scaling works from.
    void InitOrigColSizes();
    // Entry Index of the disjunct cell list; an index outside it throws.
    TGridCoord SelectedCell(int Index) const;
    // Without DisjunctCellSelect the list is rebuilt from the selection first.
    int SelectedCellsCount();
    bool SelectedCells(int ACol, int ARow) const;
    void SetSelectedCells(int ACol, int ARow, bool Value);
    int SelectedRowCount();
    int SelectedColCount();
    // The i-th selected row, -1 past the last.
    int SelectedRow(int Index) const;
    // ---- floating footer
    // The strip that shows the footer, made on first use.
    TFooterPanel* FooterPanel();
    void UpdateFooter();
    // Calculates the footer cells of a column (-1: all) in fsFixedLastRow style.
    virtual void ComputeFooterCells(int ACol);
    virtual void RecalcFooterColumn(int ACol);
    void FooterRowChanged() override;
    // The column functions of the footer sums (sum, average, minimum, maximum,
    // distinct values, standard deviation over FromRow..ToRow); the grid's data
    // services install them. Without one every such footer cell is 0.
    using TFooterColumnCalculator = std::function<double(TColumnCalcType Kind, int ACol, int FromRow, int ToRow)>;
    void SetColumnCalculator(TFooterColumnCalculator Calculator);
    // The custom preview's template with "<#n>" replaced by the current row's
    // cell n.
    QString ExpandFooterTemplate(const QString& Template);
    // The scroll bar of a cell whose range follows its text, nullptr when none.
    virtual QScrollBar* CellScrollBarWithAutoRange(int ACol, int ARow);
    // The height of the search panel while it is shown, else 0.
    virtual int SearchPanelHeight() const;
    virtual void FocusSearchEdit();
    // The selection before and after a drag of the selection grip.
    using TSelectionResizeEvent =
        std::function<void(TObject* Sender, const TGridRect& OldSelection, const TGridRect& NewSelection)>;
    TSelectionResizeEvent OnSelectionResize;
    TSelectionResizeEvent OnSelectionResized;
    // The fixed cell whose editor is open, (-1, -1) when none.
    TPoint FixedEditCell() const;

    // ---- mouse movement ------------------------------------------------------------
    // The new size shows in the hint window while the mouse sizes a column
    // or row.
    bool HintShowSizing() const;
    void SetHintShowSizing(bool Value);
    // A semi-transparent picture of a cell rectangle in a window that never
    // takes the focus; the caller owns and frees it.
    TNoActiveForm* SelectionToForm(const TGridRect& ARect);
    // Where a drag of cells or of a column runs; until one is set every drag
    // is cancelled.
    void SetDragRunner(const TGridDragRunner& Runner);
    const TGridDragRunner& DragRunner() const;
    // The grid's hint window (scroll and sizing hints), made on first use.
    THTMLHintWindow* GridHintWindow();
    // The feedback of an enhanced move: the screen cursor it holds (crDrag,
    // crNoDrop, crDefault when none), the picture of the moved cells, the
    // header button and the four arrows (arrUp ... arrRight).
    TCursor MoveCursor() const;
    TNoActiveForm* MoveImage() const;
    THeaderDragButton* HeaderDragButton();
    TArrowWindow* MoveArrow(int Dir) const;
    virtual void FireStartBlockFocus();
    virtual void FireEndBlockFocus();

protected:
    // The cells, the editing frame, the background outside the cells and the
    // sizing lines.
    void Paint() override;
    int GetEditLimit() override;
    // Paints nothing while an update is running.
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    // Enabling or disabling repaints, as the fonts change colour.
    void changeEvent(QEvent* e) override;
    // Typed characters: form controls in a cell take them, clipboard shortcuts
    // are left to the key handling, and a printable character opens the editor.
    void KeyPress(QChar& Key) override;
    // The grid's own characters: Escape puts the cached text back, Enter
    // advances after an edit; the rest goes to the base grid.
    virtual void HandleKeyPress(QChar& Key);
    // Runs once the grid is shown with a parent for the first time.
    virtual void CreateWnd();
    // The host form was resized.
    virtual void HandleFormResize(QWidget* AForm);
    // ---- focus and cursor
    // The focus messages are the grid's own focus-in and focus-out; the
    // control's enter and exit hooks raise OnEnter and OnExit through
    // HandleEnter and HandleExit. A fault of a handler goes to an error box.
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void DoEnter() override;
    void DoExit() override;
    void MouseEnter() override;
    // FromEditor: the focus came from the grid's own editor.
    virtual void HandleWmSetFocus(bool FromEditor);
    virtual void HandleWmKillFocus();
    virtual void HandleEnter();
    // Also run by the header clicks that select whole rows, columns or the
    // grid while the grid keeps the focus.
    virtual void HandleExit();
    void SetMouseSelectMode(TMouseSelectMode Value);
    // ---- hints and balloons
    // A tooltip request over the cells goes through HandleHintShow.
    bool viewportEvent(QEvent* e) override;
    // The change callback of Balloon.Enable.
    virtual void BalloonEnableChanged();
    virtual void CreateBalloonWindow();
    virtual void DestroyBalloonWindow();
    // The balloon asks the grid for its text at each showing; AText is its title.
    virtual void AddBalloonTool(int AIcon, const QString& AText);
    // Copies the SearchFooter settings into the search panel; its change
    // callback. Nothing while loading or without a search panel.
    virtual void ApplySearchFooter();
    void ChangeBounds(const QRect& bounds) override;
    void Resize() override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    // ---- scrolling and sizing reactions
    void TopLeftChanged() override;
    void ColWidthsChanged() override;
    void RowHeightsChanged() override;
    virtual void HandleTopLeftChanged();
    virtual void HandleColWidthsChanged();
    virtual void HandleRowHeightsChanged();
    virtual void HandleSizeChanged(int OldColCount, int OldRowCount);
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dragLeaveEvent(QDragLeaveEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    bool IsXP() const;
    bool IsWin7() const;
    bool IsVista() const;
    bool IsComCtl6() const;
    TMouseSelectMode MouseSelectMode() const;
    // Drawing steps that cell graphics and sorting fill in.
    virtual void DrawCellGraphic(TCanvas* Canvas, int ACol, int ARow, TRect& ARect, TGridDrawState AState);
    virtual void DrawSortIndicator(TCanvas* Canvas, int ACol, int X, int Y, int Index);
    TGridSizingInfo ComputeSizingState(int X, int Y) override;
    void CancelMode() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void wheelEvent(QWheelEvent* e) override;
    bool DoMouseWheelDown(TShiftState Shift, const TPoint& MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, const TPoint& MousePos) override;
    TInplaceEdit* CreateEditor() override;

    // ---- mouse buttons ------------------------------------------------------------
    void WMLButtonDown(TShiftState Shift, int X, int Y) override;
    void WMLButtonUp(TShiftState Shift, int X, int Y) override;
    void WMLButtonDblClk(TShiftState Shift, int X, int Y) override;
    void WMRButtonDown(TShiftState Shift, int X, int Y) override;
    void WMRButtonUp(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void ColumnMoved(int FromIndex, int ToIndex) override;
    void RowMoved(int FromIndex, int ToIndex) override;
    virtual void HandleWmLButtonDown(TShiftState Shift, int X, int Y);
    virtual void HandleMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void HandleWmLButtonUp(TShiftState Shift, int X, int Y);
    virtual void HandleMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void HandleWmLButtonDblClk(TShiftState Shift, int X, int Y);
    virtual void HandleWmRButtonDown(TShiftState Shift, int X, int Y);
    virtual void HandleWmRButtonUp(TShiftState Shift, int X, int Y);
    virtual void HandleColumnMoved(int FromIndex, int ToIndex);
    virtual void HandleRowMoved(int FromIndex, int ToIndex);
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    virtual void HandleMouseMove(TShiftState Shift, int X, int Y);
    virtual void HandleMouseLeave();
public:
    // Cell content the mouse reaches; the cell services answer them.
    virtual bool HasRating(int ACol, int ARow);
    virtual bool IsRadio(int ACol, int ARow);
    virtual bool HasButton(int ACol, int ARow);
    virtual TRect GetCellButtonRect(int ACol, int ARow);
    virtual bool HasExpand(int ACol, int ARow);
    virtual TRect GetExpandButtonRect(int ACol, int ARow);
    // Flips the expand state of a cell and answers the new state.
    virtual bool ToggleExpand(int ACol, int ARow);
    // Draws a cell's button pushed or released.
    virtual void PushButton(int ACol, int ARow, bool Pushed);
    // The texts and layout of a radio group cell (real column).
    virtual bool GetRadioOptions(int ACol, int ARow, QStringList& Options, bool& Horizontal);
    // Radio buttons and node rows the keyboard reaches; the cell services
    // answer them.
    virtual bool HasRadioButton(int ACol, int ARow);
    // IdxRadio receives the option index of a cell with any graphic; the
    // answer tells whether it is a radio group.
    virtual bool GetRadioIdx(int ACol, int ARow, int& IdxRadio);
    virtual void SelectNextRadioOption(int ACol, int ARow, bool FromUser);
    // Selects the radio button of row Index in the column, clearing the others.
    virtual void SetRadioButtonColumnIndex(int ACol, int Index);
    virtual bool IsNode(int ARow);
    virtual void ExpandNode(int ARow);
    virtual void ContractNode(int ARow);

protected:
    // ---- selection and keyboard ---------------------------------------------------
    // Asked before every move of the current cell: refuses negative cells, the
    // node column and disabled rows, takes a merged cell's base instead, lets
    // editing follow the target's editability, validates an open special
    // editor and asks the changing events, then the base grid decides; an
    // accepted move is reported to the listener, repainted and told to
    // OnRowChanged.
    bool SelectCell(int ACol, int ARow) override;
    virtual bool QueryCanSelectCell(int ACol, int ARow);
    void WMKeyDown(Word& Key, TShiftState Shift) override;
    void KeyUp(Word& Key, TShiftState Shift) override;
    // The grid's decisions on a pressed key; it runs the framework's key-down
    // processing at most once and may consume the key before it.
    virtual void HandleWmKeyDown(Word& Key, TShiftState Shift);
    // The key-down hook around the cell store's navigation: moving rows,
    // wrapping, disabled rows and the synchronised grid.
    virtual void HandleKeyDown(Word& Key, TShiftState Shift);
    virtual void HandleKeyUp(Word& Key, TShiftState Shift);

    // ---- in-cell editing ----------------------------------------------------------
    // The platform grid's editor question, answered by QueryCanShowEditor:
    // special kinds open their control here and answer no.
    bool CanEditShow() override;
    virtual bool QueryCanShowEditor();
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    QString GetEditMask(int ACol, int ARow) override;
    // The edit text: the merge base cell's stored text, without markup tags
    // unless EditWithTags.
    virtual QString QueryEditText(int ACol, int ARow);
    virtual void StoreEditText(int ACol, int ARow, const QString& Value);
    virtual QString QueryEditMask(int ACol, int ARow);
    virtual int QueryEditLimit();
    virtual void ShowEditorControl(int ACol, int ARow);
    virtual void HideEditorControl(int ACol, int ARow);
    // ACol is the real column.
    virtual void FinishCellEdit(int ACol, int ARow);
    void StoreEditorValue(int ACol, int ARow, const QString& Value);
    void RestoreCellFromCache();
    bool CellAcceptsEdit(int ACol, int ARow);
    virtual void QueryEditorProperties(int ACol, int ARow, TObject* EditLink);
    // Told each key-down the inplace edit sees before it handles the key.
    virtual void InplaceEditKeyMessage(Word& Key, TShiftState Shift);
    friend class TExInplaceEdit;
    friend class TGridCombo;
    friend class TGridEditorProtocol;
    friend class TExRichEdit;
    friend class TEditLink;
    friend class TGridTransEdit;
    friend class TGridTransCombo;
    friend class TControlEdit;
    friend class TControlCombo;
    friend class TGridSpin;
    friend class TGridEditBtn;
    friend class TGridUnitEditBtn;
    friend class TGridCheckBox;
    friend class TGridButton;
    friend class TGridDatePicker;
    friend struct TGridEditorOpening;

private:
    struct Private;
    std::unique_ptr<Private> p;

    void createOwnedObjects();
    void setDefaults();
    void measurePlatform();
    void attachHostForm(QWidget* form);
    void detachHostForm();
    void assignSettings(const TExStringGrid& Source);
    void assignLayout(const TExStringGrid& Source);
    bool isActiveCellHeader(int ACol, int ARow);
    TEditorType adjustedEditor(int ACol, int ARow, bool configure);
    void showRichEdit(int ACol, int ARow);
    void hideRichEdit(int ACol, int ARow);
    TSize measureRichTextCell(int ARealCol, int ARow, const TRect& R, bool WordWrap);
    void showEditLink(int ACol, int ARow);
    void hideEditLink(int ACol, int ARow);
    bool stopFixedCellEditors();
    void openFixedCellEditor(int ACol, int ARow, TGridFixedCellEditor Kind, const TStringList& Values);
    int horizontalBarHeightIfNeeded(int AWidth) const;
    struct RenderContext;
    void renderFixedBackground(RenderContext& c);
    void renderRowIndicator(RenderContext& c);
    void renderButtons(RenderContext& c);
    void renderLookEdges(RenderContext& c);
    void renderFocusRect(RenderContext& c);
    void drawCellBorders(TCanvas* Canvas, int ACol, int ARow, TRect ARect);
    void drawCellText(RenderContext& c);
    void drawCellBackground(RenderContext& c, const TRect& tr);
    void drawCellBackgroundBitmap(TCanvas* Canvas, const TRect& Area);
    void drawCellBackgroundTiled(TCanvas* Canvas, int ACol, int ARow, const TRect& Area);
    void drawFilterButton(RenderContext& c, const TRect& tr);
    void applyDisjunctSelection(RenderContext& c);
    void drawPlainText(RenderContext& c, const QString& text, TRect& tr);
    void placeTextBesideGraphic(RenderContext& c, TRect& tr);
    void drawMarkupText(RenderContext& c, const QString& text, TRect& tr);
    void drawSelectionRectangle(TCanvas* Canvas, int ACol, int ARow, const TRect& ARect);
    void paintSizingLines();
    // ---- files: the CSV reader (its row growth and the record of the row count)
    void readCSVBytes(const QByteArray& Bytes, bool Insert, int MaxRows);
    void attachBinPayload(TCellGraphic& g, const std::vector<gridstream::Property>& Payload, int ACol, int ARow,
                          bool Inside);
    // ---- highlighting: the walks over base cells behind the tag operations
    void ApplyTextTagInRange(const QString& HiText, const QString& Tag, bool DoCase, int Left, int Top, int Right,
                             int Bottom);
    void RemoveTextTagInRange(const QString& Tag, int Left, int Top, int Right, int Bottom);
    // ----
    void handleGridEditDone(int ACol, int ARow);
    void storeEditorText(const QString& Text);
    void startPanning(int X, int Y);
    void endPanning();
    void wheelMoveSelection(QWheelEvent* e, int step, bool towardsUser);
    bool handleWheelHook(bool Down, TShiftState Shift, const TPoint& MousePos);
    // Row moves over every real column: texts, objects and heights.
    void copyStoredRow(int FromRow, int ToRow, bool WithHeight);
    // Detaches the objects of a row without freeing them and empties its texts.
    void emptyStoredRow(int ARow);

    // -- structure helpers
    // The real rows of display rows RowIndex.., ascending.
    std::vector<int> realRowsOf(int RowIndex, int RCount) const;
    // Hidden-row records, or cell controls, follow the removal of the given
    // ascending real rows; the controls in them are hidden and leave the list.
    void lowerRecordsAfterRemoval(const std::vector<int>& RemovedReals);
    void lowerControlsAfterRemoval(const std::vector<int>& RemovedReals);
    // The disjunct row flags follow inserted or removed rows: at the display
    // index, or at the real indexes while the selection is persistent. Rows
    // that are only hidden pass no real rows: persistent flags stay.
    void insertRowSelectFlags(int RowIndex, int RCount);
    void deleteRowSelectFlags(int RowIndex, int RCount, const std::vector<int>& RemovedReals);
    // Column moves over every row: texts and objects.
    void copyStoredCol(int FromCol, int ToCol);
    // Moves the texts and objects of the rows below RowIndex + RCount up by
    // RCount; heights stay, nothing is freed.
    void removeRowsTextOnly(int RowIndex, int RCount, const std::vector<int>& RemovedReals);
    // The normal rows that are (not) selected, from the bottom up, judged
    // before the first row goes.
    std::vector<int> rowsBySelection(bool Selected);
    // Removes the shown columns that are (not) selected, from the right.
    void removeColsBySelection(bool Selected);
    void keepViewFilled();
    void repaintSearchPanel();
    // Moves a row's cells and height into a new record, leaving the row empty.
    std::unique_ptr<TGridItem> takeRowIntoItem(int ARow);
    void restoreRowFromItem(TGridItem& Item, int ARow);
    std::vector<int> hiddenRowIndexes() const;
    int recordIndexOf(int RowIndex) const;
    TStringList* hiddenRowSlots(int record, int ACol);
    QString hiddenRowText(int record, int ACol) const;
    void setEmbeddedControlVisible(int ACol, int ARow, bool Visible);
    void clearCells(int ACol1, int ARow1, int ACol2, int ARow2, bool MapColumns);
    // The footer's column functions, by the calculations of the data services.
    double footerColumnCalc(TColumnCalcType Kind, int ACol, int FromRow, int ToRow);
    // Calls Visit with each counted value of the column over the range.
    void forCountedRows(int ACol, int FromRow, int ToRow, const std::function<void(double)>& Visit);
    void fillArea(bool DoFixed, const std::function<QString(int, int)>& Text);
    void closeGroup(int& Header, int& ARow);
    void paintGroupRow(int ARow, bool Summary);
    void unpaintGroupRow(int ARow, bool Summary);
    void insertSummaryRow(int ARow);
    void mergeGroupRows();
    void deleteGroupRow(int ARow);
    void removeGroupedColumn(int Colindex);
    void restoreGroupedColumn(int Colindex);
    void paintBorderFrame();
    void scaleColumnsWithGrid();
    // A measured text size turned as the cell's rotation asks.
    TSize rotatedIfAsked(int ARealCol, int ARow, TSize Size);
    TSize measurePlainLines(const TCanvas& Canvas, int ARealCol, int ARow, const QString& Text);
    void repaintBlinkingCells();
    bool rowIsSelected(int ARow) const;
    void hideRowsBySelection(bool Selected);
    struct TCellLook;
    void applyDefaultBrush(int ACol, int ARow, bool Print, TBrush* ABrush);
    // ---- cell graphics
    void drawGraphicKind(TCanvas* Canvas, int ACol, int ARow, TCellGraphic& g, TRect& r, const TRect& box,
                         const TRect& cell, TGridDrawState AState);
    void drawRotatedCell(TCanvas* Canvas, int ACol, int ARow, const TCellGraphic& g, const TRect& r);
    void drawProgressCell(TCanvas* Canvas, int ACol, int ARow, const TCellGraphic& g, const TRect& r);
    void drawLevelProgressCell(TCanvas* Canvas, int ACol, int ARow, const TCellGraphic& g, const TRect& r);
    void drawCommentMark(TCanvas* Canvas, const TCellGraphic& g, const TRect& cell);
    void drawButtonCell(TCanvas* Canvas, int ACol, int ARow, TCellGraphic& g, const TRect& box, bool editable);
    void drawRating(TCanvas* Canvas, int ACol, int ARow, const TCellGraphic& g, const TRect& box);
    void drawNodeButton(TCanvas* Canvas, int ARow, const TCellGraphic& g, const TRect& cell, TGridDrawState AState);
    static void drawEdge(TCanvas* Canvas, const TRect& r, TColor light, TColor dark);
    void drawBorlandCheck(TCanvas* Canvas, const TRect& R, bool Checked, bool Enabled);
    void drawRadioButton(TCanvas* Canvas, const TRect& r, TControlStyle Style, bool Checked, bool Enabled);
    void drawSortIndex(TCanvas* Canvas, int ACol, int X, int Y);
    // ---- mouse buttons
    void sortByHeaderClick(int ACol, TShiftState Shift);
    // ---- sorting
    void sortRunAround(bool WholeGrid, bool PlainQSort, const std::function<void(int, int)>& Partition);
    void withSpareRows(bool ClearStale, const std::function<void()>& Work);
    void sortNodeGroups(int First, int Last, const std::function<void(int, int)>& SortRange);
    void quickSortRows(int ACol, int Start, int End);
    void quickSortRowsIndexed(int Start, int End);
    void unSortRows(int Start, int End);
    void copySortPivot(int FromRow, int ToRow);
    void checkSortIndexes() const;
    bool followAnchor(int ACol, int ARow, int X, int Y);
    void basePress(const TGridCoord& hit, const TRect& R, TShiftState Shift, int X, int Y);
    void ordinaryPress(const TGridCoord& hit, const TPoint& base, const TRect& R, TShiftState Shift, int X, int Y,
                       bool editMerged, bool mayEdit, bool directEdit);
    QString markupAnchorAt(int ACol, int ARow, const QString& Text, int X, int Y);
    bool pressCheckBox(int ACol, int ARow, int X, int Y, TShiftState Shift);
    void notePress(const TGridCoord& hit, int X, int Y);
    bool pressGrip(TShiftState Shift, int X, int Y, bool testGrip);
    void endGripResize();
    bool releaseDisjunctCell(TShiftState Shift, int X, int Y);
    bool pressCellContent(const TGridCoord& hit, const TRect& R, TShiftState Shift, int X, int Y);
    bool pressRating(int ACol, int ARow, int X);
    bool pressNodeGlyph(int ARow, TShiftState Shift, int X, int Y);
    bool pressCellButton(int ACol, int ARow, int X, int Y);
    bool releaseCellButton(int X, int Y);
    void releaseHeader(int ACol, int ARow, int X, TShiftState Shift);
    bool autoSizeOnBorder(int ACol, int ARow, int X);
    bool markupHitAt(int ACol, int ARow, const QString& Text, int X, int Y, QString& Anchor, QString& Title,
                     int& Index);
    void pressHeaderSelection(const TGridCoord& hit, TShiftState Shift);
    bool startFixedSizing(int X, int Y);
    bool pressOleDragCandidate(const TGridCoord& hit, const TRect& R, TShiftState Shift, int X, int Y);
    void endFixedSizing(int X, int Y);
    bool releaseOleDragCandidate(const TGridCoord& hit, TShiftState Shift);
    // ---- mouse movement
    void moveHoverRow(int ARow);
    void placeCellScrollBar(const TGridCoord& hit);
    void moveFixedHover(const TGridCoord& hit);
    void moveHoverButton(const TGridCoord& hit, int X, int Y);
    void dragHeaderSelection(const TGridCoord& hit, int X, int Y);
    void moveFixedSizing(const TGridCoord& hit, int X, int Y);
    int fixedBorderAt(bool Columns, int Pos);
    bool isOnSelectionGrip(int X, int Y);
    void setMouseSelectMode(const TGridCoord& hit, int X, int Y, bool onGrip);
    bool floatingFooterLastRow() const;
    void trackAnchors(const TGridCoord& hit, int X, int Y);
    void leaveAnchor(const TGridCoord& hit);
    void reportSizing(int X, int Y);
    void closeSizingHint();
    void showMoveImage(const TGridRect& Cells, int X, int Y);
    TGridRect visibleColumnCells(int ACol) const;
    void enhancedMoveFeedback(const TGridCoord& hit, int X, int Y);
    void placeMoveButton(const QString& Caption, int Width, int Height, int X, int Y);
    void placeArrow(int Dir, int X, int Y, bool Visible);
    void hideMoveArrows();
    void placeColumnArrows(const TGridCoord& hit);
    void placeRowArrows(const TGridCoord& hit);
    void autoScrollMove(bool Columns, int X, int Y);
    bool endEnhancedMove(const TGridCoord& hit);
    void cancelMoveFeedback();
    bool startDragOfCells(const TGridCoord& hit, TShiftState Shift, int X, int Y, bool onGrip);
    TDragEffect runColumnDrag(const TGridCoord& hit, int X, int Y);
    TDragEffect runTextDrag(const TGridCoord& hit);
    // The drags through the toolkit's drag and drop, used while no runner is set.
    static TDragEffect defaultTextDragDrop(const QString& SelectedText, const QString& CellText);
    static TDragEffect defaultColumnDragDrop(int ACol);
    void removeDraggedRows(const TGridRect& Dragged);
    void clearDraggedCells();
    void selectOnRightClick(const TGridCoord& hit, TShiftState Shift, int X, int Y);
    void editOnDoubleClick(const TGridCoord& cell, TShiftState Shift);
    bool InsideGrid(const TGridCoord& c) const;
    void moveColumnSizes(int FromIndex, int ToIndex);
    void moveInSyncGrid(bool Columns, int FromIndex, int ToIndex);
    // ---- column order
    void followColumnOrder(int FromIndex, int ToIndex);
    void followEmbeddedControls(bool Columns, int FromIndex, int ToIndex);
    // ---- focus and cursor
    // The glow around the current cell while FocusHelper.Enabled is set.
    void showFocusGlow();
    int chooseCursor(int X, int Y);
    bool currentCellVisible() const;
    bool currentCellEditable();
    // ---- hints and balloons
    void prepareHintOfCell(int c, int r, QString& Hint, THintInfo& Info);
    void showHintRequest(const THintInfo& Info);
    void anchorHint(int c, int r, const TRect& R, const QString& Text, QString& Hint, THintInfo& Info);
    void largeTextHint(int rc, int r, const TRect& R, const QString& Text, QString& Hint, THintInfo& Info);
    bool balloonText(platform::TBalloonText& Request);
    // ---- floating footer
    friend class TFooterPanel;
    friend class TFloatingFooter;
    void computeFooterCell(int ACol);
    void paintFooterCells(TCanvas& Canvas, const TRect& Area);
    void paintFooterPreview(TCanvas& Canvas, const TRect& Area);
    void paintFooterTemplate(TCanvas& Canvas, const TRect& Area);
    // ---- selection and keyboard
    void reportRowChanged(int NewRow);
    void repaintActiveHeaders(int OldCol, int OldRow, int NewCol, int NewRow);
    int rowFlagIndex(int ARow) const;
    void setRowFlag(int Index, bool Value);
    void setColFlag(int Index, bool Value);
    bool consumeKey(Word& Key, TShiftState Shift);
    void runFramework(Word& Key, TShiftState Shift);
    void reportKeySelection();
    void scrollOnlyByKey(Word Key);
    bool keyEditGates(Word& Key, TShiftState Shift, int realCol);
    void keyClicksCell(Word Key, int realCol);
    void moveToFirstTabStop();
    bool keyHomeEnd(Word& Key, TShiftState Shift, int startRow, int startLeft);
    void keyHomeEndRow(bool Home, TShiftState Shift, int startRow);
    bool keySideways(Word& Key, TShiftState Shift);
    void keySkipFixedCells(Word& Key, TShiftState Shift);
    bool keyBeforeFramework(Word& Key, TShiftState Shift, bool keepHorz, int startLeft);
    bool keyAfterFramework(Word& Key, TShiftState Shift, int realCol);
    bool keyClipboard(Word Key, TShiftState Shift);
    bool keyInsertRow();
    void keySelectAll();
    void keyDisjunctSelection(Word Key, TShiftState Shift);
    bool keyDeleteRow();
    void keyMoveRows(Word Key);
    void keyWrap(Word Key);
    void keySkipDisabledRows(Word Key, int startRow);
    void keyUpDisjunctCells(Word Key, TShiftState Shift, const TGridRect& S);
    // ---- scrolling and sizing
    void showScrollHint(QString Text, int Index);
    void hideScrollHint();
    int scrollCellBar(int ScrollCode, int Pos);
    void placeScrollControls();
    void updateProportionalBars();
    void stopDragScroll();
    void applyAutomaticStretch();
    void noteMouseSizingEnded(TGridState State);
    void endMouseSizing();
    bool wantsShortcutKey(const QKeyEvent* e);
    void scaleAfterMouseSizing(bool Columns, int Sized, int Start);
    TSize sizingGraphicSize(int ACol, int ARow);
    // ---- in-cell editing
    bool validateEdit(const QString& NewValue, bool Wide);
    void showCombo(int ACol, int ARow);
    void hideCombo(int ACol, int ARow);
    void refuseValidation(int ACol, int ARow, const QString& Value, bool Replaced, bool Wide);
    void showEditBalloon();
    // ---- looks
    void applyLookStyle(TExGridStyle AStyle, TGridSelectionStyle ASelectionStyle);
    void applyLookDefaults(TGridLook Value);
    void resetStyleColors();
    void applyStyleRow(TExGridStyle AStyle);
    void applyStyleExtras(TExGridStyle AStyle);
    // The button colours of a tone set for the grid's in-place editors.
    void applyEditorTones(const TColorTones& Tones);
    bool handleOfficeThemeEvent(QEvent* e);
    void unregisterThemeWindow();
    // ---- per-cell appearance
    void repaintRealCell(int ACol, int ARow);
    // ---- check boxes and node rows
    void checkNodeBlock(int ACol, int ARow, bool Checked);
    void updateNodeCheck(int ACol, int NodeRow);
    TCellGraphic* nodeGraphic(int ARow);
    int nodeBlockEnd(int ARow, int Span);
    void setNodeLevel(int ARow, int Delta);
    void contractNodeAt(int ARow);
    void expandedNodeRows(std::vector<int>& Rows);
    template <typename Write>
    void writeCellProperty(int ACol, int ARow, Write write);
    template <typename Write>
    void forRowCells(int ARow, Write write);
    // ---- editing navigation
    bool inplaceEditHasFocus() const;
    bool keepFooterClear(int ACol, int ARow);
    void followEditability(int ACol, int ARow);
    bool decideCellChange(int ACol, int ARow, bool EditRunning, bool InplaceFocused);
    void cellSelected(int OldCol, int OldRow, const TGridRect& OldSelection, int ACol, int ARow);
    bool cellEditable(int ACol, int ARow);
    bool anyEditableColumn(int ARow);
    void appendClearedRow();
    int advanceLastCol();
    bool nextAdvanceCell(int& ACol, int& ARow, bool Forward);
    bool advanceForwardLeftRight(int& ACol, int& ARow);
    void advanceForwardTopBottom(int& ACol, int& ARow);
    void advanceBackward(int& ACol, int& ARow);
    void moveAdvanced(int ACol, int ARow);
    void showAfterAdvance(int ACol, int ARow, bool AutoEdit);
    bool tabStep(bool Backward);
    void tabBackwardLeftRight();
    bool tabForwardLeftRight();
    bool tabForwardLastColumn();
    bool tabEndRule();
    void selectSingleCell(int ACol, int ARow);
    void appendRowForTab();
        void applySelectionLook(int ACol, int ARow, int ASelectRow, bool Print, bool Select, bool FixedLook,
                            TGridDrawState& AState, TCellLook& Look);
};
