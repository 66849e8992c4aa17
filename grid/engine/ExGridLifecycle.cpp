// The grid's life: creation with its owned objects and defaults, the first
// showing, finishing a load, copying from another grid, resizing and
// destruction; and the unit's start-up with the focus-glow watch.
//
// Creation follows the system's order: the owned settings objects with their
// callbacks, the defaults, the platform facts from ExStyleIF, then the focus-glow
// and arrow windows. Loaded is called by the form, else by the first showing;
// CreateWnd runs at the first showing with a parent, and drops the XP flag while
// visual styles are inactive. Copying cells goes through the grid text stream
// (grid/services/files). The Invalidate that follows an editor's own change is
// skipped once. The host form is heard through the grid's event filter on it,
// removed when the grid goes; the unit start-up installs one application event
// filter that moves the focus glow of FocusGlowGrid (held weakly) when its window
// moves or is resized.

#include "grid/engine/ExGridPrivate.h"
#include "platform/grid/InplaceEdit.h"
#include "grid/foundation/styles/ExStyleIF.h"
#include "platform/ui/window/Form.h"
#include "platform/ui/paint/VisualStyles.h"

#include <QtCore/QEvent>
#include <QtCore/QPointer>
#include <QtGui/QKeyEvent>
#include <QtWidgets/QApplication>

const QString GridCellsClipboardFormat = QStringLiteral("TExStringGrid Cells");
TCursor LinkCursor = crDefault;

namespace {

// The platform's scroll bar width; the platform layer fixes it for every style.
constexpr int SystemScrollBarWidth = 17;
constexpr int MinColWidthAfterLoad = 10;

QPointer<TExStringGrid>& focusGlowGrid()
{
    static QPointer<TExStringGrid> grid;
    return grid;
}

// Moves the focus glow of the grid that shows one whenever a window moves or
// changes size, so that the glow stays on its cell.
class FocusGlowWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (e->type() != QEvent::Move && e->type() != QEvent::Resize)
            return false;
        TExStringGrid* grid = focusGlowGrid().data();
        auto* window = qobject_cast<QWidget*>(watched);
        if (grid && window && window->isWindow() && window != grid->FocusWindow())
            grid->PositionFocusWindow();
        return false;
    }
};

}  // namespace

TExStringGrid* FocusGlowGrid() { return focusGlowGrid().data(); }

void SetFocusGlowGrid(TExStringGrid* grid) { focusGlowGrid() = grid; }

void GridUnitInitialization()
{
    static QPointer<FocusGlowWatch> watch;
    if (watch || !qApp)
        return;
    focusGlowGrid() = nullptr;
    watch = new FocusGlowWatch(qApp);
    qApp->installEventFilter(watch);
}

// ---- construction ---------------------------------------------------------------

TExStringGrid::TExStringGrid(QWidget* AOwner) : TBaseGrid(AOwner), p(std::make_unique<Private>())
{
    GridUnitInitialization();
    createOwnedObjects();
    setDefaults();
    SetRowCount(10);
    SetWidth(400);
    SetHeight(250);
    p->filter = std::make_unique<TFilter>(this);
    p->autoSize = false;
    attachHostForm(FindHostForm(AOwner));
    p->floatFormat = QStringLiteral("%.2f");
    p->passwordChar = u'*';
    p->checkTrue = QStringLiteral("Y");
    p->checkFalse = QStringLiteral("N");
    SetDefaultRowHeight(22);
    SetFixedRowHeight(DefaultRowHeight());
    measurePlatform();
    p->ignoreColumns = std::make_unique<TIntList>(-1, -1);
    p->filterDropDown = std::make_unique<TFilterDropDown>();
    p->filterDropDown->OnChange = [this](TObject*) { Invalidate(); };
    p->filterList = std::make_unique<TStringList>();
    p->filterList->SetDuplicates(dupIgnore);
    p->filterList->SetSorted(true);
    p->rememberedLeftCol = LeftCol();
    p->rememberedTopRow = TopRow();
    p->focusWindow = new TGridFocusWindow(this);
    for (int dir = arrUp; dir <= arrRight; ++dir)
        p->arrows[dir] = new TArrowWindow(this, static_cast<TArrowDirection>(dir));
    LinkCursor = crHandPoint;
    SetColumnCalculator([this](TColumnCalcType Kind, int ACol, int FromRow, int ToRow) {
        return footerColumnCalc(Kind, ACol, FromRow, ToRow);
    });
}

