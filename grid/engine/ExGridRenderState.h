#pragma once

// What the grid keeps for drawing its cells, its painting frame and its window
// procedure: the drawing settings, the sizing lines shown and the panning state.

#include "grid/engine/ExGridTypes.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Geometry.h"

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
