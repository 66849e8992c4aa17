#pragma once

// The pictures of middle-button panning, drawn in code: the pan glyph shown at
// the pan origin ("INTLI1" both directions, "INTLI2" horizontal, "INTLI3"
// vertical; 26 x 26) and the pan cursors 8000 ... 8008 (32 x 32).

#include "grid/engine/ExGridTypes.h"

class QCursor;
class TBitmap;

// The neutral pan cursor and the cursors pointing down, left, right, up,
// up-right, up-left, down-right and down-left, in that order.
enum : int {
    PanCursorNeutral = 8000,
    PanCursorDown,
    PanCursorLeft,
    PanCursorRight,
    PanCursorUp,
    PanCursorUpRight,
    PanCursorUpLeft,
    PanCursorDownRight,
    PanCursorDownLeft,
};

// The cursor registered under a number of 8000 ... 8008; any other number
// gives the neutral one.
const QCursor& PanCursorPicture(int Number);
// The cursor number for a pan direction, each of dx and dy -1, 0 or 1.
int PanCursorFor(int dx, int dy);
// The glyph of a pan mode with its transparent colour already white; the
// ipNone glyph is that of ipBoth.
const TBitmap* PanGlyph(TIntelliPan Mode);