void TExStringGrid::createOwnedObjects()
{
    p->cellFont = std::make_unique<TFont>();
    p->focusHelper = std::make_unique<TFocusHelper>(this);
    p->searchFooter = std::make_unique<TSearchFooter>(this, false);
    p->searchFooter->OnChange = [this](TObject*) { ApplySearchFooter(); };
    p->floatingFooter = std::make_unique<TFloatingFooter>(this);
    p->floatingFooter->OnChange = [this](TObject*) { Invalidate(); };
    p->printSettings = std::make_unique<TPrintSettings>(this);
    p->htmlSettings = std::make_unique<THTMLSettings>();
    p->sortSettings = std::make_unique<TSortSettings>(this);
    p->dragDropSettings = std::make_unique<TDragDropSettings>(this);
    p->dragScrollOptions = std::make_unique<TDragScrollOptions>();
    p->controlLook = std::make_unique<TControlLook>(this);
    p->navigation = std::make_unique<TNavigation>();
    p->navigation->OnChange = [this](TObject*) { NavigationChanged(); };
    p->columnSize = std::make_unique<TColumnSize>(this);
    p->columnSize->OnStretchChange = [this](TObject*) { applyAutomaticStretch(); };
    p->cellNode = std::make_unique<TCellNode>();
    p->cellNode->OnChange = [this](TObject*) { Invalidate(); };
    p->bands = std::make_unique<TBands>();
    p->bands->OnChange = [this](TObject*) { Invalidate(); };
    p->sizeWhileTyping = std::make_unique<TSizeWhileTyping>();
    p->mouseActions = std::make_unique<TMouseActions>(this);
    p->mouseActions->OnChange = [this](TObject*) { MouseActionsChanged(); };
    p->mouseActions->OnIsDesigning = [this](TObject*, bool& designing) { designing = QueryDesignMode(); };
    p->mouseActions->OnInvalidate = [this](TObject*) { InvalidateGrid(); };
    p->mouseActions->OnDisableEdit = [this](TObject*) { DisableEditingOption(); };
    p->grouping = std::make_unique<TGrouping>();
    p->columnHeaders = std::make_unique<TStringList>();
    p->columnHeaders->OnChange = [this](TObject*) {
        BeforeShowColumnHeaders();
        ShowColumnHeaders();
    };
    p->imageCache = std::make_unique<THTMLPictureCache>();
}

void TExStringGrid::setDefaults()
{
    SetColCount(5);
    SetFixedRows(1);
    SetFixedCols(1);
    SetDefaultColWidth(64);
    SetScrollBars(ssBoth);
    p->exGradientTo = ColorToRGB(clBtnFace);

    p->fixedFont = std::make_unique<TFont>();
    p->fixedFont->SetName(QStringLiteral("Tahoma"));
    p->fixedFont->SetStyle(TFontStyles(fsBold));
    p->fixedFont->OnChange = [this](TFont*) { Invalidate(); };
    p->activeCellFont = std::make_unique<TFont>();
    p->activeCellFont->SetStyle(TFontStyles(fsBold));
    p->activeCellFont->OnChange = [this](TFont*) { Invalidate(); };
    p->rowHeaders = std::make_unique<TStringList>();
    p->rowHeaders->OnChange = [this](TObject*) { ShowRowHeaders(); };
    p->lookupItems = std::make_unique<TStringList>();
    p->rowSelect = std::make_unique<TIntList>(-1, -1);
    p->colSelect = std::make_unique<TIntList>(-1, -1);
    p->sortIndexes = std::make_unique<TSortIndexList>();
    p->columnOrder = std::make_unique<TIntList>(-1, -1);
    p->originalColWidths = std::make_unique<TIntList>(-1, -1);
    p->modifiedRows = std::make_unique<TIntList>(-1, -1);
    p->disabledRows = std::make_unique<TIntList>(-1, -1);
    p->mergedColumns = std::make_unique<TIntList>(-1, -1);
    p->rowIndicator = std::make_unique<TBitmap>();
    p->backGround = std::make_unique<TBackGround>();
    p->backGround->OnChange = [this](TObject*) { Invalidate(); };
    p->controlList = std::make_unique<TControlList>();
    p->progressAppearance = std::make_unique<TGridProgressAppearance>();
    p->progressAppearance->OnChange = [this](TObject*) { Invalidate(); };
    p->syncGrid = std::make_unique<TSyncGrid>(this);
    p->balloon = std::make_unique<TBalloonSettings>();
    p->balloon->OnEnableChange = [this](TObject*) { BalloonEnableChanged(); };
    p->showModified = std::make_unique<TShowModified>();
    p->showModified->OnChange = [this](TObject*) { InvalidateCol(0); };
}

