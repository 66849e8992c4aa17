#pragma once

#include "platform/ui/paint/Geometry.h"

#include <QtCore/QString>

class QWidget;
class TCanvas;

// The red zig-zag under characters first (0-based) to first + count - 1 of a
// cell's text, drawn offset pixels below the text's top. Character places are
// measured in the canvas font, as the cell text is drawn; a range beyond the text
// ends 4 pixels past its last character. parent is the control the cell belongs to.
void DrawErrorUnderline(QWidget* parent, TCanvas* canvas, const QString& text, const TRect& r, int offset, int first,
                        int count);
