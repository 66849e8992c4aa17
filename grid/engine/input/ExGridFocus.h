#pragma once

// The pointer shapes of the grid's mouse selection, drawn in code (32 x 32,
// black with a one-pixel white outline), and the state that focus and cursor
// handling keep.

#include "platform/ui/paint/Geometry.h"

class QCursor;

// A press selects the whole row (an arrow pointing right, hot spot at its tip
// (26, 16)), the whole column (pointing down, (13, 26)), or all cells and the
// selection grip (a cross with arms 3 pixels thick, its centre (16, 16)).
enum : int { SelectRowCursor = 8010, SelectColumnCursor = 8011, SelectAllCursor = 8012 };

// The cursor of one of the three numbers; any other number gives the cross.
const QCursor& SelectCursorPicture(int Number);

// Marks the mouse movement sets while the mouse rests on, or drags, the border
// of a fixed column (row).
struct TFixedSizingMarks {
    bool SizeFixed = false;
    bool SizingFixed = false;
    bool SizeFixedR = false;
    bool SizingFixedR = false;
};

struct TExGridFocusState {
    // A BUTTON control of the cell markup drawn pressed, and its cell.
    bool ctrlDown = false;
    TPoint ctrlXY{-1, -1};
    // The rich editor hands the focus back itself.
    bool invokedFocusChange = false;
    // The cursor the grid chose last: a number of the pictures above or a
    // platform cursor.
    int cursor = 0;
};