void TExStringGrid::measurePlatform()
{
    p->isXP = RunningOnXPOrNewer();
    p->isWin7 = RunningOnWin7OrNewer();
    p->isComCtl6 = IsComCtl6OrNewer();
    p->isVista = RunningOnVistaOrNewer();
    p->borderColor = p->isXP ? TColor(0xB99D7F) : clGray;
    p->scrollWidth = SystemScrollBarWidth;
}

// ---- destruction -----------------------------------------------------------------

TExStringGrid::~TExStringGrid()
{
    p->destroying = true;
    if (InplaceEditor())
        InplaceEditor()->GridClosing();
    if (FocusGlowGrid() == this)
        SetFocusGlowGrid(nullptr);
    BalloonDone();
    detachHostForm();
    unregisterThemeWindow();
    p->saveHiddenCells = false;
    // A destructor must not throw: a layout that cannot be written is lost.
    if (p->columnSize->Save())
        try {
            SaveColSizes();
        } catch (const Exception&) {
        }
}

bool TExStringGrid::IsDestroying() const { return p->destroying; }

// ---- the host form -----------------------------------------------------------------

QWidget* TExStringGrid::FindHostForm(QWidget* AControl)
{
    for (QWidget* w = AControl; w; w = w->parentWidget())
        if (dynamic_cast<TForm*>(w))
            return w;
    return nullptr;
}

void TExStringGrid::attachHostForm(QWidget* form)
{
    if (!form || p->hostForm)
        return;
    p->hostForm = form;
    p->prevSizeX = form->width();
    p->prevSizeY = form->height();
    form->installEventFilter(this);
}

void TExStringGrid::detachHostForm()
{
    if (p->hostForm)
        p->hostForm->removeEventFilter(this);
    p->hostForm = nullptr;
}

bool TExStringGrid::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == p->hostForm && e->type() == QEvent::Resize)
        HandleFormResize(p->hostForm);
    return TBaseGrid::eventFilter(watched, e);
}

// ---- window creation and loading ---------------------------------------------------

bool TExStringGrid::event(QEvent* e)
{
    if (handleOfficeThemeEvent(e))
        return true;
    if (e->type() == QEvent::ShortcutOverride && wantsShortcutKey(static_cast<QKeyEvent*>(e))) {
        e->accept();
        return true;
    }
    if (e->type() == QEvent::Show && !p->windowCreated) {
        if (!p->loaded)
            Loaded();
        if (parentWidget())
            CreateWnd();
    }
    const bool handled = TBaseGrid::event(e);
    if (e->type() == QEvent::Paint && p->updateCount == 0)
        paintBorderFrame();
    return handled;
}

void TExStringGrid::CreateWnd()
{
    if (p->destroying)
        return;
    p->windowCreated = true;
    attachHostForm(FindHostForm(parentWidget()));
    if (!p->gridTimer) {
        p->gridTimer = std::make_unique<QTimer>();
        p->gridTimer->setInterval(500);
        QObject::connect(p->gridTimer.get(), &QTimer::timeout, this, [this] { GridTimerTick(); });
    }
    p->gridTimer->start();
    if (p->scrollType == ssMetro)
        CreateScrollControls();
    if (p->balloon->Enable())
        BalloonInit();
    // Without active visual styles the grid draws as on a system without them.
    p->isXP = p->isXP && platform::VisualStylesActive();
    if (p->columnSize->Save())
        LoadColSizes();
}

