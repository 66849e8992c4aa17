#pragma once

#include "platform/core/Exceptions.h"
#include "platform/ui/paint/ScrollStyle.h"

#include <QtCore/QFlags>

// Types shared by the grid controls: cell coordinates and rectangles, the grid
// options, the drawing state of a cell and the mouse state of the grid.

struct TGridCoord {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TGridCoord&, const TGridCoord&) = default;
};

// A rectangle of cells; Right and Bottom are the last column and row inside it.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    TGridCoord TopLeft() const { return {Left, Top}; }
    TGridCoord BottomRight() const { return {Right, Bottom}; }
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};

enum TGridOption : unsigned {
    goFixedVertLine = 0x0001,
    goFixedHorzLine = 0x0002,
    goVertLine = 0x0004,
    goHorzLine = 0x0008,
    goRangeSelect = 0x0010,
    goDrawFocusSelected = 0x0020,
    goRowSizing = 0x0040,
    goColSizing = 0x0080,
    goRowMoving = 0x0100,
    goColMoving = 0x0200,
    goEditing = 0x0400,
    goTabs = 0x0800,
    goRowSelect = 0x1000,
    goAlwaysShowEditor = 0x2000,
    goThumbTracking = 0x4000,
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)

inline constexpr TGridOptions DefaultGridOptions =
    TGridOptions(goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect);

enum TGridDrawStateFlag : unsigned {
    gdSelected = 0x01,
    gdFocused = 0x02,
    gdFixed = 0x04,
    gdRowSelected = 0x08,
    gdHotTrack = 0x10,
    gdPressed = 0x20,
};
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

// What a held mouse button is doing to the grid.
enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

// What a left press at a point would size: the state (gsColSizing, gsRowSizing
// or gsNormal), the column or row, and the distance from the point to its border.
struct TGridSizingInfo {
    TGridState State = gsNormal;
    int Index = -1;
    int Offset = 0;
};

// Scroll bar identifiers and scroll codes, as a scroll bar reports its actions.
enum : int { SB_HORZ = 0, SB_VERT = 1 };
enum : int {
    SB_LINEUP = 0,
    SB_LINELEFT = 0,
    SB_LINEDOWN = 1,
    SB_LINERIGHT = 1,
    SB_PAGEUP = 2,
    SB_PAGELEFT = 2,
    SB_PAGEDOWN = 3,
    SB_PAGERIGHT = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_LEFT = 6,
    SB_BOTTOM = 7,
    SB_RIGHT = 7,
    SB_ENDSCROLL = 8,
};

// Range, page and position of a scroll bar. The grid's bars run from 0 to 127
// unless the owner sets other values; the position reaches Max - Page + 1.
struct TScrollInfo {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Pos = 0;
};

// Misuse of a grid: an index out of range or fixed counts that do not fit.
class EInvalidGridOperation : public Exception {
public:
    using Exception::Exception;
};
