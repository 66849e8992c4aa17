#pragma once

// Internal state of TCustomGrid, shared by its source files only.

#include "platform/grid/CustomGrid.h"

#include <QtCore/QPoint>
#include <QtCore/QTimer>
#include <QtWidgets/QScrollBar>

#include <array>
#include <functional>
#include <vector>

class QPainter;

namespace platform::grid {

// A column or row in view and its client position.
struct Lane {
    int index;
    int pos;
};

// One direction of the grid: the columns or the rows.
struct Axis {
    int count = 5;
    int fixed = 1;
    int defaultSize = 0;
    int first = 1;  // first scrollable index in view
    std::vector<int> sizes;

    int size(int i) const { return i >= 0 && i < static_cast<int>(sizes.size()) ? sizes[i] : defaultSize; }
    int extent(int i, int line) const { return size(i) + line; }
    int fixedExtent(int line) const;
    // The cells in view: the fixed ones, then the scrollable ones from the first
    // in view up to the client edge.
    std::vector<Lane> lanes(int line, int client) const;
    // Client position of the start of cell i, or -1 when it is not in view.
    int start(int i, int line, int client) const;
    // Index of the cell at client position pos (lines belong to the cell before
    // them), -1 outside the cells.
    int at(int pos, int line, int client) const;
    int fullyVisible(int line, int client) const;
    int maxFirst(int line, int client) const;
    // The first index that shows cell i fully at the far edge of the view.
    int firstShowing(int i, int line, int client) const;
};

// A scroll bar of the grid's width on every style.
class GridScrollBar : public QScrollBar {
public:
    GridScrollBar(Qt::Orientation orientation, QWidget* parent) : QScrollBar(orientation, parent) {}
    QSize sizeHint() const override;
};

inline constexpr int ScrollBarSize = 17;
// A press less than this many pixels from a header border sizes.
inline constexpr int SizingMargin = 4;
inline constexpr int DragScrollInterval = 100;

int MulDivRounded(int a, int b, int c);

// Runs the handling of one input event; a fault of an event handler goes to
// the user as an error box instead of leaving the toolkit's event loop.
void RunReportingFaults(const std::function<void()>& handling);

}  // namespace platform::grid

struct TCustomGrid::Private {
    platform::grid::Axis cols;
    platform::grid::Axis rows;
    int lineWidth = 1;
    TGridOptions options = DefaultGridOptions;
    TScrollStyle scrollBars = ssBoth;
    TColor fixedColor = clBtnFace;
    bool defaultDrawing = true;

    TGridCoord current{1, 1};
    TGridCoord anchor{1, 1};
    TGridState state = gsNormal;

    TInplaceEdit* editor = nullptr;
    bool editorMode = false;
    TGridCoord editCell{-1, -1};
    QString editOriginal;

    int sizingIndex = -1;
    int sizingPos = 0;
    int sizingOffset = 0;
    int moveIndex = -1;
    int movePos = -1;
    TGridCoord hot{-1, -1};
    TGridCoord pressed{-1, -1};
    QPoint lastMouse;
    QTimer dragTimer;

    bool focusInside = false;
    int wheelRemainder = 0;

    TCanvas* paintCanvas = nullptr;
    mutable std::unique_ptr<TCanvas> measureCanvas;

    std::array<TScrollInfo, 2> scrollInfo{};
    std::array<bool, 2> alwaysShown{false, false};
    bool updatingScroll = false;
    bool inScrollAction = false;

    platform::grid::Axis& axis(int bar) { return bar == SB_HORZ ? cols : rows; }
    QScrollBar* bar(TCustomGrid* q, int bar) const
    {
        return bar == SB_HORZ ? q->horizontalScrollBar() : q->verticalScrollBar();
    }
};
