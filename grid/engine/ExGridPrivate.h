#pragma once

// State of the string grid control, shared by the files that implement it.

#include "grid/engine/ExGrid.h"
#include "grid/engine/paint/ExGridAppearance.h"
#include "grid/engine/paint/ExGridCellGraphic.h"
#include "grid/engine/ExGridCellSettings.h"
#include "grid/engine/layout/ExGridColumnSize.h"
#include "grid/engine/layout/ExGridMeasureCanvas.h"
#include "grid/engine/paint/ExGridControlLook.h"
#include "grid/engine/ExGridDataSettings.h"
#include "grid/engine/input/ExGridMoveState.h"
#include "grid/engine/input/ExGridFocus.h"
#include "grid/engine/hints/ExGridFooter.h"
#include "grid/engine/hints/ExGridHints.h"
#include "grid/engine/ExGridPrintSettings.h"
#include "grid/engine/input/ExGridPressState.h"
#include "grid/engine/paint/ExGridRenderState.h"
#include "grid/engine/layout/ExGridScrollState.h"
#include "grid/engine/ExGridViewSettings.h"
#include "grid/foundation/objects/ExObjArrowWindow.h"
#include "grid/foundation/objects/ExObjFocusWindow.h"
#include "grid/foundation/objects/ExObjGridSettings.h"
#include "grid/foundation/objects/ExObjLists.h"
#include "grid/foundation/objects/ExObjMouseActions.h"
#include "grid/foundation/objects/ExObjNavigation.h"
#include "grid/foundation/objects/ExObjSearchFooter.h"
#include "grid/foundation/pictures/PictureContainer.h"
#include "grid/services/shape/ExGridHiddenIndex.h"
#include "platform/core/StringList.h"
#include "platform/picture/Bitmap.h"
#include "platform/ui/paint/Font.h"

#include <QtCore/QPointer>
#include <QtCore/QTimer>

#include <array>
#include <map>
#include <memory>
#include <vector>

// A per-row or per-column flag list: entry i set (non-zero) marks i; entries
// past the end read as clear.
inline bool IsFlagSet(const TIntList& flags, int index)
{
    return index >= 0 && index < flags.Count() && flags.GetInteger(index) != 0;
}

// A cell text shown through a number format; a text that is no number, or a
// format that does not fit it, leaves the text as it is.
QString FormatCellNumber(const QString& text, const QString& format);

// A cell text without markup read as a number, as Ints and Floats read it:
// trimmed, empty or "-" as 0. False, with 0, for a text that is no number.
bool TryCellInt(const QString& stripped, int& value);
bool TryCellFloat(const QString& stripped, double& value);

// The plain text kinds, edited by the grid's inplace edit.
bool IsInplaceEditorKind(TEditorType Kind);

// An update batch of the grid that ends also when an exception passes.
class TUpdateBatch {
public:
    explicit TUpdateBatch(TExStringGrid& grid) : grid_(grid) { grid_.BeginUpdate(); }
    ~TUpdateBatch() { grid_.EndUpdate(); }
    TUpdateBatch(const TUpdateBatch&) = delete;
    TUpdateBatch& operator=(const TUpdateBatch&) = delete;

private:
    TExStringGrid& grid_;
};

// The tone set of a new grid: no background brush or border, every other
// colour 0.
inline TColorTones InitialColorTones()
{
    const TColorTone zero{0, 0, 0};
    TColorTones tones{zero, zero, zero, zero, zero};
    tones.Background.BrushColor = clNone;
    tones.Background.BorderColor = clNone;
    return tones;
}

struct TExStringGrid::Private {
    // lifecycle
    bool loading = true;
    bool loaded = false;
    bool destroying = false;
    bool windowCreated = false;
    bool editChange = false;
    QPointer<QWidget> hostForm;
    int prevSizeX = 0;
    int prevSizeY = 0;

    // dimensions memory
    int fixedRowsMin = 1;
    int fixedColsMin = 1;
    int maxRowCount = 0;
    int maxColCount = 0;
    int fixedFooters = 0;
    int fixedRightCols = 0;
    bool fixedRowAlways = false;
    bool fixedColAlways = false;
    int fixedRowHeight = 22;

    // editing memory
    int editCol = -1;
    int editRow = -1;
    QString editText;
    QString editWideText;
    bool editModified = false;
    bool editDisabled = false;