void TExStringGrid::Loaded()
{
    p->rememberedCursor = Cursor();
    p->fixedRowsMin = FixedRows();
    p->fixedColsMin = FixedCols();
    p->minRowHeight = DefaultRowHeight();
    p->minColWidth = MinColWidthAfterLoad;
    p->maxRowCount = RowCount();
    p->loaded = true;
    p->loading = false;
    if (Options().testFlag(goAlwaysShowEditor)) {
        p->navigation->SetAlwaysEdit(true);
        SetOptions(Options() & ~TGridOptions(goAlwaysShowEditor));
    }
    if (!QueryDesignMode() && !platform::VisualStylesActive() && p->controlLook->ControlStyle() == csTheme)
        p->controlLook->SetControlStyle(csClassic);
    p->searchFooter->SetAutoThemeAdapt(p->autoThemeAdapt);
    if (p->autoThemeAdapt)
        FollowOfficeTheme();
    ApplyScrollBarAlways(false);
    p->originalColWidths->Clear();
    for (int c = 0; c < ColCount(); ++c)
        p->originalColWidths->Insert(c, ColWidths(c));
    p->scaleGridWidth = Width();
    if (p->balloon->Enable())
        BalloonInit();
    if (p->columnSize->Save())
        LoadColSizes();
}

bool TExStringGrid::IsLoading() const { return p->loading; }
bool TExStringGrid::IsLoaded() const { return p->loaded; }

// ---- copying ----------------------------------------------------------------------

void TExStringGrid::Assign(const TObject* Source)
{
    const auto* source = dynamic_cast<const TExStringGrid*>(Source);
    if (!source)
        return;
    assignSettings(*source);
    assignLayout(*source);
    AssignCells(Source);
}

void TExStringGrid::assignSettings(const TExStringGrid& Source)
{
    auto& source = const_cast<TExStringGrid&>(Source);
    Font().Assign(source.Font());
    p->activeCellColor = Source.p->activeCellColor;
    p->activeCellColorTo = Source.p->activeCellColorTo;
    p->activeCellFont->Assign(*Source.p->activeCellFont);
    p->activeCellShow = Source.p->activeCellShow;
    SetActiveRowShow(source.ActiveRowShow());
    SetAlign(source.Align());
    p->filterDropDown->Assign(Source.p->filterDropDown.get());
    p->anchorHint = Source.p->anchorHint;
    p->autoNumAlign = Source.p->autoNumAlign;
    p->autoSize = Source.p->autoSize;
    p->autoThemeAdapt = Source.p->autoThemeAdapt;
    p->autoFilterUpdate = Source.p->autoFilterUpdate;
    p->mouseActions->Assign(Source.p->mouseActions.get());
    p->navigation->Assign(Source.p->navigation.get());
    p->grouping->Assign(Source.p->grouping.get());
    p->searchFooter->Assign(Source.p->searchFooter.get());
    p->printSettings->Assign(Source.p->printSettings.get());
    p->filter->Assign(Source.p->filter.get());
    p->htmlSettings->Assign(Source.p->htmlSettings.get());
    p->bands->Assign(Source.p->bands.get());
    p->cellNode->Assign(Source.p->cellNode.get());
    p->sortSettings->Assign(Source.p->sortSettings.get());
    p->dragScrollOptions->Assign(Source.p->dragScrollOptions.get());
    p->dragDropSettings->Assign(Source.p->dragDropSettings.get());
    p->progressAppearance->Assign(Source.p->progressAppearance.get());
    p->columnSize->Assign(Source.p->columnSize.get());
    p->syncGrid->Assign(Source.p->syncGrid.get());
    p->focusHelper->Assign(Source.p->focusHelper.get());
    p->fixedRowAlways = Source.p->fixedRowAlways;
}

