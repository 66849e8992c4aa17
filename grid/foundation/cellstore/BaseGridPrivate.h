#pragma once

// State of the cell store, shared by the files that implement it.

#include "grid/foundation/cellstore/BaseGrid.h"

struct TBaseGrid::Private {
    bool defaultDrawing = false;
    int gridLineWidth = 1;
    TColor gridLineColor = clSilver;
    TColor gridFixedLineColor = clGray;
    int paintID = 1;
    // A full paint is running; only then does a merged range count as painted.
    bool inFullPaint = false;
    bool hideLastRow = false;
    int normalRowCount = 0;
    TExGridUndoRedo* undoRedo = nullptr;
    bool wordWrap = true;
    bool activeRowShow = false;
    TColor activeRowColor = clInfoBk;
    TColor activeRowColorTo = clNone;
    TColor activeRowMirrorColor = clNone;
    TColor activeRowMirrorColorTo = clNone;
    TGridSelectionStyle selectionStyle = TGridSelectionStyle::ssDefault;
    int hoverRowIdx = -1;
    bool hoverRow = false;
    THoverRowCells hoverRowCells = DefaultHoverRowCells;
    TColor hoverRowColor = clInfoBk;
    TColor hoverRowColorTo = clNone;
    bool showSel = true;
    bool hasCellProps = false;
    int mergeCount = 0;
    bool destroying = false;
    // Extent of the cell slots that ever held an object, beyond the counts too.
    int storedCols = 0;
    int storedRows = 0;
};