    // memory fields with their "none" values
    int lastTabCol = -1;
    int lastTabRow = -1;
    int hoverLink = -1;
    int oleDragCol = -1;
    int filterCol = -1;
    int hoverFixedX = -1;
    int hoverFixedY = -1;
    int groupColumn = -1;
    // what ungrouping gives the grouped column back
    QString groupCaption;
    QString groupFooter;
    int groupWidth = 0;
    bool isGrouping = false;
    // the second level keeps its own, so that the first level's survive it
    int subGroupColumn = -1;
    QString subGroupCaption;
    QString subGroupFooter;
    int subGroupWidth = 0;
    // running numbers
    int autoNumberStart = 0;
    int autoNumberOffset = 0;
    TSortDirection autoNumberDirection = sdAscending;
    int lastHintX = -1;
    int lastHintY = -1;
    int pushedCellButtonX = -1;
    int pushedCellButtonY = -1;
    int comboIndex = -1;
    int designChoice = -1;
    int rememberedLeftCol = 0;
    int rememberedTopRow = 0;
    bool selectionChanged = false;
    TCursor rememberedCursor = crDefault;

    // platform facts
    bool isXP = false;
    bool isWin7 = false;
    bool isVista = false;
    bool isComCtl6 = false;

    // owned objects, in the order of creation
    std::unique_ptr<TFont> cellFont;
    std::unique_ptr<TFocusHelper> focusHelper;
    std::unique_ptr<TSearchFooter> searchFooter;
    std::unique_ptr<TFloatingFooter> floatingFooter;
    std::unique_ptr<TPrintSettings> printSettings;
    std::unique_ptr<THTMLSettings> htmlSettings;
    std::unique_ptr<TSortSettings> sortSettings;
    std::unique_ptr<TDragDropSettings> dragDropSettings;
    std::unique_ptr<TDragScrollOptions> dragScrollOptions;
    std::unique_ptr<TControlLook> controlLook;
    std::unique_ptr<TNavigation> navigation;
    std::unique_ptr<TColumnSize> columnSize;
    std::unique_ptr<TCellNode> cellNode;
    std::unique_ptr<TBands> bands;
    std::unique_ptr<TSizeWhileTyping> sizeWhileTyping;
    std::unique_ptr<TMouseActions> mouseActions;
    std::unique_ptr<TGrouping> grouping;
    std::unique_ptr<TStringList> columnHeaders;
    std::unique_ptr<THTMLPictureCache> imageCache;
    std::unique_ptr<TFont> fixedFont;
    std::unique_ptr<TFont> activeCellFont;
    std::unique_ptr<TStringList> rowHeaders;
    std::unique_ptr<TStringList> lookupItems;
    std::unique_ptr<TIntList> rowSelect;
    std::unique_ptr<TIntList> colSelect;
    std::unique_ptr<TSortIndexList> sortIndexes;
    std::unique_ptr<TIntList> columnOrder;
    std::unique_ptr<TIntList> originalColWidths;
    std::unique_ptr<TIntList> modifiedRows;
    std::unique_ptr<TIntList> disabledRows;
    std::unique_ptr<TIntList> mergedColumns;
    std::unique_ptr<TBitmap> rowIndicator;
    std::unique_ptr<TBackGround> backGround;
    std::unique_ptr<TControlList> controlList;
    std::unique_ptr<TGridProgressAppearance> progressAppearance;
    std::unique_ptr<TSyncGrid> syncGrid;
    std::unique_ptr<TBalloonSettings> balloon;
    std::unique_ptr<TShowModified> showModified;
    std::unique_ptr<TFilter> filter;
    std::unique_ptr<TIntList> ignoreColumns;
    std::unique_ptr<TFilterDropDown> filterDropDown;
    std::unique_ptr<TStringList> filterList;
    std::vector<TGridChangeNotifier> notifiers;
    // run-time windows, owned through Qt parenting
    QPointer<TGridFocusWindow> focusWindow;
    std::array<QPointer<TArrowWindow>, 4> arrows;

    // scalar settings
    TGridLook look = glXP;
    bool flat = false;
    TColor borderColor = clGray;
    TColor selectionColor = TColor(0xEACAB6);
    TColor selectionColorTo = clNone;
    TColor selectionMirrorColor = clNone;
    TColor selectionMirrorColorTo = clNone;
    TColor selectionTextColor = clBlack;
    bool selectionColorMixer = false;
    int selectionColorMixerFactor = 50;
    TColor hintColor = clInfoBk;
    TColor highlightColor = clHighlight;
    TColor highlightTextColor = clHighlightText;
    bool activeCellShow = false;
    TColor activeCellColor = clGray;
    TColor activeCellColorTo = clNone;
    TColor disabledFontColor = clSilver;
    bool useDisabledFont = true;
    TColor urlColor = clBlue;
    THoverFixedCells hoverFixedCells = hfNone;
    bool autoThemeAdapt = false;
    bool showDesignHelper = true;
    TColor exGradientFrom = clWhite;
    TColor exGradientTo = clNone;
    TColor exGradientMirrorFrom = clNone;
    TColor exGradientMirrorTo = clNone;
    TColor exGradientHoverFrom = 0;
    TColor exGradientHoverTo = 0;
    TColor exGradientHoverMirrorFrom = 0;
    TColor exGradientHoverMirrorTo = 0;
    TColor exGradientHoverBorder = 0;
    TColor exGradientDownFrom = 0;
    TColor exGradientDownTo = 0;
    TColor exGradientDownMirrorFrom = 0;
    TColor exGradientDownMirrorTo = 0;
    TColor exGradientDownBorder = 0;

