#include "platform/grid/CustomGrid.h"

#include "platform/grid/CustomGridPrivate.h"
#include "platform/grid/InplaceEdit.h"
#include "platform/ui/paint/Canvas.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/window/Dialogs.h"
#include "platform/ui/paint/Font.h"

#include <QtWidgets/QApplication>

#include <algorithm>

namespace platform::grid {

int Axis::fixedExtent(int line) const
{
    int total = 0;
    for (int i = 0; i < fixed; ++i)
        total += extent(i, line);
    return total;
}

int Axis::start(int i, int line, int client) const
{
    if (i < 0 || i >= count)
        return -1;
    int pos = 0;
    if (i < fixed) {
        for (int k = 0; k < i; ++k)
            pos += extent(k, line);
    } else {
        if (i < first)
            return -1;
        pos = fixedExtent(line);
        for (int k = first; k < i && pos < client; ++k)
            pos += extent(k, line);
    }
    return pos < client ? pos : -1;
}

std::vector<Lane> Axis::lanes(int line, int client) const
{
    std::vector<Lane> result;
    int pos = 0;
    for (int i = 0; i < fixed && pos < client; ++i) {
        result.push_back({i, pos});
        pos += extent(i, line);
    }
    for (int i = first; i < count && pos < client; ++i) {
        result.push_back({i, pos});
        pos += extent(i, line);
    }
    return result;
}

int Axis::at(int pos, int line, int client) const
{
    if (pos < 0 || pos >= client)
        return -1;
    int p = 0;
    for (int i = 0; i < fixed; ++i) {
        p += extent(i, line);
        if (pos < p)
            return i;
    }
    for (int i = first; i < count && p < client; ++i) {
        p += extent(i, line);
        if (pos < p)
            return i;
    }
    return -1;
}

int Axis::fullyVisible(int line, int client) const
{
    int pos = fixedExtent(line);
    int n = 0;
    for (int i = first; i < count; ++i) {
        if (pos + size(i) > client)
            break;
        ++n;
        pos += extent(i, line);
    }
    return n;
}

int Axis::firstShowing(int i, int line, int client) const
{
    const int available = client - fixedExtent(line);
    int t = i;
    int total = size(i);
    while (t - 1 >= fixed && total + extent(t - 1, line) <= available) {
        --t;
        total += extent(t, line);
    }
    return std::max(t, fixed);
}

int Axis::maxFirst(int line, int client) const
{
    if (count - 1 < fixed)
        return fixed;
    return firstShowing(count - 1, line, client);
}

QSize GridScrollBar::sizeHint() const
{
    QSize s = QScrollBar::sizeHint();
    if (orientation() == Qt::Vertical)
        s.setWidth(ScrollBarSize);
    else
        s.setHeight(ScrollBarSize);
    return s;
}

int MulDivRounded(int a, int b, int c)
{
    if (c == 0)
        return 0;
    const qint64 n = static_cast<qint64>(a) * b;
    const qint64 r = n >= 0 ? (n + c / 2) / c : (n - c / 2) / c;
    return static_cast<int>(r);
}

// The grid's own changes for one event (update holds, options changed for a
// moment) are scoped and undone while the fault passes, so the grid is whole
// again when the box shows.
void RunReportingFaults(const std::function<void()>& handling)
{
    platform::RunReportingFaults(handling);
}

}  // namespace platform::grid

using platform::grid::Axis;

namespace {

[[noreturn]] void GridIndexOutOfRange()
{
    throw EInvalidGridOperation(QStringLiteral("Grid index out of range"));
}

void ResizeSizes(Axis& a)
{
    a.sizes.resize(a.count, a.defaultSize);
}

}  // namespace

