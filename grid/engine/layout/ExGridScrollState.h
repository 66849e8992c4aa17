#pragma once

// The grid's scrolling and sizing state.

#include "grid/engine/ExGridViewSettings.h"

#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtWidgets/QScrollBar>

#include <cmath>
#include <memory>

class TScrollControl;
class THTMLHintWindow;

// Rounds to the nearest whole number, an exact half to the even neighbour.
inline int RoundToEven(double v) { return static_cast<int>(std::nearbyint(v)); }

struct TExGridScrollState {
    // the grid's hint window: "Row : n" / "Col : n" beside the dragged thumb,
    // and the sizing hint
    QPointer<THTMLHintWindow> hintWindow;
    bool hintShown = false;
    // scrolling while a drag is held near an edge; the timer exists only then
    std::unique_ptr<QTimer> dragTimer;
    TDragScrollDirections dragDirections;
    // set while the grid zooms: no proportional thumb updates
    bool scrollLock = false;
    QPointer<TScrollControl> vertSlim;
    QPointer<TScrollControl> horzSlim;
    QPointer<QScrollBar> cellBar;
    int cellBarCol = -1;
    int cellBarRow = -1;
    // the stretch column is being sized: its own width change does not stretch again
    bool stretchInProgress = false;
    bool stretchAllowed = true;
    // a mouse sizing that has just ended, with the sized column or row and the
    // size it had when the sizing started
    int sizedCol = -1;
    int sizedRow = -1;
    int sizedColStart = 0;
    int sizedRowStart = 0;
    bool colSizingEnded = false;
    bool rowSizingEnded = false;
};