    TScrollType scrollType = ssNormal;
    TColor scrollColor = clNone;
    int scrollWidth = 17;
    TScrollBarAlways scrollBarAlways = saNone;
    bool scrollProportional = false;
    bool scrollSynch = false;
    TScrollHintType scrollHints = shNone;

    int minRowHeight = 0;
    int maxRowHeight = 0;
    int minColWidth = 0;
    int maxColWidth = 0;
    bool sizeGrowOnly = false;
    bool integralHeight = false;
    bool autoSize = false;
    bool sizeWithForm = false;
    int zoomFactor = 0;
    TPoint xyOffset{2, 2};

    TEditorType defaultEditor = edNormal;
    TAlignment defaultAlignment = taLeftJustify;
    TVAlignment vAlignment = vtaTop;
    bool enableHTML = true;
    bool enableWheel = true;
    bool intelliZoom = true;
    QString floatFormat;
    QString checkTrue;
    QString checkFalse;
    QChar passwordChar;
    QString xmlEncoding = QStringLiteral("ISO-8859-1");
    bool anchorHint = false;
    bool autoNumAlign = false;
    TInvalidEntryIcon invalidEntryIcon = ieWarning;
    QString invalidEntryTitle;
    QString invalidEntryText;
    THintShowLargeTextPos hintShowLargeTextPos = hpCell;
    TMouseSelectMode mouseSelectMode = msNormal;
    bool enhRowColMove = true;
    bool useInternalHintClass = true;

    bool filterDropDownAuto = false;
    QString filterDropDownClear = QStringLiteral("(All)");
    TFilterDropDownColumns filterDropDownColumns = fdNormal;
    bool filterNormalCellsOnly = true;
    bool filterIncremental = false;
    bool autoFilterUpdate = true;
    bool saveFixedCells = true;
    bool saveFixedRows = false;
    bool saveFixedCols = false;
    bool saveHiddenCells = false;
    bool saveVirtCells = true;
    bool saveWithHTML = true;
    bool saveWithRTF = false;
    bool quoteEmptyCells = true;
    bool alwaysQuotes = false;
    bool javaCSV = false;
    QChar delimiter;
    bool showNullDates = true;
    bool loadFirstRow = true;
    bool oemConvert = false;
    int streamId = 0; // made on first use
    bool fitCellsInGrid = true;
    int printPageFrom = 1;
    int printPageTo = 1;

    // drawing settings and the state of the painting frame and window procedure
    std::unique_ptr<TExGridRenderState> render = std::make_unique<TExGridRenderState>();
    // the canvas cell texts are measured on
    TMeasureCanvas measureCanvas;
    // update lock and selection state read by the cell colouring
    int updateCount = 0;
    bool mouseDown = false;
    TIntList selectedCells{-1, -1};

    // what a left press left for the moves and the release
    TExGridPressState press;
    // hover marks, fixed sizing and the move and drag windows of the mouse moves
    TExGridMoveState move;

    // hidden columns and rows, clearing
    THiddenColumns hiddenCols;
    std::vector<std::unique_ptr<TGridItem>> gridItems;
    int filterLevel = 0;
    bool clearTextOnly = false;
    bool nilObjects = false;
    bool blockCellChange = false;
    bool selectionHidden = false;
    TGridRect savedSelection{};

    // grid timer, typing and balloons
    std::unique_ptr<QTimer> gridTimer;
    int timerTicks = 0;
    QString searchInc;
    int searchIncTicks = 0;
    bool hovering = false;
    bool enableBlink = false;
    bool blinkOn = false;
    bool excelStyleDecimalSeparator = false;
    QChar startEditChar;
    Qt::KeyboardModifiers keyModifiers;
    bool typingOnGrid = false;
    TPoint lastBalloonCell{-1, -1};
    int scaleGridWidth = 0;
    int maxEditLength = 0;