TCustomGrid::TCustomGrid(QWidget* parent)
    : QAbstractScrollArea(parent), platform::TControl(*this, clWindow), d(std::make_unique<Private>())
{
    d->cols.defaultSize = 64;
    d->rows.defaultSize = 24;
    ResizeSizes(d->cols);
    ResizeSizes(d->rows);

    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAutoFillBackground(false);
    for (int bar : {SB_HORZ, SB_VERT}) {
        auto* sb = new platform::grid::GridScrollBar(bar == SB_HORZ ? Qt::Horizontal : Qt::Vertical, this);
        if (bar == SB_HORZ)
            setHorizontalScrollBar(sb);
        else
            setVerticalScrollBar(sb);
        connect(sb, &QAbstractSlider::actionTriggered, this, [this, bar](int action) { scrollBarAction(bar, action); });
        connect(sb, &QAbstractSlider::sliderReleased, this, [this, bar] { scrollBarReleased(bar); });
    }
    d->dragTimer.setInterval(platform::grid::DragScrollInterval);
    connect(&d->dragTimer, &QTimer::timeout, this, [this] { dragScrollTick(); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
    resize(320, 120);
    updateScrollRange();
    platform::grid::InstallGridAccessibility();
}

TCustomGrid::~TCustomGrid()
{
    disconnect(qApp, nullptr, this, nullptr);
}

// ---- columns and rows ----------------------------------------------------

int TCustomGrid::ColCount() const { return d->cols.count; }
int TCustomGrid::RowCount() const { return d->rows.count; }
int TCustomGrid::FixedCols() const { return d->cols.fixed; }
int TCustomGrid::FixedRows() const { return d->rows.fixed; }

void TCustomGrid::SetColCount(int value)
{
    changeSize(std::max(1, value), d->rows.count);
}

void TCustomGrid::SetRowCount(int value)
{
    changeSize(d->cols.count, std::max(1, value));
}

void TCustomGrid::changeSize(int newColCount, int newRowCount)
{
    const int oldCols = d->cols.count;
    const int oldRows = d->rows.count;
    if (newColCount == oldCols && newRowCount == oldRows)
        return;
    if (d->editCell.X >= newColCount || d->editCell.Y >= newRowCount)
        HideEditor();
    d->cols.count = newColCount;
    d->rows.count = newRowCount;
    d->cols.fixed = std::min(d->cols.fixed, newColCount - 1);
    d->rows.fixed = std::min(d->rows.fixed, newRowCount - 1);
    ResizeSizes(d->cols);
    ResizeSizes(d->rows);
    for (TGridCoord* c : {&d->current, &d->anchor}) {
        c->X = std::min(c->X, newColCount - 1);
        c->Y = std::min(c->Y, newRowCount - 1);
    }
    const TGridCoord maxTl = MaxTopLeft();
    d->cols.first = std::clamp(d->cols.first, d->cols.fixed, maxTl.X);
    d->rows.first = std::clamp(d->rows.first, d->rows.fixed, maxTl.Y);
    updateScrollRange();
    InvalidateEditor();
    viewport()->update();
    SizeChanged(oldCols, oldRows);
}

void TCustomGrid::SetFixedCols(int value)
{
    if (value < 0)
        GridIndexOutOfRange();
    if (value >= d->cols.count)
        throw EInvalidGridOperation(QStringLiteral("Fixed column count must be less than column count"));
    if (value == d->cols.fixed)
        return;
    d->cols.fixed = value;
    initializePosition();
}

void TCustomGrid::SetFixedRows(int value)
{
    if (value < 0)
        GridIndexOutOfRange();
    if (value >= d->rows.count)
        throw EInvalidGridOperation(QStringLiteral("Fixed row count must be less than row count"));
    if (value == d->rows.fixed)
        return;
    d->rows.fixed = value;
    initializePosition();
}

// A change of the fixed counts starts the view at the first scrollable cell and
// keeps the current cell out of the fixed area.
void TCustomGrid::initializePosition()
{
    HideEditor();
    d->cols.first = d->cols.fixed;
    d->rows.first = d->rows.fixed;
    for (TGridCoord* c : {&d->current, &d->anchor}) {
        c->X = std::max(c->X, d->cols.fixed);
        c->Y = std::max(c->Y, d->rows.fixed);
    }
    updateScrollRange();
    updateScrollPos();
    viewport()->update();
}

int TCustomGrid::ColWidths(int index) const { return d->cols.size(index); }
int TCustomGrid::RowHeights(int index) const { return d->rows.size(index); }

void TCustomGrid::SetColWidths(int index, int value)
{
    if (index < 0 || index >= d->cols.count)
        GridIndexOutOfRange();
    value = std::max(0, value);
    if (d->cols.sizes[index] == value)
        return;
    d->cols.sizes[index] = value;
    ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int index, int value)
{
    if (index < 0 || index >= d->rows.count)
        GridIndexOutOfRange();
    value = std::max(0, value);
    if (d->rows.sizes[index] == value)
        return;
    d->rows.sizes[index] = value;
    RowHeightsChanged();
}

int TCustomGrid::DefaultColWidth() const { return d->cols.defaultSize; }
int TCustomGrid::DefaultRowHeight() const { return d->rows.defaultSize; }

void TCustomGrid::SetDefaultColWidth(int value)
{
    d->cols.defaultSize = std::max(0, value);
    std::fill(d->cols.sizes.begin(), d->cols.sizes.end(), d->cols.defaultSize);
    ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int value)
{
    d->rows.defaultSize = std::max(0, value);
    std::fill(d->rows.sizes.begin(), d->rows.sizes.end(), d->rows.defaultSize);
    RowHeightsChanged();
}

int TCustomGrid::GridLineWidth() const { return d->lineWidth; }

void TCustomGrid::SetGridLineWidth(int value)
{
    value = std::max(0, value);
    if (value == d->lineWidth)
        return;
    d->lineWidth = value;
    updateScrollRange();
    InvalidateEditor();
    viewport()->update();
}

TGridOptions TCustomGrid::Options() const { return d->options; }

void TCustomGrid::SetOptions(TGridOptions value)
{
    if (value == d->options)
        return;
    const TGridOptions old = d->options;
    d->options = value;
    if (!value.testFlag(goEditing) || value.testFlag(goRowSelect))
        HideEditor();
    else if (value.testFlag(goAlwaysShowEditor) && !old.testFlag(goAlwaysShowEditor))
        ShowEditor();
    if (value.testFlag(goThumbTracking) != old.testFlag(goThumbTracking))
        updateScrollPos();
    viewport()->update();
}

TScrollStyle TCustomGrid::ScrollBars() const { return d->scrollBars; }

void TCustomGrid::SetScrollBars(TScrollStyle value)
{
    if (value == d->scrollBars)
        return;
    d->scrollBars = value;
    updateScrollRange();
}

void TCustomGrid::ApplyColor(TColor)
{
    viewport()->update();
}

void TCustomGrid::ApplyFont(const QFont& font, TColor textColor)
{
    platform::TControl::ApplyFont(font, textColor);
    viewport()->update();
}

TColor TCustomGrid::FixedColor() const { return d->fixedColor; }

void TCustomGrid::SetFixedColor(TColor value)
{
    if (value == d->fixedColor)
        return;
    d->fixedColor = value;
    viewport()->update();
}

bool TCustomGrid::DefaultDrawing() const { return d->defaultDrawing; }

void TCustomGrid::SetDefaultDrawing(bool value)
{
    if (value == d->defaultDrawing)
        return;
    d->defaultDrawing = value;
    viewport()->update();
}

TGridState TCustomGrid::GridState() const { return d->state; }

void TCustomGrid::SetGridState(TGridState value)
{
    if (value == gsNormal)
        d->dragTimer.stop();
    d->state = value;
}

// ---- geometry ----------------------------------------------------------------

namespace {

// The scroll area's own rule for showing a bar, applied at once: a hidden grid
// lays out its children only when it is shown, but measures before that.
bool BarShown(const QScrollBar* bar, Qt::ScrollBarPolicy policy)
{
    return policy == Qt::ScrollBarAlwaysOn || (policy == Qt::ScrollBarAsNeeded && bar->minimum() < bar->maximum());
}

}  // namespace

int TCustomGrid::ClientWidth() const
{
    int w = contentsRect().width();
    if (BarShown(verticalScrollBar(), verticalScrollBarPolicy()))
        w -= verticalScrollBar()->sizeHint().width();
    return std::max(0, w);
}

int TCustomGrid::ClientHeight() const
{
    int h = contentsRect().height();
    if (BarShown(horizontalScrollBar(), horizontalScrollBarPolicy()))
        h -= horizontalScrollBar()->sizeHint().height();
    return std::max(0, h);
}
TRect TCustomGrid::ClientRect() const { return Rect(0, 0, ClientWidth(), ClientHeight()); }

TRect TCustomGrid::CellRect(int ACol, int ARow) const
{
    const int x = d->cols.start(ACol, d->lineWidth, ClientWidth());
    const int y = d->rows.start(ARow, d->lineWidth, ClientHeight());
    if (x < 0 || y < 0)
        return TRect{};
    return Bounds(x, y, d->cols.size(ACol), d->rows.size(ARow));
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const
{
    const TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const
{
    TGridCoord c{d->cols.at(X, d->lineWidth, ClientWidth()), d->rows.at(Y, d->lineWidth, ClientHeight())};
    if (c.X < 0 || c.Y < 0)
        return {-1, -1};
    return c;
}

int TCustomGrid::VisibleColCount() const { return d->cols.fullyVisible(d->lineWidth, ClientWidth()); }
int TCustomGrid::VisibleRowCount() const { return d->rows.fullyVisible(d->lineWidth, ClientHeight()); }

TGridCoord TCustomGrid::MaxTopLeft() const
{
    return {d->cols.maxFirst(d->lineWidth, ClientWidth()), d->rows.maxFirst(d->lineWidth, ClientHeight())};
}

// ---- scroll position -----------------------------------------------------------

int TCustomGrid::TopRow() const { return d->rows.first; }
int TCustomGrid::LeftCol() const { return d->cols.first; }
void TCustomGrid::SetTopRow(int value) { MoveTopLeft(d->cols.first, value); }
void TCustomGrid::SetLeftCol(int value) { MoveTopLeft(value, d->rows.first); }

void TCustomGrid::MoveTopLeft(int ALeft, int ATop)
{
    const TGridCoord maxTl = MaxTopLeft();
    ALeft = std::clamp(ALeft, d->cols.fixed, std::max(d->cols.fixed, maxTl.X));
    ATop = std::clamp(ATop, d->rows.fixed, std::max(d->rows.fixed, maxTl.Y));
    if (ALeft == d->cols.first && ATop == d->rows.first)
        return;
    d->cols.first = ALeft;
    d->rows.first = ATop;
    if (d->editor && d->editor->isVisible()) {
        if (d->options.testFlag(goAlwaysShowEditor) && !IsRectEmpty(CellRect(d->editCell.X, d->editCell.Y)))
            placeEditor();
        else
            HideEditor();
    }
    updateScrollPos();
    viewport()->update();
    TopLeftChanged();
}

void TCustomGrid::ClampInView(int ACol, int ARow)
{
    int left = d->cols.first;
    int top = d->rows.first;
    const int line = d->lineWidth;
    if (ACol >= d->cols.fixed) {
        if (ACol < left)
            left = ACol;
        else if (ACol >= left + VisibleColCount())
            left = d->cols.firstShowing(ACol, line, ClientWidth());
    }
    if (ARow >= d->rows.fixed) {
        if (ARow < top)
            top = ARow;
        else if (ARow >= top + VisibleRowCount())
            top = d->rows.firstShowing(ARow, line, ClientHeight());
    }
    MoveTopLeft(left, top);
}

// ---- scroll bars -------------------------------------------------------------------

void TCustomGrid::WMHScroll(int ScrollCode, int Pos)
{
    const Axis& a = d->cols;
    const int maxFirst = MaxTopLeft().X;
    const int page = std::max(1, VisibleColCount());
    const TScrollInfo& si = d->scrollInfo[SB_HORZ];
    const int maxPos = si.Max - std::max(si.Page - 1, 0);
    int left = a.first;
    switch (ScrollCode) {
    case SB_LINELEFT: left -= 1; break;
    case SB_LINERIGHT: left += 1; break;
    case SB_PAGELEFT: left -= page; break;
    case SB_PAGERIGHT: left += page; break;
    case SB_LEFT: left = a.fixed; break;
    case SB_RIGHT: left = maxFirst; break;
    case SB_THUMBTRACK:
        if (!d->options.testFlag(goThumbTracking))
            return;
        [[fallthrough]];
    case SB_THUMBPOSITION:
        left = a.fixed + platform::grid::MulDivRounded(Pos - si.Min, maxFirst - a.fixed, std::max(1, maxPos - si.Min));
        break;
    default: break;
    }
    MoveTopLeft(left, d->rows.first);
    if (ScrollCode != SB_THUMBTRACK)
        updateScrollPos();
}

void TCustomGrid::WMVScroll(int ScrollCode, int Pos)
{
    const Axis& a = d->rows;
    const int maxFirst = MaxTopLeft().Y;
    const int page = std::max(1, VisibleRowCount());
    const TScrollInfo& si = d->scrollInfo[SB_VERT];
    const int maxPos = si.Max - std::max(si.Page - 1, 0);
    int top = a.first;
    switch (ScrollCode) {
    case SB_LINEUP: top -= 1; break;
    case SB_LINEDOWN: top += 1; break;
    case SB_PAGEUP: top -= page; break;
    case SB_PAGEDOWN: top += page; break;
    case SB_TOP: top = a.fixed; break;
    case SB_BOTTOM: top = maxFirst; break;
    case SB_THUMBTRACK:
        if (!d->options.testFlag(goThumbTracking))
            return;
        [[fallthrough]];
    case SB_THUMBPOSITION:
        top = a.fixed + platform::grid::MulDivRounded(Pos - si.Min, maxFirst - a.fixed, std::max(1, maxPos - si.Min));
        break;
    default: break;
    }
    MoveTopLeft(d->cols.first, top);
    if (ScrollCode != SB_THUMBTRACK)
        updateScrollPos();
}

void TCustomGrid::scrollBarAction(int bar, int action)
{
    QScrollBar* sb = d->bar(this, bar);
    int code = -1;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
    case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
    case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
    case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
    case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
    case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
    case QAbstractSlider::SliderMove: code = SB_THUMBTRACK; break;
    default: return;
    }
    d->inScrollAction = true;
    const int pos = sb->sliderPosition();
    if (bar == SB_HORZ)
        WMHScroll(code, pos);
    else
        WMVScroll(code, pos);
    if (code != SB_THUMBTRACK) {
        if (bar == SB_HORZ)
            WMHScroll(SB_ENDSCROLL, pos);
        else
            WMVScroll(SB_ENDSCROLL, pos);
    }
    d->inScrollAction = false;
}

void TCustomGrid::scrollBarReleased(int bar)
{
    const int pos = d->bar(this, bar)->sliderPosition();
    if (bar == SB_HORZ) {
        WMHScroll(SB_THUMBPOSITION, pos);
        WMHScroll(SB_ENDSCROLL, pos);
    } else {
        WMVScroll(SB_THUMBPOSITION, pos);
        WMVScroll(SB_ENDSCROLL, pos);
    }
}

TScrollInfo TCustomGrid::GetScrollInfo(int Bar) const { return d->scrollInfo[Bar == SB_HORZ ? 0 : 1]; }

void TCustomGrid::SetScrollInfo(int Bar, const TScrollInfo& info)
{
    const int i = Bar == SB_HORZ ? 0 : 1;
    d->scrollInfo[i] = info;
    QScrollBar* sb = d->bar(this, i);
    // The range change must reach the scroll area, which shows or hides the bar.
    sb->setRange(info.Min, std::max(info.Min, info.Max - std::max(info.Page - 1, 0)));
    sb->setPageStep(std::max(1, info.Page));
    const bool blocked = sb->blockSignals(true);
    sb->setSliderPosition(info.Pos);
    sb->setValue(info.Pos);
    sb->blockSignals(blocked);
}

void TCustomGrid::ShowScrollBar(int Bar, bool AlwaysShown)
{
    d->alwaysShown[Bar == SB_HORZ ? 0 : 1] = AlwaysShown;
    updateScrollRange();
}

void TCustomGrid::EnableScrollBar(int Bar, bool Enabled)
{
    d->bar(this, Bar == SB_HORZ ? 0 : 1)->setEnabled(Enabled);
}

// Shows a bar when its direction has cells out of view (or the owner keeps it
// shown) and gives it the range 0 to 127.
void TCustomGrid::updateScrollRange()
{
    if (d->updatingScroll)
        return;
    d->updatingScroll = true;
    for (int bar : {SB_HORZ, SB_VERT}) {
        const bool wanted = d->scrollBars == ssBoth || (bar == SB_HORZ ? d->scrollBars == ssHorizontal
                                                                       : d->scrollBars == ssVertical);
        const Qt::ScrollBarPolicy policy = !wanted                ? Qt::ScrollBarAlwaysOff
                                           : d->alwaysShown[bar] ? Qt::ScrollBarAlwaysOn
                                                                 : Qt::ScrollBarAsNeeded;
        if (bar == SB_HORZ)
            setHorizontalScrollBarPolicy(policy);
        else
            setVerticalScrollBarPolicy(policy);
    }
    // Showing or hiding one bar changes the room for the other: settle twice.
    for (int pass = 0; pass < 3; ++pass) {
        const TGridCoord maxTl = MaxTopLeft();
        for (int bar : {SB_HORZ, SB_VERT}) {
            const Axis& a = d->axis(bar);
            const int maxFirst = bar == SB_HORZ ? maxTl.X : maxTl.Y;
            TScrollInfo si = d->scrollInfo[bar];
            if (maxFirst > a.fixed) {
                if (si.Max <= si.Min)
                    si = TScrollInfo{0, 127, 0, 0};
            } else {
                si = TScrollInfo{};
            }
            SetScrollInfo(bar, si);
        }
        const TGridCoord after = MaxTopLeft();
        d->cols.first = std::clamp(d->cols.first, d->cols.fixed, std::max(d->cols.fixed, after.X));
        d->rows.first = std::clamp(d->rows.first, d->rows.fixed, std::max(d->rows.fixed, after.Y));
        if (after == maxTl)
            break;
    }
    d->updatingScroll = false;
    updateScrollPos();
}

void TCustomGrid::updateScrollPos()
{
    const TGridCoord maxTl = MaxTopLeft();
    for (int bar : {SB_HORZ, SB_VERT}) {
        QScrollBar* sb = d->bar(this, bar);
        if (sb->isSliderDown())
            continue;
        const Axis& a = d->axis(bar);
        const int maxFirst = bar == SB_HORZ ? maxTl.X : maxTl.Y;
        TScrollInfo& si = d->scrollInfo[bar];
        const int maxPos = si.Max - std::max(si.Page - 1, 0);
        si.Pos = maxFirst > a.fixed
                     ? si.Min + platform::grid::MulDivRounded(a.first - a.fixed, maxPos - si.Min, maxFirst - a.fixed)
                     : si.Min;
        const bool blocked = sb->blockSignals(true);
        sb->setSliderPosition(si.Pos);
        if (!d->inScrollAction)
            sb->setValue(si.Pos);
        sb->blockSignals(blocked);
    }
}

void TCustomGrid::scrollContentsBy(int, int)
{
    // The grid scrolls by whole cells through WMHScroll and WMVScroll.
}

// ---- repainting --------------------------------------------------------------------

void TCustomGrid::Invalidate() { viewport()->update(); }
void TCustomGrid::InvalidateGrid() { viewport()->update(); }

void TCustomGrid::InvalidateCell(int ACol, int ARow)
{
    InvalidateRect(TGridRect{ACol, ARow, ACol, ARow});
}

void TCustomGrid::InvalidateCol(int ACol)
{
    InvalidateRect(TGridRect{ACol, 0, ACol, d->rows.count - 1});
}

void TCustomGrid::InvalidateRow(int ARow)
{
    InvalidateRect(TGridRect{0, ARow, d->cols.count - 1, ARow});
}

void TCustomGrid::InvalidateRect(const TGridRect& ARect)
{
    // A grid out of view paints whole when it shows; finding the cells' places
    // for it would only cost time, thousands of times while a window fills
    // its tables before it first shows.
    if (!viewport()->isVisible())
        return;
    const int line = d->lineWidth;
    const int left = std::min(ARect.Left, ARect.Right);
    const int right = std::max(ARect.Left, ARect.Right);
    const int top = std::min(ARect.Top, ARect.Bottom);
    const int bottom = std::max(ARect.Top, ARect.Bottom);
    // Only the cells in view count; their positions come from one walk each way.
    int x0 = -1, x1 = -1, y0 = -1, y1 = -1;
    for (const platform::grid::Lane& c : d->cols.lanes(line, ClientWidth())) {
        if (c.index >= left && c.index <= right) {
            x0 = x0 < 0 ? c.pos : std::min(x0, c.pos);
            x1 = std::max(x1, c.pos + d->cols.extent(c.index, line));
        }
    }
    for (const platform::grid::Lane& r : d->rows.lanes(line, ClientHeight())) {
        if (r.index >= top && r.index <= bottom) {
            y0 = y0 < 0 ? r.pos : std::min(y0, r.pos);
            y1 = std::max(y1, r.pos + d->rows.extent(r.index, line));
        }
    }
    if (x0 >= 0 && y0 >= 0)
        viewport()->update(QRect(x0, y0, x1 - x0, y1 - y0));
}

void TCustomGrid::PostCall(std::function<void()> call)
{
    QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
}

QString TCustomGrid::AccessibleCellText(int, int) { return QString(); }

// ---- moving and deleting ---------------------------------------------------------

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (FromIndex < 0 || FromIndex >= d->cols.count || ToIndex < 0 || ToIndex >= d->cols.count)
        GridIndexOutOfRange();
    if (FromIndex == ToIndex)
        return;
    HideEditor();
    ColumnMoved(FromIndex, ToIndex);
    viewport()->update();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex)
{
    if (FromIndex < 0 || FromIndex >= d->rows.count || ToIndex < 0 || ToIndex >= d->rows.count)
        GridIndexOutOfRange();
    if (FromIndex == ToIndex)
        return;
    HideEditor();
    RowMoved(FromIndex, ToIndex);
    viewport()->update();
}

void TCustomGrid::DeleteColumn(int ACol)
{
    MoveColumn(ACol, d->cols.count - 1);
    SetColCount(d->cols.count - 1);
}

void TCustomGrid::DeleteRow(int ARow)
{
    MoveRow(ARow, d->rows.count - 1);
    SetRowCount(d->rows.count - 1);
}

// ---- base hooks -------------------------------------------------------------------

void TCustomGrid::DrawCell(int, int, const TRect&, TGridDrawState) {}
bool TCustomGrid::SelectCell(int, int) { return true; }
void TCustomGrid::SizeChanged(int, int) {}
void TCustomGrid::TopLeftChanged() {}
void TCustomGrid::ColumnMoved(int, int) {}
void TCustomGrid::RowMoved(int, int) {}

void TCustomGrid::ColWidthsChanged()
{
    updateScrollRange();
    InvalidateEditor();
    viewport()->update();
}

void TCustomGrid::RowHeightsChanged()
{
    updateScrollRange();
    InvalidateEditor();
    viewport()->update();
}

void TCustomGrid::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TCustomGrid::resizeEvent(QResizeEvent* e)
{
    QAbstractScrollArea::resizeEvent(e);
    updateScrollRange();
    InvalidateEditor();
    Resize();
}
