#pragma once

// Pixel counting for painter tests that draw on a TCanvas over a QImage.

#include "platform/ui/Canvas.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Geometry.h"

namespace testsupport {

// How many pixels inside area have the colour (a system colour is resolved).
inline int CountPixels(const TCanvas& canvas, TColor color, const TRect& area)
{
    const TColor wanted = ColorToRGB(color);
    int n = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            n += canvas.Pixels(x, y) == wanted;
    return n;
}

}  // namespace testsupport