    // selection and keyboard
    int oldRowSel = -1;
    bool useEnabledRows = false;
    bool excelClipboardFormat = false;
    ITExStringGridSelect* selListener = nullptr;
    std::vector<int> selectedRows;
    TGridRect moveSelection{};
    TGridCoord lastKeyCell{-1, -1};
    // scrolling and sizing
    TExGridScrollState scroll;
    // the floating footer's strip and column functions
    TExGridFooterState footer;
    // focus and cursor
    TExGridFocusState focus;
    // hint settings and the balloon tooltip
    TExGridHintState hints;
    // cell content
    bool urlShowInText = false;
    TImageList* gridImages = nullptr;
    // node rows counted by the node operations; the one graphic lent to
    // column 0 as the row check box
    int numNodes = 0;
    std::unique_ptr<TCellGraphic> rowCheckGraphic = std::make_unique<TCellGraphic>();
    // a child of the grid, freed with it
    TGridCombo* editCombo = nullptr;
    // rich edits, the edit link, fixed-cell and form-control editors
    TExRichEdit* richEdit = nullptr;
    TExRichEdit* inplaceRichEdit = nullptr;
    TEditLink* editLink = nullptr;
    bool invokedFocusChange = false;
    TGridTransEdit* editTrans = nullptr;
    TGridTransCombo* comboTrans = nullptr;
    TControlEdit* controlEdit = nullptr;
    TControlCombo* comboControl = nullptr;
    int fixedColEdit = -1;
    int fixedRowEdit = -1;
    TPoint ctrlXY{-1, -1};
    QString ctrlID;
    QString ctrlType;
    bool ctrlEditing = false;
    TGridSpin* editSpin = nullptr;
    TGridEditBtn* editBtn = nullptr;
    TGridUnitEditBtn* unitEditBtn = nullptr;
    TGridCheckBox* editCheck = nullptr;
    TGridButton* gridButton = nullptr;
    TGridDatePicker* editDate = nullptr;
    std::map<int, QPointer<QWidget>> dropDownControls;  // by editor kind
    QPointer<QObject> cellChecker;  // a TExStringGridCheck

    // in-cell editing (the cell before the edit is the editing memory above)
    bool forceSel = false;
    QString newCellText;
    bool noAutoAdvance = false;  // a refused commit in an editor stops the advance
    bool blockFocus = false;
    bool blockKill = false;
    bool entered = false;
    bool editing = false;
    bool specialEditor = false;
    bool editActive = false;
    bool validating = false;
    bool lastValidation = false;
    QPointer<QWidget> editCtrl;
    TEditorType editControl = edNormal;
    bool disableChange = false;
    bool showEditProcess = false;
    bool editStart = false;
    int aeCol = 0;
    int aeRow = 0;
    QString editTextStart;
    bool noEditChange = false;
    bool gridModified = false;
    QString cellCache;
    bool lButFlg = false;
    bool editMode = false;
    bool alwaysValidate = false;
    bool editWithTags = false;
    QString editMask;
    int maxComboLength = 0;
    QString validChars;
    QString validCharSet;
    bool lookup = false;
    bool lookupCaseSensitive = false;
    bool lookupHistory = false;
    // looks: the recorded component style, the tone set, the office theme
    // seen last and the drop-down editors that follow the grid's style
    TExStyle componentStyle = tsWindowsXP;
    TColorTones tones = InitialColorTones();
    TOfficeTheme lastOfficeTheme = otUnknown;
    bool themeWindowRegistered = false;
    std::vector<std::pair<IExStyle*, IExTones*>> dropDownEditors;
    // where each row was before sorting; empty: every row is itself
    TIntList sortXRef{-1, -1};
    // sorting: the working copy while a sort is undone, the plain sort's
    // direction (1 or -1), where the current row went, the counters and the
    // tick of the last header-click sort
    std::vector<int> unSortXRef;
    int sortDir = 1;
    int sortRow = -1;
    int sortCompares = 0;
    int sortSwaps = 0;
    quint32 sortTime = 0;
};

// A property that only stores its value, and one whose change is seen.
#define GRID_STORED_PROPERTY(Type, Arg, Name, field)                                                          \
    Type TExStringGrid::Name() const { return p->field; }                                                      \
    void TExStringGrid::Set##Name(Arg Value) { p->field = Value; }
#define GRID_REPAINTING_PROPERTY(Type, Arg, Name, field)                                                       \
    Type TExStringGrid::Name() const { return p->field; }                                                      \
    void TExStringGrid::Set##Name(Arg Value)                                                                   \
    {                                                                                                          \
        if (p->field == Value)                                                                                 \
            return;                                                                                            \
        p->field = Value;                                                                                      \
        Invalidate();                                                                                          \
    }
