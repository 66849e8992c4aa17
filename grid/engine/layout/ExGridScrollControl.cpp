// The slim scroll bars of the metro look and the grid's part in them.

#include "grid/engine/layout/ExGridScrollControl.h"

#include "grid/engine/ExGridPrivate.h"

#include <QtGui/QMouseEvent>
#include <QtGui/QPainter>

#include <algorithm>
#include <cmath>

namespace {

// The slim bars are this many pixels thick, inside the grid's frame.
constexpr int SlimBarThickness = 6;
constexpr int MinThumbLength = 20;

}  // namespace

TSlimThumb SlimThumb(int Length, int TrackStart, int TrackEnd, int First, int FixedCount, int Count, int Visible)
{
    TSlimThumb t;
    const int track = Length - TrackStart - TrackEnd;
    if (Count <= 0 || Count - FixedCount <= 0)
        return t;
    t.Pos = TrackStart + RoundToEven(double(track) * (First - FixedCount) / (Count - FixedCount));
    t.Length = std::max(MinThumbLength, RoundToEven(double(track) * Visible / Count));
    if (t.Pos + t.Length > Length)
        t.Pos = Length - t.Length;
    return t;
}

TScrollControl::TScrollControl(QWidget* AParent, TScrollDirection ADirection)
    : QWidget(AParent), m_grid(dynamic_cast<TExStringGrid*>(AParent)), m_direction(ADirection)
{
    // the grid shows through everywhere but the thumb
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
}

void TScrollControl::SetColor(TColor Value)
{
    m_color = Value;
    update();
}

void TScrollControl::SetScrollWidth(int Value)
{
    m_scrollWidth = Value;
    update();
}

void TScrollControl::SetDirection(TScrollDirection Value)
{
    m_direction = Value;
    update();
}

int TScrollControl::first() const { return vertical() ? m_grid->TopRow() : m_grid->LeftCol(); }

bool TScrollControl::AllVisible() const
{
    if (!m_grid)
        return true;
    return vertical() ? m_grid->VisibleRowCount() >= m_grid->RowCount() - m_grid->FixedRows()
                      : m_grid->VisibleColCount() >= m_grid->ColCount() - m_grid->FixedCols();
}

TSlimThumb TScrollControl::Thumb() const
{
    if (!m_grid)
        return {};
    const TExStringGrid& g = *m_grid;
    int fixedStart = 0;
    int fixedEnd = 0;
    if (vertical()) {
        for (int r = 0; r < g.FixedRows(); ++r)
            fixedStart += g.RowHeights(r);
        for (int r = g.RowCount() - g.FixedFooters(); r < g.RowCount(); ++r)
            fixedEnd += r >= 0 ? g.RowHeights(r) : 0;
        return SlimThumb(length(), fixedStart, fixedEnd, g.TopRow(), g.FixedRows(), g.RowCount(),
                         g.VisibleRowCount());
    }
    for (int c = 0; c < g.FixedCols(); ++c)
        fixedStart += g.ColWidths(c);
    for (int c = g.ColCount() - g.FixedRightCols(); c < g.ColCount(); ++c)
        fixedEnd += c >= 0 ? g.ColWidths(c) : 0;
    return SlimThumb(length(), fixedStart, fixedEnd, g.LeftCol(), g.FixedCols(), g.ColCount(), g.VisibleColCount());
}

void TScrollControl::paintEvent(QPaintEvent*)
{
    if (AllVisible())
        return;
    const TSlimThumb t = Thumb();
    QPainter painter(this);
    const QColor color = ToQColor(m_color);
    const QRect r = vertical() ? QRect(0, t.Pos, m_scrollWidth, t.Length) : QRect(t.Pos, 0, t.Length, m_scrollWidth);
    painter.fillRect(r, color);
}

void TScrollControl::setFirst(int Value)
{
    if (vertical())
        m_grid->SetTopRow(Value);
    else
        m_grid->SetLeftCol(Value);
    update();
}

void TScrollControl::mousePressEvent(QMouseEvent* e)
{
    if (!m_grid || e->button() != Qt::LeftButton)
        return;
    const int at = vertical() ? e->position().toPoint().y() : e->position().toPoint().x();
    const TSlimThumb t = Thumb();
    const int fixed = vertical() ? m_grid->FixedRows() : m_grid->FixedCols();
    const int count = vertical() ? m_grid->RowCount() : m_grid->ColCount();
    const int visible = vertical() ? m_grid->VisibleRowCount() : m_grid->VisibleColCount();
    if (at < t.Pos) {
        setFirst(std::max(fixed, first() - visible));
    } else if (at >= t.Pos + t.Length) {
        setFirst(std::min(first() + visible, count - visible));
    } else {
        m_dragging = true;
        m_dragStart = at;
        m_dragFirst = first();
    }
}

void TScrollControl::mouseMoveEvent(QMouseEvent* e)
{
    if (!m_dragging || !m_grid)
        return;
    const int at = vertical() ? e->position().toPoint().y() : e->position().toPoint().x();
    const int fixed = vertical() ? m_grid->FixedRows() : m_grid->FixedCols();
    const int count = vertical() ? m_grid->RowCount() : m_grid->ColCount();
    const int visible = vertical() ? m_grid->VisibleRowCount() : m_grid->VisibleColCount();
    const int firstSize = vertical() ? m_grid->RowHeights(0) : m_grid->ColWidths(0);
    const int span = std::max(1, length() - firstSize);
    const int moved = RoundToEven(double(at - m_dragStart) / span * count);
    setFirst(std::max(fixed, std::min(moved + m_dragFirst, count - visible)));
}

void TScrollControl::mouseReleaseEvent(QMouseEvent*) { m_dragging = false; }

// ---- the grid's slim bars ------------------------------------------------------------

TScrollControl* TExStringGrid::VertScrollControl() const { return p->scroll.vertSlim.data(); }
TScrollControl* TExStringGrid::HorzScrollControl() const { return p->scroll.horzSlim.data(); }

void TExStringGrid::CreateScrollControls()
{
    TExGridScrollState& s = p->scroll;
    if (!s.vertSlim)
        s.vertSlim = new TScrollControl(this, sdVertical);
    if (!s.horzSlim)
        s.horzSlim = new TScrollControl(this, sdHorizontal);
    placeScrollControls();
    s.vertSlim->show();
    s.horzSlim->show();
    s.vertSlim->raise();
    s.horzSlim->raise();
}

void TExStringGrid::FreeScrollControls()
{
    delete p->scroll.vertSlim.data();
    delete p->scroll.horzSlim.data();
}

// The horizontal bar lies along the bottom inside the frame, the vertical bar
// along the right above it.
void TExStringGrid::placeScrollControls()
{
    const QRect inside = contentsRect();
    if (TScrollControl* h = p->scroll.horzSlim.data())
        h->setGeometry(inside.left(), inside.bottom() + 1 - SlimBarThickness, inside.width(), SlimBarThickness);
    if (TScrollControl* v = p->scroll.vertSlim.data())
        v->setGeometry(inside.right() + 1 - SlimBarThickness, inside.top(), SlimBarThickness,
                       inside.height() - SlimBarThickness);
}
