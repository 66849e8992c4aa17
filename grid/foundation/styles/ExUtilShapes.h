#pragma once

#include "platform/ui/paint/Colors.h"

class TCanvas;

// Geometric shapes that grid cells show instead of text.
enum TCellShape {
  csRectangle,
  csCircle,
  csTriangleLeft,
  csTriangleRight,
  csTriangleUp,
  csTriangleDown,
  csDiamond,
  csLineVert,
  csLineHorz,
  csRoundRect,
  csEllips,
  csSquare,
  csRoundSquare,
  csStar,
  csArrowUp,
  csArrowDown,
  csArrowLeft,
  csArrowRight,
  csHalfStar,
};

// The shape in the box at (x, y) of the given size, filled with brushColor and
// outlined with penColor; circle and squares take the smaller side.
void DrawCellShape(TCanvas* canvas, int x, int y, int width, int height, TCellShape shape, TColor brushColor,
                   TColor penColor);

// The small filled triangle pointing down, 7 pixels wide, below (x, y).
void DrawDownTriangle(TCanvas* canvas, int x, int y, TColor color);
