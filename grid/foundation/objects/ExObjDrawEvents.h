#pragma once

// The event types of the grid family that carry a cell's drawing state.

#include "grid/foundation/objects/ExObj.h"
#include "platform/grid/GridTypes.h"
#include "platform/ui/controls/Control.h"
#include "platform/ui/paint/Geometry.h"

using TCustomCellDrawEvent = std::function<void(TObject* Sender, TCanvas* Canvas, int ACol, int ARow,
                                                TGridDrawState AState, const TRect& ARect, bool Printing)>;
using TGridColorEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TGridDrawState AState, TBrush* ABrush, TFont* AFont)>;
using TGridAlignEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, TAlignment& HAlign, TVAlignment& VAlign)>;
