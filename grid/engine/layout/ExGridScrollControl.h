#pragma once

// The slim scroll bar of the metro look: a thin thumb drawn over the edge of
// its parent grid, which it scrolls by page clicks and thumb drags. The grid
// makes and places the two bars itself (ScrollType ssMetro) and keeps them in
// step after each top-left change; SlimThumb is the pure placement rule.

#include "grid/engine/ExGridTypes.h"
#include "platform/ui/paint/Colors.h"

#include <QtWidgets/QWidget>

class TExStringGrid;

// Where the thumb of a slim bar lies along a bar Length long whose track
// starts after TrackStart fixed pixels and ends TrackEnd fixed pixels early.
struct TSlimThumb {
    int Pos = 0;
    int Length = 0;
};
TSlimThumb SlimThumb(int Length, int TrackStart, int TrackEnd, int First, int FixedCount, int Count, int Visible);

class TScrollControl : public QWidget {
    Q_OBJECT

public:
    // A parent that is not a TExStringGrid leaves the bar without a grid.
    explicit TScrollControl(QWidget* AParent, TScrollDirection ADirection = sdVertical);

    TColor Color() const { return m_color; }
    void SetColor(TColor Value);
    int ScrollWidth() const { return m_scrollWidth; }
    void SetScrollWidth(int Value);
    TScrollDirection Direction() const { return m_direction; }
    void SetDirection(TScrollDirection Value);
    TExStringGrid* Grid() const { return m_grid; }
    // The thumb for the grid's current scroll position, in the bar's length.
    TSlimThumb Thumb() const;
    // Whether every scrollable column (row) is visible: then nothing is drawn.
    bool AllVisible() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    bool vertical() const { return m_direction == sdVertical; }
    int length() const { return vertical() ? height() : width(); }
    void setFirst(int Value);
    int first() const;

    TExStringGrid* m_grid = nullptr;
    TColor m_color = clSilver;
    int m_scrollWidth = 4;
    TScrollDirection m_direction = sdVertical;
    bool m_dragging = false;
    int m_dragStart = 0;
    int m_dragFirst = 0;
};
