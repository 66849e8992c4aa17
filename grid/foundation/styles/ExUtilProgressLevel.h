#pragma once

#include "platform/ui/paint/Colors.h"
#include "platform/ui/paint/Geometry.h"

class TCanvas;
class TFont;

// The looks of a level-coloured progress bar; the grid fills every field from its
// progress settings for each call.
struct TLevelProgressLook {
  TColor Level0Color = clNone, Level0ColorTo = clNone;  // below Level1Perc
  TColor Level1Color = clNone, Level1ColorTo = clNone;
  TColor Level2Color = clNone, Level2ColorTo = clNone;
  TColor Level3Color = clNone, Level3ColorTo = clNone;  // from 100 % (stacked: from Level2Perc)
  int Level1Perc = 0, Level2Perc = 0;
  TColor BorderColor = clNone;
  // Frame in BorderColor, else in the background colour.
  bool ShowBorder = false;
  // The levels as consecutive segments (level 2 then unused).
  bool Stacked = false;
  bool ShowPercentage = false;
  const TFont* Font = nullptr;  // not owned; the canvas font when nullptr
  TColor CompleteFontColor = clNone;
  // A continuous bar; otherwise separated blocks.
  bool CompletionSmooth = false;
  // Two mirrored gradients across the bar instead of a flat colour.
  bool ShowGradient = false;
  int Steps = 0;
  TColor BackgroundColor = clNone;
  // Grows upward from the bottom.
  bool Vertical = false;
};

// The bar for percentage in r; the percentage is kept to 0..100.
void DrawCellLevelProgress(TCanvas* canvas, const TRect& r, int percentage, const TLevelProgressLook& look);
