#pragma once

// What a left press leaves for the mouse moves and the release.

#include "platform/grid/GridTypes.h"
#include "platform/ui/paint/Geometry.h"

// A press or release less than this many pixels inside a header cell's left or
// right edge is on a sizing border: it neither clicks nor sorts.
inline constexpr int HeaderSizingBand = 4;

struct TExGridPressState {
    bool keepDown = false;      // a left press is pending; mouse moves test it
    bool downMove = false;      // the press may still move; cleared by the release
    bool doOnClick = false;     // the release fires OnClick for a fixed cell
    bool mouseDown = false;     // a plain press of the disjunct selections
    bool deselectState = false; // the release deselects the pressed row or column
    TPoint point{0, 0};         // client point of the last left press
    // The cell a little left of and above the press, its size at the press and
    // the press distance from its right and bottom edges.
    int colClicked = -1;
    int rowClicked = -1;
    int colClickedSize = 0;
    int rowClickedSize = 0;
    int clickPosDx = 0;
    int clickPosDy = 0;
    int selectStart = -1; // row or column where a header selection started
    int moveCell = -1;    // header column or row pressed for moving
    int moveOfsX = 0;
    int moveOfsY = 0;
    int pressRow = -1; // row of the last left press, for the header click
    bool colMoved = false;
    bool colSized = false;
    bool dblClkSized = false;
    bool inRelease = false;
    bool syncMoving = false; // a synchronised grid is making this move
    bool mouseResize = false;        // the selection grip is being dragged
    TGridRect dropSelection{};       // the selection when the grip was pressed
    bool moveEnded = false;
    TPoint fixedEditCell{-1, -1};
};

// Sets a Boolean setting of Owner for the lifetime of the guard and puts the
// old value back, also when an exception passes.
template <class Owner>
class TScopedSetting {
public:
    using Getter = bool (Owner::*)() const;
    using Setter = void (Owner::*)(bool);
    TScopedSetting(Owner* owner, Getter get, Setter set, bool value) : owner_(owner), set_(set), old_((owner->*get)())
    {
        (owner_->*set_)(value);
    }
    ~TScopedSetting() { (owner_->*set_)(old_); }
    TScopedSetting(const TScopedSetting&) = delete;
    TScopedSetting& operator=(const TScopedSetting&) = delete;

private:
    Owner* owner_;
    Setter set_;
    bool old_;
};

// Sets a flag for the lifetime of the guard and puts the old value back.
class TScopedFlag {
public:
    TScopedFlag(bool& flag, bool value) : flag_(flag), old_(flag) { flag_ = value; }
    ~TScopedFlag() { flag_ = old_; }
    TScopedFlag(const TScopedFlag&) = delete;
    TScopedFlag& operator=(const TScopedFlag&) = delete;

private:
    bool& flag_;
    bool old_;
};