void TExStringGrid::assignLayout(const TExStringGrid& Source)
{
    SetColCount(Source.ColCount());
    SetRowCount(Source.RowCount());
    SetFixedRows(Source.FixedRows());
    SetFixedCols(Source.FixedCols());
    SetDefaultColWidth(Source.DefaultColWidth());
    SetDefaultRowHeight(Source.DefaultRowHeight());
    SetFixedRowHeight(Source.FixedRowHeight());
    SetFixedColWidth(Source.FixedColWidth());
    p->invalidEntryTitle = Source.p->invalidEntryTitle;
    p->invalidEntryIcon = Source.p->invalidEntryIcon;
    p->invalidEntryText = Source.p->invalidEntryText;
    SetOptions(Source.Options());
    for (int c = 0; c < Source.ColCount(); ++c)
        SetColWidths(c, Source.ColWidths(c));
    p->columnHeaders->Assign(*Source.p->columnHeaders);
    for (int r = 0; r < Source.RowCount(); ++r)
        SetRowHeights(r, Source.RowHeights(r));
    p->scrollProportional = Source.p->scrollProportional;
    p->scrollSynch = Source.p->scrollSynch;
    p->scrollHints = Source.p->scrollHints;
    p->scrollBarAlways = Source.p->scrollBarAlways;
    SetScrollBars(Source.ScrollBars());
    p->scrollColor = Source.p->scrollColor;
    p->scrollType = Source.p->scrollType;
    SetScrollWidth(Source.p->scrollWidth);
}

// ---- repainting and sizing ------------------------------------------------------------

void TExStringGrid::SetEditChange(bool Value) { p->editChange = Value; }

void TExStringGrid::Invalidate()
{
    if (p->editChange) {
        p->editChange = false;
        return;
    }
    TBaseGrid::Invalidate();
}

int TExStringGrid::horizontalBarHeightIfNeeded(int AWidth) const
{
    if (ScrollBars() != ssHorizontal && ScrollBars() != ssBoth)
        return 0;
    int total = 0;
    for (int c = 0; c < ColCount(); ++c)
        total += ColWidths(c) + GridLineWidth();
    return total > AWidth - 2 * frameWidth() ? SystemScrollBarWidth : 0;
}

void TExStringGrid::ChangeBounds(const QRect& bounds)
{
    QRect adjusted = bounds;
    const int rowHeight = DefaultRowHeight();
    if (p->integralHeight && rowHeight > 0) {
        const int border = frameWidth() > 0 ? 2 : 0;
        const int bar = horizontalBarHeightIfNeeded(bounds.width());
        const int height = bounds.height();
        adjusted.setHeight(height + border - (height - bar - border) % rowHeight);
    }
    TBaseGrid::ChangeBounds(adjusted);
    update();
}

void TExStringGrid::Resize()
{
    scaleColumnsWithGrid();
    TBaseGrid::Resize();
    ApplyScrollBarAlways(false);
    applyAutomaticStretch();
    placeScrollControls();
    updateProportionalBars();
}

void TExStringGrid::ApplyScrollBarAlways(bool Flag)
{
    const bool rowsFit = VisibleRowCount() + FixedRows() >= RowCount();
    const bool colsFit = VisibleColCount() + FixedCols() >= ColCount();
    const TScrollBarAlways always = p->scrollBarAlways;
    if (always != saNone) {
        ShowScrollBar(SB_VERT, rowsFit && (always == saVert || always == saBoth));
        EnableScrollBar(SB_VERT, !rowsFit);
        ShowScrollBar(SB_HORZ, colsFit && (always == saHorz || always == saBoth));
        EnableScrollBar(SB_HORZ, !colsFit);
    } else if (Flag) {
        if (rowsFit)
            ShowScrollBar(SB_VERT, false);
        if (colsFit)
            ShowScrollBar(SB_HORZ, false);
    }
}

// ---- focus glow --------------------------------------------------------------------

TGridFocusWindow* TExStringGrid::FocusWindow() const { return p->focusWindow.data(); }

void TExStringGrid::PositionFocusWindow()
{
    TGridFocusWindow* glow = p->focusWindow.data();
    if (!glow)
        return;
    const TRect cell = CellRect(Col(), Row());
    const QPoint origin = viewport()->mapToGlobal(QPoint(cell.Left, cell.Top));
    glow->setGeometry(origin.x() - 4, origin.y() - 4, cell.Right - cell.Left + 9, cell.Bottom - cell.Top + 9);
    glow->update();
}
