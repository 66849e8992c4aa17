#pragma once

// What the grid keeps for drawing its cells, its painting frame and its window
// procedure: the drawing settings, the sizing lines shown and the panning state.

#include "grid/engine/ExGridTypes.h"
#include "grid/foundation/objects/ExObj.h"
#include "platform/ui/paint/Colors.h"
#include "platform/ui/controls/Control.h"
#include "platform/ui/paint/Geometry.h"

#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtGui/QCursor>
#include <QtWidgets/QTextEdit>

#include <memory>
#include <optional>

struct TExGridRenderState {
    bool urlShow = false;
    bool urlFull = false;
    bool urlUnderlineOnHover = false;
    bool enhTextSize = false;
    bool multilineCells = false;
    bool xyOffsetTopLeftOnly = false;
    bool noDefaultDraw = false;
    bool noImageAndText = false;
    bool hideFocusRect = false;
    bool selectionRectangle = false;
    TColor selectionRectangleColor = clBlack;
    bool selectionResizer = false;
    int filterDropDownRow = 0;

    // what the text step of the cell being drawn leaves for its graphic: the
    // measured text width (0 when not measured) and the text's alignments
    int graphicTextWidth = 0;
    TAlignment graphicTextAlign = taLeftJustify;
    TVAlignment graphicTextVAlign = vtaTop;

    // sizing lines shown by DrawColumnSizingLine / DrawRowSizingLine
    std::optional<int> columnSizingLine;
    std::optional<int> rowSizingLine;

    // middle-button panning
    TIntelliPan intelliPan = ipVertical;
    bool panning = false;
    TPoint panOrigin;
    QTimer panTimer;
    bool panTimerConnected = false;
    bool hintsWereShown = false;
    int panCursor = 0;
    bool hadCursor = false;
    QCursor previousCursor;

};
