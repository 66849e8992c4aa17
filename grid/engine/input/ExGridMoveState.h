#pragma once

// What the grid keeps while the mouse moves over it: the hover marks, the
// sizing of fixed columns and rows, the windows of an enhanced move and of a
// drag, and the sizing hint.

#include "grid/engine/ExGridEvents.h"
#include "grid/engine/ExGridTypes.h"
#include "platform/ui/controls/Control.h"
#include "platform/grid/GridTypes.h"
#include "platform/ui/paint/Geometry.h"

#include <QtCore/QPointer>
#include <QtCore/QString>
#include <QtWidgets/QWidget>

#include <memory>

class QScrollBar;
class THTMLHintWindow;
class THeaderDragButton;
class TNoActiveForm;

// The screen cursor of an enhanced move (drag or no-drop), held as the
// application's override cursor until released; the release and the
// cancelling of a move both end it.
class TMoveCursor {
public:
    TMoveCursor() = default;
    ~TMoveCursor();
    TMoveCursor(const TMoveCursor&) = delete;
    TMoveCursor& operator=(const TMoveCursor&) = delete;
    void Set(TCursor Cursor);
    void Release();
    TCursor Current() const;

private:
    bool m_held = false;
    TCursor m_cursor = crDefault;
};

struct TExGridMoveState {
    int hoverRow = -1;
    TGridCoord hotFixedCell{-1, -1};
    TGridCoord hoverButton{-1, -1};
    int hoverCell[2] = {-1, -1};  // column and row of the link under the mouse
    QString anchor;
    QString lastAnchorHint;
    // the right border of a fixed column (bottom border of a fixed row) under
    // the mouse, and a sizing of it under way with its line and index
    bool sizeFixed = false;
    bool sizeFixedR = false;
    bool sizingFixed = false;
    bool sizingFixedR = false;
    int sizeFixedX = 0;
    int sizeFixedY = 0;
    int sizingFixedCol = -1;
    int sizingFixedRow = -1;
    // the base grid sized a normal column or row during this press
    bool colSizing = false;
    bool rowSizing = false;
    TGridRect sizeSelection{};
    bool oleDragPending = false;
    // an enhanced move: the target under the mouse, refused or not
    int moveTarget = -1;
    bool moveAllowed = true;
    bool moveStarted = false;
    bool scrolledUp = false;
    bool cursorHandled = false;
    int savedLeftCol = -1;
    bool sizingHintShown = false;
    bool hintShowSizing = false;
    // an open header drop-down menu keeps the mouse-leave handling off
    bool leaveSuppressed = false;
    QPointer<TNoActiveForm> moveForm;
    QPointer<THeaderDragButton> moveButton;
    TMoveCursor cursor;
    TGridDragRunner dragRunner;
};
